REM A copy without a target is run-time error 2, and nothing is copied.
FILE COPY,%0
INFO never shown
