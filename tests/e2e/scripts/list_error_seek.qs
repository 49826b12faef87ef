REM SEEK outside the items is run-time error 19.
LIST 1,CREATE
LIST 1,ADD,a
LIST 1,SEEK,1
INFO never shown
