# Runs tarnby-cli import and compares its stdout and status with what is expected.
# -DCLI=<tarnby-cli> -DHOME=<program folder> -DFOLDER=<workbooks> -DEXPECTED=<file> -DSTATUS=<n>
# -DMAKE_EMPTY_FOLDER=ON first makes FOLDER an empty folder; -DEXPECTED_TEXT=<text>
# stands in for the expected file.
if(MAKE_EMPTY_FOLDER)
  file(REMOVE_RECURSE ${FOLDER})
  file(MAKE_DIRECTORY ${FOLDER})
endif()
execute_process(
  COMMAND ${CLI} import --home ${HOME} ${FOLDER}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "status ${status}, expected ${STATUS}; stderr: ${err}")
endif()
if(DEFINED EXPECTED_TEXT)
  set(expected "${EXPECTED_TEXT}")
else()
  file(READ ${EXPECTED} expected)
endif()
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "stdout differs.\n--- got:\n${out}\n--- expected:\n${expected}")
endif()
if(DEFINED STDERR_MATCH AND NOT err MATCHES "${STDERR_MATCH}")
  message(FATAL_ERROR "stderr does not match ${STDERR_MATCH}: ${err}")
endif()
