REM The desktop clipboard on a real X server: another program reads what
REM the script put there while the script still runs, and the script pastes
REM what another program put there.
%Q = @chr(34)
CLIPBOARD SET,written by the script
RUN sh -c %Qxclip -o -selection clipboard > seen.txt%Q,WAIT
LIST 1,CREATE
LIST 1,LOADFILE,seen.txt
INFO xclip read [@item(1)] count [@count(1)]
CLIPBOARD APPEND,and more
LIST 1,CLEAR
LIST 1,ADD,first
LIST 1,ADD,second
LIST 1,COPY
RUN sh -c %Qprintf 'first\r\nsecond' > want.txt && xclip -o -selection clipboard | cmp -s - want.txt%Q,WAIT
INFO COPY joined with CR LF: cmp says [@retcode()]
REM xclip serves the text from a process of its own: wait until it does,
REM then let the runtime see that it no longer owns the clipboard.
RUN sh -c %Qprintf 'one\r\ntwo\r\n' | xclip -i -selection clipboard; i=0; until xclip -o -selection clipboard | grep -q one || [ $i -ge 50 ]; do i=$((i+1)); sleep 0.1; done%Q,WAIT
WAIT 1
LIST 1,PASTE
INFO pasted from xclip: count [@count(1)] [@next(1)] [@next(1)]
CLIPBOARD CLEAR
RUN sh -c %Qtest $(xclip -o -selection clipboard 2>/dev/null | wc -c) -eq 0%Q,WAIT
INFO cleared: [@retcode()]
