REM DIALOG CREATE while a dialog is shown is run-time error 17; the report
REM comes while the first window is still open.
DIALOG CREATE,First,10,10,200,100,BUTTON(Go)
INFO shown
DIALOG CREATE,Second,10,10,200,100
INFO never shown
