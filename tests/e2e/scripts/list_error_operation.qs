REM An operation word that selects nothing is run-time error 4.
LIST 1,CREATE
LIST 1,SORT
INFO never shown
