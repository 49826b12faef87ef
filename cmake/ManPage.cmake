# Builds one man page: cmake -DSCDOC=... -DSOURCE=x.1.scd -DOUTPUT=x.1.gz -P ManPage.cmake
# scdoc reads standard input, and gzip -n keeps the build's time out of the
# file, so the same source gives the same bytes.
get_filename_component(page ${OUTPUT} NAME_WLE)
get_filename_component(dir ${OUTPUT} DIRECTORY)
execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${dir}/${page} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "scdoc cannot read ${SOURCE}")
endif()
execute_process(COMMAND gzip -n -9 -c ${dir}/${page} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${dir}/${page}")
endif()
