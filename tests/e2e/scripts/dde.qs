REM A conversation needs the dialog and someone to talk to. Nobody serves
REM the service here, so LINK leaves none open; DDEITEM then reads nothing
REM and leaves its call in the line; once the dialog is gone DDE is
REM run-time error 22.
DIALOG CREATE,Talk,10,10,200,100,BUTTON(Go)
DDE TERMINATE
INFO terminate without a conversation: [@ok()]
DDE LINK,Quillan Nobody,No topic
INFO link to nobody: [@ok()]
DDE POKE,Cell,1
INFO poke: [@ok()]
INFO item: [@ddeitem(Cell)] [@ok()]
DIALOG CLOSE
DDE TERMINATE
INFO never shown
