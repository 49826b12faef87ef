REM Waiting for a click that no user action gives: the run ends as stuck.
DIALOG CREATE,Stuck,10,10,200,100,BUTTON(Go)
WAIT EVENT
INFO never shown
