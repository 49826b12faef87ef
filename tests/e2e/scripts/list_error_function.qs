REM A list function on a list that is not there is run-time error 4.
LIST 1,CREATE
INFO @count(1) @count(5)
INFO never shown
