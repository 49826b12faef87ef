REM An unknown CLIPBOARD operation is run-time error 14.
CLIPBOARD SET,kept
CLIPBOARD COPY,x
INFO never shown
