#!/bin/sh
# Builds the libFuzzer targets with clang into build-fuzz and runs each for a
# short while (FUZZ_SECONDS, default 30) from its committed corpus. New
# inputs go to a scratch directory, so the committed corpora stay as they
# are; a crash leaves its input in build-fuzz/artifacts and fails the run.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup-debian.sh
seconds="${FUZZ_SECONDS:-30}"
CC=clang CXX=clang++ BUILD_DIR=build-fuzz sh scripts/build.sh -DQUILLAN_FUZZ=ON -DQUILLAN_GUI=OFF -DBUILD_TESTING=OFF
mkdir -p build-fuzz/artifacts
for target in $(sed -n 's/^set(QUILLAN_FUZZ_TARGETS \(.*\))$/\1/p' fuzz/targets.cmake); do
  scratch="build-fuzz/scratch/$target"
  rm -rf "$scratch"
  mkdir -p "$scratch"
  echo "fuzz-smoke: $target for $seconds s"
  status=0
  ASAN_OPTIONS=detect_leaks=0 "build-fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build-fuzz/artifacts/${target}-" "$scratch" "fuzz/corpus/$target" \
    >"build-fuzz/${target}.log" 2>&1 || status=$?
  grep -E '^#[0-9]+.*(INITED|DONE)|stat::number_of_executed_units|cov:' "build-fuzz/${target}.log" | tail -n 3
  if [ "$status" -ne 0 ]; then
    tail -n 40 "build-fuzz/${target}.log"
    echo "fuzz-smoke: $target failed (status $status)" >&2
    exit 1
  fi
done
