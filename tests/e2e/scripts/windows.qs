REM Other windows: a window no desktop has is not found, which is no error;
REM only the success flag tells it. TOP lies inside ONTOP and is error 14.
%A = @winexists(No window has this title 7F3A)
WINDOW ACTIVATE,No window has this title 7F3A
%B = @ok()
WINDOW SEND,#noclass7f3a,abc
%C = @ok()
%D = @winpos(No window has this title 7F3A,LTWHS)
%E = @ok()
WINDOW POSITION,#noclass7f3a,,,300
%F = @ok()
WINDOW MESSAGE,No window has this title 7F3A,16
INFO [%A][%B][%C][%D][%E][%F][@ok()]
WINDOW TOP,x
INFO never shown
