#!/bin/sh
# How soon and how cheaply a program shows its first window: scriptrun
# running a script that opens a form, against wish showing the same form
# and zenity --info, each started RUNS times on a fresh Xvfb.
#   - the median milliseconds to the first mapped window (target for
#     scriptrun: ahead of wish, below 45 ms on a quiet machine);
#   - the libraries: `ldd` of the program, and the shared objects mapped in
#     it when its window appears;
#   - a run that shows the form and ends: the median CPU time (user+sys,
#     which a loaded machine disturbs less than wall time) and the median
#     peak resident memory (target for scriptrun: at most wish's).
# The load average is printed first: read the wall times against it. The
# dialog loop benchmark (dialog_loop) runs on the same display.
#
# Usage: sh bench/startup.sh [BUILD_DIR] [RUNS]   (default: build, 15)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
runs=${2:-15}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

form='TEXT(T1;10;10;;;Hello),EDIT(E1;40;10),BUTTON(OK;70;10)'
printf 'DIALOG CREATE,Startup,10,10,240,120,%s\nWAIT EVENT\n' "$form" > "$scratch/show.qs"
# Shows the form, lets it paint, and ends.
printf 'DIALOG CREATE,Startup,10,10,240,120,%s\nWAIT EVENT,0.05\n' "$form" > "$scratch/once.qs"
"$build/tools/quillanc/quillanc" "$scratch/show.qs" -o "$scratch/show.exe" >/dev/null
"$build/tools/quillanc/quillanc" "$scratch/once.qs" -o "$scratch/once.exe" >/dev/null
tk='label .l -text Hello\nentry .e\nbutton .b -text OK\npack .l .e .b\nwm title . Startup\nwm geometry . 240x120+10+10\n'
printf "$tk" > "$scratch/show.tcl"
printf "${tk}update\nafter 50 exit\n" > "$scratch/once.tcl"

cat > "$scratch/measure.sh" <<'INNER'
#!/bin/sh
# Runs inside xvfb-run: one program, RUNS times, prints the median.
set -eu
runs=$1; shift
times=""
i=0
while [ "$i" -lt "$runs" ]; do
  times="$times $("$MAPWAIT" "$@")"
  i=$((i + 1))
done
echo $times | tr ' ' '\n' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
INNER

cat > "$scratch/cost.sh" <<'INNER'
#!/bin/sh
# Runs inside xvfb-run: one program that shows its window and ends, RUNS
# times; prints the median user+sys seconds and the median peak resident kB.
set -eu
runs=$1; shift
i=0
: > "$COSTS"
while [ "$i" -lt "$runs" ]; do
  /usr/bin/time -f '%U %S %M' -a -o "$COSTS" "$@" >/dev/null 2>&1 || true
  i=$((i + 1))
done
cpu=$(awk '{ printf "%.3f\n", $1 + $2 }' "$COSTS" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
rss=$(awk '{ print $3 }' "$COSTS" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "$cpu $rss"
INNER

export MAPWAIT="$build/bench/mapwait" COSTS="$scratch/costs"
export XDG_RUNTIME_DIR="$scratch" QUILLAN_REGISTRY="$scratch/registry.db"
chmod 700 "$scratch"
display() { xvfb-run -a -s '-screen 0 1280x1024x24' "$@"; }
present() { command -v "$1" >/dev/null 2>&1; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
echo
echo "median time to the first mapped window, $runs runs each:"
measure() {
  name=$1; shift
  if ! present "$1"; then printf '%-10s (not installed)\n' "$name"; return; fi
  printf '%-10s %8s ms\n' "$name" "$(display sh "$scratch/measure.sh" "$runs" "$@")"
}
measure scriptrun "$build/runtime/dialog/scriptrun" "$scratch/show.exe"
measure wish wish "$scratch/show.tcl"
measure zenity zenity --info --text Hello

echo
echo "libraries (ldd lines; shared objects mapped at the first paint):"
libraries() {
  name=$1; shift
  if ! present "$1"; then printf '%-10s (not installed)\n' "$name"; return; fi
  linked=$(ldd "$(command -v "$1")" | wc -l)
  mapped=$(display "$MAPWAIT" --libraries "$@" 2>/dev/null | cut -d' ' -f2)
  printf '%-10s %4s linked %4s mapped\n' "$name" "$linked" "$mapped"
}
libraries scriptrun "$build/runtime/dialog/scriptrun" "$scratch/show.exe"
libraries wish wish "$scratch/show.tcl"

echo
echo "showing the form and ending, median of $runs: CPU (user+sys) and peak resident memory:"
cost() {
  name=$1; shift
  if ! present "$1"; then printf '%-10s (not installed)\n' "$name"; return; fi
  set -- $(display sh "$scratch/cost.sh" "$runs" "$@")
  printf '%-10s %6s s CPU %8s kB\n' "$name" "$1" "$2"
}
cost scriptrun "$build/runtime/dialog/scriptrun" "$scratch/once.exe"
cost wish wish "$scratch/once.tcl"

echo
display "$build/bench/dialog_loop"
