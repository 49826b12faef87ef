REM A whole order form, filled in by the user actions beside it.
TITLE Order
DIALOG CREATE,Place an order,-1,0,320,260,-
  TEXT(L1;12;10;;;Name:),EDIT(Name;10;80;;;Alice),-
  TEXT(L2;42;10;;;Size:),COMBO(Size;40;80;;;Medium;SORTED),-
  LIST(Extras;70;80;120;60;SORTED),-
  RADIO(Pay;70;210;90;;Pay by;Cash|Card|Cheque;card),-
  CHECK(Gift;140;10;;;Gift wrap),STATUS(Hint;Fill in the form),-
  BUTTON(OK;190;10;;;&Order),BUTTON(Cancel;190;80)
DIALOG SET,Extras,Sauce
DIALOG SET,Extras,Napkins
DIALOG SET,Extras,Bread
:loop
WAIT EVENT
%E = @event()
GOTO %E
:CLOSE
INFO "Use the buttons, please."
GOTO loop
:CANCELBUTTON
INFO Cancelled.
EXIT
:OKBUTTON
IF @not(@dlgtext(Name))
  INFO A name is needed.
  GOTO loop
END
INFO @dlgtext(Name) orders @dlgtext(Size) with @dlgtext(Extras)", paying by "@dlgtext(Pay); gift: "["@dlgtext(Gift)"]"
DIALOG CLEARSEL,Extras
DIALOG SET,Hint,Thank you
DIALOG CLOSE
INFO Closed: @event()
