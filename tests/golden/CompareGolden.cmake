# Runs one golden key script in a fresh folder, so that the files it keeps (a tape store, saved
# tapes) start anew; the data files beside the scripts (*.txt) are copied into it, so that a
# script names them alone and runs wherever the build folder is. Its `expect` lines are checked
# by the harness; when NAME.expected exists the whole output must equal it as well. A failure
# leaves NAME.actual (the output and the harness's message) and NAME.diff in the build folder.
# LAUNCHER, when given, runs the harness (wine64 for the Windows build).
set(workdir ${ACTUAL}.files)
file(REMOVE_RECURSE ${workdir})
file(MAKE_DIRECTORY ${workdir})
get_filename_component(script_folder ${SCRIPT} DIRECTORY)
file(GLOB data_files ${script_folder}/*.txt)
if(data_files)
  file(COPY ${data_files} DESTINATION ${workdir})
endif()
execute_process(
  COMMAND ${LAUNCHER} ${HARNESS} ${SCRIPT}
  WORKING_DIRECTORY ${workdir}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
string(REGEX REPLACE "\\.actual$" ".diff" diff_file ${ACTUAL})
file(REMOVE ${ACTUAL} ${diff_file})
if(NOT status EQUAL 0)
  file(WRITE ${ACTUAL} "${actual}${errors}")
  # "line N: expect FIELD: expected E, actual A" becomes a two-line diff of the field, and the
  # whole state at that line goes into the actual file.
  if(errors MATCHES "line ([0-9]+): expect ([^:]+): expected (.*), actual (.*)\n")
    file(WRITE ${diff_file} "--- ${SCRIPT}:${CMAKE_MATCH_1} ${CMAKE_MATCH_2}\n+++ actual\n"
                            "-${CMAKE_MATCH_3}\n+${CMAKE_MATCH_4}\n")
    math(EXPR before "${CMAKE_MATCH_1} - 1")
    execute_process(
      COMMAND sh -c "{ head -n ${before} \"$1\"; echo dump; } | ${LAUNCHER} \"$2\"" sh ${SCRIPT}
              ${HARNESS}
      WORKING_DIRECTORY ${workdir}
      OUTPUT_VARIABLE state)
    file(APPEND ${ACTUAL} "${state}")
  endif()
  message(FATAL_ERROR "reckora-script exited with ${status}: ${errors}")
endif()
if(EXISTS ${EXPECTED})
  file(READ ${EXPECTED} expected)
  if(NOT actual STREQUAL expected)
    file(WRITE ${ACTUAL} "${actual}")
    execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL} OUTPUT_VARIABLE diff_text)
    file(WRITE ${diff_file} "${diff_text}")
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${diff_text}")
  endif()
endif()
file(REMOVE_RECURSE ${workdir})
