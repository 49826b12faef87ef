REM CLIPBOARD and the clipboard half of LIST: COPY joins the items with
REM CR LF, PASTE splits at CR (with an LF after it) and never at LF alone.
%C = @chr(13)
%L = @chr(10)
LIST 1,CREATE
CLIPBOARD SET,one%C%Ltwo%C%L
LIST 1,PASTE
INFO CR LF: count [@count(1)] [@next(1)] [@next(1)]
CLIPBOARD SET,one%Ctwo%Lstill two%C%C%Lfour
LIST 1,PASTE
INFO CR and LF alone: count [@count(1)] [@next(1)] [@next(1)] [@next(1)] [@next(1)]
CLIPBOARD CLEAR
LIST 1,PASTE
INFO empty clipboard: count [@count(1)] [@item(1)]
LIST 2,CREATE
LIST 2,ADD,x
LIST 2,ADD,y
LIST 2,SEEK,1
LIST 2,COPY
CLIPBOARD APPEND,z
LIST 1,PASTE
INFO copy then append: index [@index(2)] count [@count(1)] [@next(1)] [@next(1)] [@next(1)]
LIST 3,CREATE
LIST 3,COPY
CLIPBOARD APPEND,only
LIST 1,PASTE
INFO empty copy then append: count [@count(1)] [@item(1)]
CLIPBOARD SET
CLIPBOARD APPEND,alone
LIST 1,PASTE
INFO set empty then append: count [@count(1)] [@item(1)]
