REM The file functions on a tree the script makes: a.ini and b.ini, a directory, a hidden file.
INIFILE OPEN,./a.ini
INIFILE WRITE,S,K,1
INIFILE OPEN,./sub.d/b.ini
DIRECTORY CREATE,sub.d
INIFILE WRITE,S,K,2
INIFILE OPEN,./.hidden.ini
INIFILE WRITE,S,K,3
INFO @path(C:\A\B.TXT) @path(/usr/lib/x.so) [@path(plain)]
INFO @name(C:\A\readme.txt.bak) @ext(C:\A\file.html) [@ext(/a.b/c)]
INFO @shortname(sub.d\b.ini) [@shortname(sub.d\none.ini)]
INFO @file(A.INI) @file(sub.d\*.ini,FZ) @file(.\a.*)
INFO [@file(*.ini,D)] @file(sub*,D) @file(*.ini,H) [@file(sub.d\nothing)]
%V = @volinfo(,FSN)
INFO volinfo: @ok()
INFO verinfo: @verinfo(nothing.exe) @verinfo(a.ini,T) [@verinfo(a.ini,CV)]
%V = @verinfo(a.ini,W)
