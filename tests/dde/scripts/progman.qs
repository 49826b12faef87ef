REM Installs a program into the desktop's menu through the program-group
REM peer, which the bus starts on the first call. A comma in a command
REM string would end the field, so it comes in through a variable, and so
REM do the quotes that keep the program's path together.
TITLE Install
%Q = @chr(34)
%K = @chr(44)
DIALOG CREATE,Installing,-1,0,240,80,TEXT(Note;10;10;;;Installing...)
DDE LINK,Progman,Progman
INFO Linked: @ok()
DDE EXECUTE,[CreateGroup(Quillan Tools)][AddItem(%Q/opt/quillan tools/run.sh%Q --size 100%KRun Tool)]
INFO Added: @ok()
DDE EXECUTE,[ShowGroup(Quillan Tools%K1)][Reload]
INFO Shown: @ok()
INFO Groups: @ddeitem(groups)
DDE EXECUTE,[Format(C:)]
INFO Unknown command refused: @not(@ok())
DDE TERMINATE
DIALOG CLOSE
