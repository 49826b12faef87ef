#!/bin/sh
# 1,000 DDEITEM requests against the test peer, against as many raw QtDBus
# calls of Request and as many `gdbus call`s of it from a shell loop, on a
# private session bus.
#
# Usage: sh bench/dde_requests.sh [BUILD_DIR] [COUNT]   (default: build, 1000)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
count=${2:-1000}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch" QUILLAN_REGISTRY="$scratch/registry.db"
# The conversation comes from the D-Bus module, which lies beside scriptrun.
export QUILLAN_MODULE_DIR="$build/runtime/dialog"

cat > "$scratch/inside.sh" <<'INNER'
set -eu
"$PEER" Bench Sheet "$SCRATCH/calls.log" > "$SCRATCH/peer.out" &
peer=$!
trap 'kill $peer' EXIT
while ! grep -q ready "$SCRATCH/peer.out" 2>/dev/null; do sleep 0.05; done
"$BENCH" "$COUNT"
start=$(date +%s%N)
i=0
while [ "$i" -lt "$COUNT" ]; do
  gdbus call --session -d org.quillan.Dde.bench -o /org/quillan/Dde/sheet \
    -m org.quillan.Dde1.Request Price >/dev/null
  i=$((i + 1))
done
end=$(date +%s%N)
awk -v ns=$((end - start)) -v n="$COUNT" 'BEGIN { printf "%-28s %8.1f us per request\n", "gdbus call in a shell loop", ns / n / 1000 }'
INNER
PEER="$build/tests/dde/dde_test_peer" BENCH="$build/bench/dde_requests" SCRATCH="$scratch" COUNT="$count" \
  dbus-run-session -- sh "$scratch/inside.sh" 2>/dev/null
