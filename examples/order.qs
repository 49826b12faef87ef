REM The bundled dialog example: an order form with an edit, a combo box,
REM a list, a radio group, a check box and buttons. Compile and run it:
REM   quillanc examples/order.qs && ./examples/order.exe
TITLE Sandwich bar
DIALOG CREATE,Sandwich bar,-1,0,330,280,-
  STYLE(HEAD;Arial;11;B;;DKBLUE),-
  TEXT(Head;8;10;;;Build your sandwich;HEAD),-
  TEXT(L1;40;10;;;Name:),EDIT(Name;38;80;120),-
  TEXT(L2;68;10;;;Bread:),COMBO(Bread;66;80;120;;White),-
  TEXT(L3;98;10;;;Fillings:),LIST(Fillings;96;80;120;90;SORTED),-
  RADIO(Size;36;210;100;;Size;Small|Regular|Large;Regular),-
  CHECK(Toast;196;80;;;Toasted),-
  BUTTON(OK;226;80;;;&Order),BUTTON(Cancel;226;154),-
  STATUS(Hint;Pick a filling and press Order),-
  POPUP(Clear the form|About)
DIALOG SET,Fillings,Cheese
DIALOG SET,Fillings,Ham
DIALOG SET,Fillings,Tomato
DIALOG SET,Fillings,Hummus
DIALOG FOCUS,Name
:wait
WAIT EVENT
%E = @event()
GOTO %E
:CLOSE
IF @ask(Leave without ordering?)
  EXIT
END
GOTO wait
:CLEAR THE FORMMENU
DIALOG CLEAR,Name
DIALOG CLEAR,Toast
DIALOG SET,Hint,Cleared
GOTO wait
:ABOUTMENU
INFO "A Quillan example: every element of the form is read with @dlgtext."
GOTO wait
:CANCELBUTTON
EXIT
:OKBUTTON
IF @not(@dlgtext(Name))
  DIALOG SET,Hint,Who is it for?
  DIALOG FOCUS,Name
  GOTO wait
END
IF @not(@dlgtext(Fillings))
  DIALOG SET,Hint,Choose a filling first
  GOTO wait
END
%T = ""
IF @dlgtext(Toast)
  %T = ", toasted"
END
INFO @dlgtext(Size) @dlgtext(Fillings) on @dlgtext(Bread) for @dlgtext(Name)%T.
EXIT
