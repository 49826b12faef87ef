REM VERINFO without a file name is run-time error 11.
%V = @verinfo(,T)
