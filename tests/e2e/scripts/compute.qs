REM Loops, subroutines and functions: results shown with INFO.
%I = 0
%S = 0
REPEAT
%I = @succ(%I)
%S = @sum(%S,%I)
UNTIL @equal(%I,100)
INFO Sum of 1 to 100 = %S
%N = 5
%F = 1
GOSUB factorial
INFO 5! = %F
INFO @upper(abc)-@substr(hello,2,3)-@len(hello)-@pos(l,hello)
INFO @fdiv(1,3) @fmul(2.5,4) @div(17,5) @diff(3,10)
INFO @format(1,.31) [@format(1,.1075)][@ok()]
IF @greater(%S,5000)
  INFO big
ELSE
  INFO small
END
%A = @sum($10,1)
IF @equal(%A,17)
  INFO hex works
END
GOTO done
INFO never shown
:factorial
REPEAT
  %F = @prod(%F,%N)
  %N = @pred(%N)
UNTIL @equal(%N,0)
EXIT
:done
INFO done with @ok()
