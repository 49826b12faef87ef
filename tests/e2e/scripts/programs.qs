REM Programs started without a shell: exit codes, failures, arguments
REM that only look like shell syntax, priorities, and the simple commands.
%Q = @chr(34)
RUN sh -c %Qexit 3%Q,WAIT
INFO exit [@retcode()] ok [@ok()]
RUN quillan-no-such-program,WAIT
INFO missing [@retcode()] ok [@ok()]
RUN true
INFO no wait [@retcode()] ok [@ok()]
RUN sh -c %Qexit $#%Q probe ; rm -rf x,wait
INFO unquoted hostile text is [@retcode()] arguments
RUN sh -c %Qexit $#%Q probe %Q; rm -rf x%Q $(touch y),WAIT
INFO quoted hostile text is one of [@retcode()] arguments
RUN sh -c %Qexit $#%Q probe   a    b,WAIT
INFO blanks between [@retcode()] arguments
RUN sh -c %Qexit $(nice)%Q,WAIT,IDLE
INFO idle runs at nice [@retcode()]
SHELL ,sh,-c %Qtest $PWD = /%Q,/,WAIT
INFO in the root [@retcode()]
SHELL print,sh,,,WAIT
INFO unknown verb [@retcode()] ok [@ok()]
SHIFT
INFO [%1][%2][%3]
PARSE "%A;;%B",one|%Qtwo|and%Q|three|four
INFO [%A][%B]
EXITWIN
EXITWIN power
EXITWIN REBOOT
BEEP
INFO still running
