REM REGREAD without a key is run-time error 11.
%Z = @regread(CURUSER,,Name,x)
