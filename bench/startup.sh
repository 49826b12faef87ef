#!/bin/sh
# How soon a program shows its first window: scriptrun running a script that
# opens a window, against wish and zenity --info, each started RUNS times on a fresh Xvfb,
# the median in milliseconds (target for scriptrun: below 40 ms). The dialog
# loop benchmark (dialog_loop) runs on the same display.
#
# Usage: sh bench/startup.sh [BUILD_DIR] [RUNS]   (default: build, 15)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
runs=${2:-15}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cat > "$scratch/show.qs" <<'QS'
DIALOG CREATE,Startup,10,10,240,120,TEXT(T1;10;10;;;Hello),EDIT(E1;40;10),BUTTON(OK;70;10)
WAIT EVENT
QS
"$build/tools/quillanc/quillanc" "$scratch/show.qs" -o "$scratch/show.exe" >/dev/null
printf 'label .l -text Hello\npack .l\n' > "$scratch/show.tcl"

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

export MAPWAIT="$build/bench/mapwait"
export XDG_RUNTIME_DIR="$scratch" QUILLAN_REGISTRY="$scratch/registry.db"
measure() {
  name=$1; shift
  if ! command -v "$1" >/dev/null 2>&1; then
    printf '%-10s (not installed)\n' "$name"
    return
  fi
  printf '%-10s %8s ms\n' "$name" "$(xvfb-run -a -s '-screen 0 1280x1024x24' sh "$scratch/measure.sh" "$runs" "$@")"
}
echo "median time to the first mapped window, $runs runs each:"
measure scriptrun "$build/runtime/dialog/scriptrun" "$scratch/show.exe"
measure wish wish "$scratch/show.tcl"
measure zenity zenity --info --text Hello
echo
xvfb-run -a -s '-screen 0 1280x1024x24' "$build/bench/dialog_loop"
