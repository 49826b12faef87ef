REM LOADFILE without a file name is run-time error 2.
LIST 1,CREATE
LIST 1,LOADFILE
INFO never shown
