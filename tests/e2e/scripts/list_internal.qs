REM The four internal lists: creating, filling, walking, searching, editing.
LIST 1,CREATE
INFO new: count [@count(1)] index [@index(1)] item [@item(1)] ok [@ok()]
LIST 1,ADD,apple
LIST 1,ADD,banana
LIST 1,ADD,cherry
INFO walk: [@next(1)] [@next(1)] [@next(1)] [@next(1)] ok [@ok()] index [@index(1)]
LIST 1,SEEK,0
INFO match AN: [@match(1,AN)] on [@item(1)] index [@index(1)]
INFO match xyz: [@match(1,xyz)] index [@index(1)]
LIST 1,SEEK,1
LIST 1,PUT,blueberry
LIST 1,INSERT,apricot
INFO put and insert: current [@item(1)] count [@count(1)]
LIST 1,SEEK,3
LIST 1,DELETE
INFO delete the last: index [@index(1)] item [@item(1)] count [@count(1)]
REM Sorted lists ignore case and keep no duplicates.
LIST 2,CREATE,SORTED
LIST 2,ADD,b
LIST 2,ADD,a
LIST 2,ADD,B
LIST 2,ADD,Cheese
LIST 2,INSERT,aardvark
INFO sorted: count [@count(2)] [@next(2)] [@next(2)] [@next(2)] [@next(2)]
LIST 3,CREATE
LIST 3,ASSIGN,2
INFO assign: count [@count(3)] index [@index(3)] first [@item(3)]
LIST 3,CLEAR
INFO clear: count [@count(3)] index [@index(3)]
LIST 3,CLOSE
LIST 3,CREATE,sorted
LIST 3,ADD,again
INFO close and create again: count [@count(3)]
LIST 4,CREATE
LIST 4,PUT,only
INFO put on an empty list adds: [@item(4)] count [@count(4)]
