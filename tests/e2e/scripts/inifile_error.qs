REM The sub-command is found by position: PEN lies inside OPEN and is run-time error 14.
INIFILE OPE,x.ini
INFO opened
INIFILE PEN,x.ini
INFO never shown
