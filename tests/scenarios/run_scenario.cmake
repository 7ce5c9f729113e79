# Runs one scenario through joyvane-sim and compares what it prints.
#   -DSIM=path -DSCENARIO=file.scn -DEXPECTED=file.out        must exit 0, stdout equal, no stderr
#   -DSIM=path -DSCENARIO=file.scn -DEXPECTED_ERROR=file.err  must exit 2, stdout empty, stderr equal
#   -DSTDIN=ON                                                feed the scenario on standard input
#   -DACTUAL=path                                             where to keep the output for a diff
#   -DSETTINGS=path -DSETTINGS_BEFORE=file -DSETTINGS_AFTER=file
#        run with --settings path, path starting as a copy of SETTINGS_BEFORE and ending equal to
#        SETTINGS_AFTER
set(options)
if(DEFINED SETTINGS)
  configure_file(${SETTINGS_BEFORE} ${SETTINGS} COPYONLY)
  set(options --settings ${SETTINGS})
endif()
if(STDIN)
  execute_process(COMMAND ${SIM} INPUT_FILE ${SCENARIO}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
else()
  execute_process(COMMAND ${SIM} ${options} ${SCENARIO}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
endif()

if(DEFINED EXPECTED_ERROR)
  file(READ ${EXPECTED_ERROR} want)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "exit status ${rc}, expected 2\nstderr: ${err}")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "standard output should be empty, got:\n${out}")
  endif()
  if(NOT err STREQUAL want)
    message(FATAL_ERROR "standard error differs\nexpected: ${want}got:      ${err}")
  endif()
  return()
endif()

if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit status ${rc}, expected 0\nstderr: ${err}")
endif()
if(NOT err STREQUAL "")
  message(FATAL_ERROR "unexpected standard error: ${err}")
endif()
file(READ ${EXPECTED} want)
if(NOT out STREQUAL want)
  if(ACTUAL)
    file(WRITE ${ACTUAL} "${out}")
    execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  endif()
  message(FATAL_ERROR "output differs from ${EXPECTED}")
endif()
if(DEFINED SETTINGS)
  file(READ ${SETTINGS} written)
  file(READ ${SETTINGS_AFTER} want_written)
  if(NOT written STREQUAL want_written)
    message(FATAL_ERROR "${SETTINGS} differs from ${SETTINGS_AFTER}:\n${written}")
  endif()
endif()
