#!/bin/sh
# The counting loop of a million passes (two script lines a pass) in
# scriptrun, unattended, against the same loop in bash, tclsh (top level) and
# python3 (module level), all in one run. Prints the times and the ratios,
# scriptrun's time with its trace written to /dev/null, the heap allocations
# per line (bench/line_allocations) and, with valgrind installed, the
# instructions per line (callgrind, two loop lengths subtracted so that
# start-up cancels out).
#
#   sh bench/counting_loop.sh [BUILD_DIR]      (default: build)
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

loop() {  # loop PASSES NAME: the script loop compiled to $WORK/NAME.exe
  printf '%%I = 0\nREPEAT\n%%I = @succ(%%I)\nUNTIL @equal(%%I,%s)\n' "$1" > "$WORK/$2.qs"
  "$BUILD/tools/quillanc/quillanc" "$WORK/$2.qs" -o "$WORK/$2.exe"
}
loop 1000000 loop

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
qt=$(seconds "$BUILD/runtime/dialog/scriptrun" --unattended --trace=/dev/null "$WORK/loop.exe")
b=$(seconds bash "$WORK/loop.sh")
t=$(command -v tclsh >/dev/null && seconds tclsh "$WORK/loop.tcl" || echo 0)
p=$(seconds /usr/bin/python3 "$WORK/loop.py")

printf '%-10s %9s %12s %14s\n' program seconds ns/line "scriptrun is"
row() {
  ratio=$(echo "$2 / $q" | bc -l)
  printf '%-10s %9.3f %12.1f %13.2fx\n' "$1" "$2" "$(echo "$2 * 1000000000 / 2000000" | bc -l)" "$ratio"
}
row scriptrun "$q"
row "(--trace)" "$qt"
row bash "$b"
[ "$t" != 0 ] && row tclsh "$t"
row python3 "$p"
echo "(ratio = the program's time / scriptrun's time; above 1 means scriptrun is faster)"

if [ -x "$BUILD/bench/line_allocations" ]; then
  echo
  "$BUILD/bench/line_allocations"
fi
if command -v valgrind > /dev/null; then
  loop 20000 short
  loop 120000 long
  instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$BUILD/runtime/dialog/scriptrun" --unattended "$1" 2>&1 |
      sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
  }
  a=$(instructions "$WORK/short.exe")
  b=$(instructions "$WORK/long.exe")
  echo
  echo "instructions per line (callgrind): $(echo "($b - $a) / 200000" | bc)"
fi
