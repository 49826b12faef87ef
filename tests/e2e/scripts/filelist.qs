REM LIST FILELIST on a tree the script makes; a sorted list keeps the transcript independent of the directory order.
DIRECTORY CREATE,tree\a\deep
DIRECTORY CREATE,tree/b.d
DIRECTORY CREATE,tree\.hidden
INIFILE OPEN,./tree/one.ini
INIFILE WRITE,S,K,1
INIFILE OPEN,./tree/a/two.ini
INIFILE WRITE,S,K,2
LIST 1,CREATE,SORTED
LIST 1,FILELIST,tree,D*
INFO D*: @count(1) @next(1) @next(1) @next(1)
LIST 1,CLEAR
LIST 1,FILELIST,tree
INFO files: @count(1) @next(1)
LIST 1,CLEAR
LIST 1,FILELIST,tree\*.INI,FZ
INFO mask: @next(1)
LIST 1,FILELIST,nowhere
INFO nowhere: @count(1)
LIST 1,FILELIST
