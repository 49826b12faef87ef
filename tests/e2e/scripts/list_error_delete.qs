REM DELETE without a current item is run-time error 19.
LIST 1,CREATE
LIST 1,DELETE
INFO never shown
