# The fuzz targets: name, then the libraries the target links. Shared by the
# libFuzzer build (fuzz/CMakeLists.txt) and the corpus replay tests
# (tests/fuzz/CMakeLists.txt).
set(QUILLAN_FUZZ_TARGETS loader line ini peicon regfile listtext window_text progman verinfo check)
set(QUILLAN_FUZZ_LIBS_loader quillan_core)
set(QUILLAN_FUZZ_LIBS_line quillan_commands quillan_fakes)
set(QUILLAN_FUZZ_LIBS_ini quillan_ini)
set(QUILLAN_FUZZ_LIBS_peicon quillan_peicon)
set(QUILLAN_FUZZ_LIBS_regfile quillan_regfile quillan_fakes)
set(QUILLAN_FUZZ_LIBS_listtext quillan_commands)
set(QUILLAN_FUZZ_LIBS_window_text quillan_window_text)
set(QUILLAN_FUZZ_LIBS_progman quillan_progman)
set(QUILLAN_FUZZ_LIBS_verinfo quillan_peicon)
set(QUILLAN_FUZZ_LIBS_check quillan_checker quillan_compiler)
