REM The dialog's list and combo boxes are lists too: their position is the
REM visible selection, which @dlgtext reads.
DIALOG CREATE,Lists,10,10,300,200,LIST(Names;10;10;120;120),COMBO(Pick;10;150;120;;),BUTTON(OK;150;10)
LIST Names,ADD,Carol
LIST names,ADD,Alice
LIST NAMES,ADD,Bob
INFO added: count [@count(Names)] index [@index(Names)] selected [@dlgtext(Names)]
LIST Names,SEEK,1
INFO seek 1: index [@index(Names)] selected [@dlgtext(Names)]
INFO next: [@next(Names)] now selected [@dlgtext(Names)] index [@index(Names)]
INFO next: [@next(Names)] index [@index(Names)] selected [@dlgtext(Names)]
INFO match ALI: [@match(Names,ALI)] selected [@dlgtext(Names)]
LIST Names,PUT,Alicia
LIST Names,INSERT,Zoe
INFO put and insert: count [@count(Names)] selected [@dlgtext(Names)] index [@index(Names)]
LIST Names,DELETE
INFO delete: count [@count(Names)] selected [@dlgtext(Names)] index [@index(Names)]
LIST Pick,ASSIGN,Names
INFO assign: count [@count(Pick)] index [@index(Pick)] field [@dlgtext(Pick)]
LIST 1,CREATE,SORTED
LIST 1,ASSIGN,Pick
INFO into a sorted list: [@next(1)] [@next(1)] [@next(1)]
LIST Names,CLOSE
LIST Names,CLEAR
INFO close does nothing; clear empties: count [@count(Names)] index [@index(Names)] selected [@dlgtext(Names)]
DIALOG CLOSE
