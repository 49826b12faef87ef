REM Text that is no integer for an existing 32-bit value is run-time error 13.
REGISTRY WRITE,CURUSER,Software\QuillanTest,Count,12
INFO @regread(CURUSER,Software\QuillanTest,Count)
REGISTRY WRITE,CURUSER,Software\QuillanTest,Count,twelve
INFO never shown
