REM Messages and assignments
%A = Hello
%B = "a, b"
INFO %A, world
INFO %A", world"
INFO "%A is not expanded in quotes"
WARN [%B]
TITLE Mine
INFO tab	here
