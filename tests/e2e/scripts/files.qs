REM FILE and DIRECTORY on files the script makes itself, in its scratch directory.
INIFILE OPEN,./one.ini
INIFILE WRITE,S,K,first
DIRECTORY CREATE,work\deep/deeper
INFO create three levels: @ok()
DIRECTORY CREATE,work
INFO create existing: [@ok()]
FILE COPY,one.ini,work\two.ini
INFO copy: @ok() @file(work\*.INI)
INIFILE WRITE,S,K,second
FILE COPY,one.ini,work/two.ini,WarnOverwrite
INIFILE OPEN,work/two.ini
INFO warnoverwrite: [@ok()] @iniread(S,K)
FILE COPY,one.ini,work/two.ini
INFO replace: @ok() @iniread(S,K)
FILE COPY,nothing.ini,work/two.ini
INFO copy missing: [@ok()]
FILE RENAME,work\two.ini,work\deep\three.ini
INFO rename: @ok() [@file(work\two.ini)] @file(work\deep\t*)
FILE COPY,one.ini,work\two.ini
FILE RENAME,work\two.ini,work\deep\three.ini
INFO rename onto existing: [@ok()] @file(work\two.ini)
FILE SETDATE,one.ini,@datetime(ddddd,709033984),10:20:31
INFO setdate: @ok() @datetime(yyyy-mm-dd hh:nn:ss,@file(one.ini,T))
FILE SETDATE,one.ini,,7:08
INFO settime: @ok() @datetime(yyyy-mm-dd hh:nn:ss,@file(one.ini,T))
FILE SETDATE,nothing.ini,,7:08
INFO setdate missing: [@ok()]
FILE SETATTR,one.ini,+R
INFO read-only: @ok() @file(one.ini,R)
FILE DELETE,one.ini
INFO delete read-only: [@ok()] @file(one.ini)
FILE SETDATE,one.ini,,7:08
INFO setdate read-only: [@ok()]
FILE SETATTR,one.ini,-R
INFO writable: @ok() [@file(one.ini,R)]
FILE SETATTR,nothing.ini,-R
INFO setattr missing: [@ok()]
FILE DELETE,one.ini
INFO delete: @ok() [@file(one.ini)]
FILE DELETE,work
INFO delete directory as file: [@ok()]
DIRECTORY DELETE,work\deep
INFO delete full directory: [@ok()]
DIRECTORY DELETE,work\deep\deeper
INFO delete empty directory: @ok() [@file(work\deep\deeper,D)]
DIRECTORY CHANGE,work\deep
INFO change: @ok() @name(@curdir()) @file(*.ini)
DIRECTORY CHANGE,nowhere
INFO change missing: [@ok()] @name(@curdir())
