#!/bin/sh
# String lists: 100,000 LIST ADDs into a sorted list against sort -f on the
# same words, and LOADFILE plus SAVEFILE of a 10 MB text against cp.
#
#   sh bench/lists.sh [BUILD_DIR]      (default: build)
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# 100,000 pseudo-random words of 4 to 12 letters, mixed case, with repeats.
awk 'BEGIN { srand(11); for (i = 0; i < 100000; i++) { n = 4 + int(rand() * 9); w = "";
  for (j = 0; j < n; j++) { c = int(rand() * 26); w = w sprintf("%c", (rand() < 0.2 ? 65 : 97) + c) }
  print w } }' > "$WORK/words.txt"
# About 10 MB of text lines with CR LF ends.
awk 'BEGIN { srand(7); while (size < 10000000) { n = 20 + int(rand() * 100); l = "";
  for (j = 0; j < n; j++) l = l sprintf("%c", 32 + int(rand() * 95)); size += n + 2; printf "%s\r\n", l } }' \
  > "$WORK/text.txt"

seconds() {  # best of three wall-clock runs of a command, and its processor time
  best=""
  for _ in 1 2 3; do
    start=$(date +%s.%N)
    /usr/bin/time -f "%U %S" -o "$WORK/cpu" "$@" > /dev/null 2>&1
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc)
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc)" = 1 ]; then
      best=$t
      cpu=$(awk '{ print $1 + $2 }' "$WORK/cpu")
    fi
  done
  echo "$best s wall, $cpu s processor"
}

echo "== LIST ADD of 100,000 words into a sorted list (LC_COLLATE=${LC_ALL:-${LC_COLLATE:-${LANG:-C}}})"
"$BUILD/bench/list_bench" add "$WORK/words.txt"
echo "sort -f of the same words: $(seconds sort -f -o "$WORK/sorted.txt" "$WORK/words.txt")"
echo
echo "== LOADFILE and SAVEFILE of $(wc -c < "$WORK/text.txt") bytes"
"$BUILD/bench/list_bench" files "$WORK/text.txt" "$WORK/saved.txt"
cmp -s "$WORK/text.txt" "$WORK/saved.txt" && echo "(saved file is byte for byte the loaded one)"
echo "cp of the same file: $(seconds cp "$WORK/text.txt" "$WORK/copy.txt")"
