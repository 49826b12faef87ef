REM The sub-command is found by position: SET selects SETDATE, DATE lies inside it and is error 14.
FILE SET,nothing.ini
INFO set: [@ok()]
FILE DATE,nothing.ini
INFO never shown
