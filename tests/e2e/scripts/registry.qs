REM REGISTRY WRITE and DELETE on every root, read back with REGREAD.
REM A new value is a string, even when its text is a number.
REGISTRY WRITE,CURUSER,Software\QuillanTest,Name,42
INFO new: @ok() @regread(CURUSER,Software\QuillanTest,Name,none)
REM Existing values keep their type (the store was seeded with them).
REGISTRY WRITE,CURUSER,Software\QuillanTest,Count,$FF
REGISTRY WRITE,CURUSER,Software\QuillanTest,Blob,1,2,255
INFO kept: @regread(CURUSER,Software\QuillanTest,Count)/@regread(CURUSER,Software\QuillanTest,Blob)
REM More bytes than REGBUF: nothing is written and the flag is cleared.
OPTION REGBUF,2
REGISTRY WRITE,CURUSER,Software\QuillanTest,Blob,7,8,9
OPTION REGBUF,256
INFO too long: [@ok()] @regread(CURUSER,Software\QuillanTest,Blob)
REM An empty value name is the key's default value.
REGISTRY WRITE,CUR,Software\QuillanTest,,the default
INFO default value: @regread(CURUSER,Software\QuillanTest,,none)
REM DEFAULT is the area for scripts under the runtime's settings key.
REGISTRY WRITE,default,Demo,Colour,blue
INFO DEFAULT: @regread(DEFAULT,Demo,Colour)=@regread(CURUSER,Software\Harrowby\Quillan\2.0\UserScripts\Demo,Colour)
REGISTRY WRITE,ROOT,Q,V,root
REGISTRY WRITE,USER,Q,V,users
REGISTRY WRITE,LOCAL,Q,V,local
REGISTRY WRITE,STATS,Q,V,stats
INFO roots: @regread(ROOT,Q,V) @regread(USERS,Q,V) @regread(LOCAL,Q,V) @regread(STATS,Q,V) [@regread(CURUSER,Q,V)]
REM A key that still has subkeys is not deleted.
REGISTRY WRITE,LOCAL,Q\Sub,V,x
REGISTRY DELETE,LOCAL,Q
INFO with subkeys: [@ok()] @regread(LOCAL,Q,V,gone)
REGISTRY DEL,LOCAL,Q\Sub
REGISTRY DELETE,LOCAL,Q
INFO leaves: @ok() @regread(LOCAL,Q,V,gone)
