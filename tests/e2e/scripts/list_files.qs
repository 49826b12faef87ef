REM LOADFILE and SAVEFILE: lines end in CR LF, LF or CR alone when read,
REM and in CR LF when written; a file that cannot be read keeps the list.
%Q = @chr(34)
%P = @chr(37)
RUN sh -c %Qprintf 'crlf\r\nlf\ncr\rlast' > three.txt%Q,WAIT
LIST 1,CREATE
LIST 1,ADD,old
LIST 1,LOADFILE,three.txt
INFO loaded: count [@count(1)] [@next(1)] [@next(1)] [@next(1)] [@next(1)]
LIST 1,SEEK,2
LIST 1,SAVEFILE,saved.txt
INFO saved: ok [@ok()] index [@index(1)]
RUN sh -c %Qprintf 'crlf\r\nlf\r\ncr\r\nlast\r\n' | cmp -s - saved.txt%Q,WAIT
INFO saved as CR LF lines: cmp says [@retcode()]
LIST 1,LOADFILE,no-such-file.txt
INFO missing file: ok [@ok()] count [@count(1)] first [@item(1)]
RUN sh -c %Qprintf 'x\r\n' > kept.txt && chmod 600 kept.txt%Q,WAIT
LIST 2,CREATE
LIST 2,SAVEFILE,kept.txt
RUN sh -c %Qtest ! -s kept.txt && test $(stat -c %Pa kept.txt) = 600%Q,WAIT
INFO empty list saved and permissions kept: [@retcode()]
LIST 2,SAVEFILE,no-such-dir/out.txt
INFO unwritable: ok [@ok()]
REM The registry: sub keys and value names are added in the store's order.
LIST 3,CREATE
LIST 3,REGKEYS,CURUSER,Software\QuillanShop
LIST 3,REGVALS,CURUSER,Software\QuillanShop
LIST 3,REGKEYS,CURUSER,Software\QuillanNowhere
INFO registry: count [@count(3)] [@next(3)] [@next(3)] [@next(3)] [@next(3)]
REM Nothing was dropped on a dialog: DROPFILE adds nothing.
LIST 3,DROPFILE
INFO dropfile: count [@count(3)] index [@index(3)]
