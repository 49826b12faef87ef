REM DIRECTORY without a directory is run-time error 2; an unknown sub-command is error 14.
DIRECTORY CH,.
INFO change: @ok()
DIRECTORY REMOVE,x
