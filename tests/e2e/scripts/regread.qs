REM REGREAD gives every type as text, and its default when the value is missing.
INFO @regread(CURUSER,Software\QuillanTest,Text)|@regread(CURUSER,Software\QuillanTest,Count)|@regread(CURUSER,Software\QuillanTest,Blob)
INFO other type: [@regread(CURUSER,Software\QuillanTest,Path,dflt)] @ok()
INFO missing: @regread(CURUSER,Software\QuillanTest,Nothing,dflt) [@ok()]
INFO missing key: @regread(CURUSER,Software\NoSuchKey,Text,dflt) [@ok()]
INFO DEFAULT: @regread(DEFAULT,MyScript,Count,0)
REM A value larger than REGBUF gives the default.
OPTION REGBUF,5
INFO REGBUF 5: @regread(CURUSER,Software\QuillanTest,Text,too long)
OPTION REGBUF,6
INFO REGBUF 6: @regread(CURUSER,Software\QuillanTest,Text,too long)
REM An unknown root is run-time error 13.
%Z = @regread(OOT,Software\QuillanTest,Text)
