REM ENV, CURDIR and WINDIR. The test runs with the current directory D and HOME=D/home.
INFO @equal(@curdir()/home,@env(HOME))|@equal(@curdir(C),@curdir())
INFO @equal(@windir(),@env(HOME)/.config/quillan)|@equal(@windir(W),@windir())
INFO @equal(@windir(S),@env(HOME)/.local/bin)
INFO [@env(QUILLAN_NO_SUCH_VARIABLE)]
