REM REGREAD without a key is run-time error 11.
INFO @regread(CURUSER,,Name,x)
