REM Events other than buttons: the popup menu, the tray icon, dropped files, the timer.
DIALOG CREATE,Events,10,10,240,120,DLGTYPE(DRAGDROP;SMALLCAP),-
  POPUP(Open|Save as...),TASKICON(Tray;;Quillan events),-
  "TEXT(T1;10;10;200;40;Right-click, drop files or use the tray icon)"
%N = 0
:loop
WAIT EVENT,1
%E = @event()
%N = @succ(%N)
INFO %N: %E
IF @equal(%E,TIMER)
  EXIT
END
GOTO loop
