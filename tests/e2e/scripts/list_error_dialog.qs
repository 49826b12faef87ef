REM CREATE on a list of the dialog is run-time error 4.
DIALOG CREATE,Lists,10,10,200,150,LIST(Names;10;10;;)
LIST Names,ADD,a
LIST Names,CREATE
INFO never shown
