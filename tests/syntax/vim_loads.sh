#!/bin/sh
# Loads the generated Vim files the way Vim does for a script source and
# checks that the first lines of an example are coloured as what they are.
# Exits 77 (skipped) when no Vim with syntax support is installed.
#
#   sh vim_loads.sh SYNTAX_DIR EXAMPLE.qs
set -eu
dir="$1"
example="$2"
vim=""
for candidate in vim vim.basic vim.nox; do
  if command -v "$candidate" >/dev/null 2>&1; then
    vim="$candidate"
    break
  fi
done
[ -n "$vim" ] || { echo "no vim installed: skipped"; exit 77; }
"$vim" --version | grep -q '+syntax' || { echo "$vim has no syntax support: skipped"; exit 77; }

# Line 1 of the example is a REM line, line 3 starts with DIALOG.
status=0
"$vim" -N -u NONE -i NONE -es \
  -c "source $dir/ftdetect/quillan.vim" \
  -c "edit $example" \
  -c 'if &filetype !=# "quillan" | cquit 2 | endif' \
  -c "source $dir/syntax/quillan.vim" \
  -c 'if v:errmsg != "" | cquit 1 | endif' \
  -c 'if synIDattr(synID(1, 1, 1), "name") !=# "quillanComment" | cquit 3 | endif' \
  -c 'if synIDattr(synID(3, 1, 1), "name") !=# "quillanCommand" | cquit 4 | endif' \
  -c 'qa!' </dev/null || status=$?
case $status in
  0) echo "vim loaded the syntax" ;;
  1) echo "vim reported an error while loading the syntax" ;;
  2) echo "a .qs file was not given the quillan file type" ;;
  3) echo "the REM line is not a comment" ;;
  4) echo "DIALOG at the start of a line is not a command" ;;
  *) echo "vim failed ($status)" ;;
esac
exit $status
