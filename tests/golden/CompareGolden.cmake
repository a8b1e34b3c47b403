# Runs a golden key script in a fresh folder, so that the files it keeps (a tape store, saved
# tapes) start anew; SCRIPTS (or SCRIPT) may name further scripts, separated by "|", that run after
# it in the same folder, as a second start of the program would. The data files beside the scripts
# (*.txt) are copied into the folder, so that a script names them alone and runs wherever the
# build folder is. The `expect` lines are checked by the harness; when NAME.expected exists the
# whole output must equal it as well. A failure leaves NAME.actual (the output and the harness's
# message) and NAME.diff in the build folder. LAUNCHER, when given, runs the harness (wine64 for
# the Windows build).
set(workdir ${ACTUAL}.files)
file(REMOVE_RECURSE ${workdir})
file(MAKE_DIRECTORY ${workdir})
if(NOT SCRIPTS)
  set(SCRIPTS ${SCRIPT})
endif()
string(REPLACE "|" ";" scripts "${SCRIPTS}")
list(GET scripts 0 first_script)
get_filename_component(script_folder ${first_script} DIRECTORY)
file(GLOB data_files ${script_folder}/*.txt)
if(data_files)
  file(COPY ${data_files} DESTINATION ${workdir})
endif()
set(actual "")
foreach(script ${scripts})
  set(SCRIPT ${script})
  execute_process(
    COMMAND ${LAUNCHER} ${HARNESS} ${script}
    WORKING_DIRECTORY ${workdir}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
  string(APPEND actual "${output}")
  if(NOT status EQUAL 0)
    break()
  endif()
endforeach()
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
