REM OPTION changes the settings that PARSE, WAIT and REGREAD use.
OPTION FIELDSEP,;;
PARSE "%A;%B",one;two|three
INFO %A / %B
OPTION FIELDSEP,|
PARSE "%A;%B",one;two|three
INFO %A / %B
OPTION SLEEP,300
WAIT 1
INFO waited
OPTION SLEEPTIME,soon
WAIT 1
INFO waited again
REGISTRY WRITE,CURUSER,Software\QuillanTest,Text,hello
OPTION REGBUF,3
INFO @regread(CURUSER,Software\QuillanTest,Text,too long)
OPTION REGBUF,lots
INFO @regread(CURUSER,Software\QuillanTest,Text,too long)
OPTION REGBUF,256
INFO @regread(CURUSER,Software\QuillanTest,Text,too long)
OPTION FILENAME,short
OPTION SKD,5
OPTION PRIO,idle
OPTION PRIORITY,NORMAL
INFO @ok()
OPTION REGBUF
INFO never shown
