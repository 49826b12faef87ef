REM Without INIFILE OPEN the values go to the default INI file, in sections of this script.
INIFILE WRITE,,Colour,blue
INIFILE WRITE,Paths,Empty
INFO @iniread(,Colour,none)|@iniread(Default,colour)|[@iniread(Paths,Empty,none)]|@iniread(Paths,Missing,dflt)
REM The same file opened by its full name: the sections carry the prefix.
INIFILE OPEN,@windir()/QN16.INI
INFO @iniread(Program\inifile\Default,Colour,none)|@iniread(Default,Colour,none)
INIFILE WRITE,,Colour,green
INFO @iniread(,Colour)|@iniread(Program\inifile\Default,Colour,none)
REM A bare name is a file in the directory WINDIR gives.
INIFILE OPEN,other.ini
INIFILE WRITE,Sizes,Width,640
INIFILE OPEN,@windir()/other.ini
INFO @iniread(Sizes,Width,none)
REM A name with a directory is used as written, relative to the current directory.
INIFILE OPEN,./here.ini
INIFILE WRITE,,Key,here
INIFILE OPEN,@curdir()/here.ini
INFO @iniread(,Key,none)
%Z = @iniread(,,x)
