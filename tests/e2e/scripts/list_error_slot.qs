REM Every operation but CREATE on an empty slot is run-time error 4.
LIST 1,CREATE
LIST 2,ADD,x
INFO never shown
