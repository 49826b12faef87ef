REM The boxes that ask the user, answered from the answer file: the
REM survey runs twice, and each pass branches on what was answered.
TITLE Survey
INFO Welcome
%I = 0
REPEAT
  %I = @succ(%I)
  IF @ask(Pass %I: do you like tea?)
    INFO Tea it is
  ELSE
    WARN No tea
  END
  IF @not(@query(Shall we go on?))
    WARN Stopped
    GOTO NEXT
  END
  %N = @input(Your name?,Nobody)
  IF @ok()
    INFO Hello %N
  ELSE
    INFO Cancelled, still %N
  END
  %C = @input(Your city?,Paris)
  IF @equal(%C,Paris)
    INFO Default city kept
  ELSE
    INFO City: %C
  END
:NEXT
UNTIL @equal(%I,2)
%D = @input(Last words?,"bye, all")
INFO [%D][@ok()]
