REM A letter that is no attribute is run-time error 13; the letters after it still count.
INIFILE OPEN,./a.ini
INIFILE WRITE,S,K,V
FILE SETATTR,a.ini,+RX
