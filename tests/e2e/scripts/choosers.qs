REM FILEDLG and DIRDLG belong to the dialog; unattended, the answer file
REM chooses (TEXT path) or cancels, and each chooser is a transcript line.
DIALOG CREATE,Files,10,10,200,100,BUTTON(OK)
%F = @filedlg(*.txt,Open a text)
INFO file [%F] ok [@ok()]
%F = @filedlg()
INFO cancelled [%F] ok [@ok()]
%D = @dirdlg()
INFO folder [%D] ok [@ok()]
%F = @filedlg(Texts|*.txt;*.log|All files|*.*,Pick one)
INFO pairs [%F] ok [@ok()]
%D = @dirdlg(Where to?)
INFO nothing left to answer [%D] ok [@ok()]
DIALOG CLOSE
%F = @filedlg()
INFO never shown
