REM The bundled example: greets whoever started it.
TITLE Quillan example
INFO Hello %1!@CR()@CR()"This box comes from examples/hello.qs, compiled by quillanc into a program."
WARN "Scripts are plain text: change examples/hello.qs, compile it again and run it again."
