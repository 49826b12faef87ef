#!/bin/sh
# A value written and read back, PAIRS times in a script loop: REGISTRY WRITE
# with @regread, and INIFILE WRITE with @iniread, in scriptrun (unattended),
# against the same pairs from a shell loop with the sqlite3 command-line
# program (WAL, synchronous=NORMAL, as our store runs) and crudini. Prints
# microseconds per pair, wall-clock and CPU; the empty loop's own time (and
# scriptrun's start, about 0.1 s in all) is shown apart.
# Targets: a registry pair under 100 us, an INI pair under 2 ms.
#
#   sh bench/settings_pairs.sh [BUILD_DIR] [PAIRS] [CLI_PAIRS]
#
# PAIRS defaults to 10000. CLI_PAIRS (default: PAIRS) is how many pairs the
# command-line programs run: each of their pairs starts two processes
# (crudini two Python interpreters), so 10,000 crudini pairs take about a
# quarter of an hour; the figure per pair does not depend on the count.
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
PAIRS="${2:-10000}"
CLI_PAIRS="${3:-$PAIRS}"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export QUILLAN_REGISTRY="$WORK/registry.db" HOME="$WORK" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$WORK"

compile() {  # name, script text
  printf '%s\n' "$2" > "$WORK/$1.qs"
  "$BUILD/tools/quillanc/quillanc" "$WORK/$1.qs" -o "$WORK/$1.exe"
}
compile empty "%I = 0
REPEAT
%I = @succ(%I)
%V = %I
UNTIL @equal(%I,$PAIRS)"
compile registry "%I = 0
REPEAT
%I = @succ(%I)
REGISTRY WRITE,CURUSER,Software\\Bench,Value,%I
%V = @regread(CURUSER,Software\\Bench,Value)
UNTIL @equal(%I,$PAIRS)
IF @not(@equal(%V,$PAIRS))
  WARN registry pair read back %V
END"
compile ini "INIFILE OPEN,$WORK/bench.ini
%I = 0
REPEAT
%I = @succ(%I)
INIFILE WRITE,Bench,Value,%I
%V = @iniread(Bench,Value)
UNTIL @equal(%I,$PAIRS)
IF @not(@equal(%V,$PAIRS))
  WARN INI pair read back %V
END"

cat > "$WORK/sqlite.sh" <<'END'
db=$1; n=$2
sqlite3 "$db" "PRAGMA journal_mode=WAL; CREATE TABLE IF NOT EXISTS v(k TEXT PRIMARY KEY, v TEXT)" >/dev/null
i=0
while [ $i -ne "$n" ]; do
  i=$((i+1))
  sqlite3 "$db" "PRAGMA synchronous=NORMAL; INSERT OR REPLACE INTO v VALUES('Value','$i')"
  sqlite3 "$db" "SELECT v FROM v WHERE k='Value'" >/dev/null
done
END
cat > "$WORK/crudini.sh" <<'END'
file=$1; n=$2
i=0
while [ $i -ne "$n" ]; do
  i=$((i+1))
  crudini --set "$file" Bench Value "$i"
  crudini --get "$file" Bench Value >/dev/null
done
END

measure() {  # label, pairs, command...: wall-clock and CPU (user + system) time per pair
  label=$1 pairs=$2
  shift 2
  /usr/bin/time -f '%e %U %S' -o "$WORK/time" "$@" > /dev/null
  read -r wall user system < "$WORK/time"
  printf '%-34s %6d pairs %9.1f us/pair wall %9.1f us/pair CPU\n' "$label" "$pairs" \
    "$(echo "$wall * 1000000 / $pairs" | bc -l)" "$(echo "($user + $system) * 1000000 / $pairs" | bc -l)"
}

scriptrun="$BUILD/runtime/dialog/scriptrun"
echo "(on a busy machine the wall-clock time includes waiting for a CPU; the CPU time does not)"
measure "scriptrun empty loop" "$PAIRS" "$scriptrun" --unattended "$WORK/empty.exe"
measure "scriptrun REGISTRY WRITE + REGREAD" "$PAIRS" "$scriptrun" --unattended "$WORK/registry.exe"
measure "scriptrun INIFILE WRITE + INIREAD" "$PAIRS" "$scriptrun" --unattended "$WORK/ini.exe"
measure "sqlite3 INSERT + SELECT" "$CLI_PAIRS" sh "$WORK/sqlite.sh" "$WORK/cli.db" "$CLI_PAIRS"
if command -v crudini >/dev/null 2>&1; then
  measure "crudini --set + --get" "$CLI_PAIRS" sh "$WORK/crudini.sh" "$WORK/cli.ini" "$CLI_PAIRS"
else
  echo "crudini (not installed)"
fi
