# Runs one golden key script and compares its output with the expected file. The script runs in
# a fresh empty folder, so that the files it keeps (a tape store, saved tapes) start anew.
set(workdir ${ACTUAL}.files)
file(REMOVE_RECURSE ${workdir})
file(MAKE_DIRECTORY ${workdir})
execute_process(
  COMMAND ${HARNESS} ${SCRIPT}
  WORKING_DIRECTORY ${workdir}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT EXISTS ${EXPECTED})
  file(WRITE ${ACTUAL} "${actual}")
  message(FATAL_ERROR "no expected output ${EXPECTED}; the output is in ${ACTUAL}")
endif()
file(READ ${EXPECTED} expected)
set(diff_file ${ACTUAL})
string(REGEX REPLACE "\\.actual$" ".diff" diff_file ${ACTUAL})
if(NOT status EQUAL 0)
  file(WRITE ${ACTUAL} "${actual}")
  message(FATAL_ERROR "reckora-script exited with ${status}: ${errors}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${ACTUAL} "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL} OUTPUT_VARIABLE diff_text)
  file(WRITE ${diff_file} "${diff_text}")
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${diff_text}")
endif()
file(REMOVE ${ACTUAL} ${diff_file})
file(REMOVE_RECURSE ${workdir})
