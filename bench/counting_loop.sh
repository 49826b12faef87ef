#!/bin/sh
# The counting loop of a million passes (two script lines a pass) in
# scriptrun, unattended, against the same loop in bash, tclsh (top level) and
# python3 (module level), all in one run. Prints the times and the ratios.
#
#   sh bench/counting_loop.sh [BUILD_DIR]      (default: build)
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

cat > "$WORK/loop.qs" <<'END'
%I = 0
REPEAT
%I = @succ(%I)
UNTIL @equal(%I,1000000)
END
"$BUILD/tools/quillanc/quillanc" "$WORK/loop.qs" -o "$WORK/loop.exe"

cat > "$WORK/loop.sh" <<'END'
i=0
while [ $i -ne 1000000 ]; do i=$((i+1)); done
END
cat > "$WORK/loop.tcl" <<'END'
set i 0
while {$i != 1000000} { incr i }
END
cat > "$WORK/loop.py" <<'END'
i = 0
while i != 1000000:
    i += 1
END

seconds() {  # best of three wall-clock runs of a command
  best=""
  for _ in 1 2 3; do
    start=$(date +%s.%N)
    "$@" > /dev/null 2>&1
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc -l)
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" = 1 ]; then best=$t; fi
  done
  echo "$best"
}

QT_QPA_PLATFORM=offscreen
export QT_QPA_PLATFORM
q=$(seconds "$BUILD/runtime/dialog/scriptrun" --unattended "$WORK/loop.exe")
b=$(seconds bash "$WORK/loop.sh")
t=$(command -v tclsh >/dev/null && seconds tclsh "$WORK/loop.tcl" || echo 0)
p=$(seconds /usr/bin/python3 "$WORK/loop.py")

printf '%-10s %9s %12s %14s\n' program seconds ns/line "scriptrun is"
row() {
  ratio=$(echo "$2 / $q" | bc -l)
  printf '%-10s %9.3f %12.1f %13.2fx\n' "$1" "$2" "$(echo "$2 * 1000000000 / 2000000" | bc -l)" "$ratio"
}
row scriptrun "$q"
row bash "$b"
[ "$t" != 0 ] && row tclsh "$t"
row python3 "$p"
echo "(ratio = the program's time / scriptrun's time; above 1 means scriptrun is faster)"
