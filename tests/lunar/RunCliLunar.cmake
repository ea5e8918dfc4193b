# Runs `tarnby-cli lunar` on dates from a file and compares what it prints.
# -DCLI=<tarnby-cli> -DDATA=<folder of the date lists>

function(run_lunar input)
  execute_process(COMMAND ${CLI} lunar ${ARGN}
                  INPUT_FILE ${input}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(rc "${rc}" PARENT_SCOPE)
endfunction()

run_lunar(${DATA}/dates_across_the_range.txt --value 2013-02-20)
file(READ ${DATA}/dates_across_the_range.tsv expected)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "dates across the range: status ${rc}, stderr ${err}")
endif()
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "dates across the range printed\n${out}\ninstead of\n${expected}")
endif()

# The lines before a line that is no date are printed; then the usage status.
run_lunar(${DATA}/line_that_is_no_date.txt --value 2013-02-20)
if(NOT rc EQUAL 2 OR err STREQUAL "" OR NOT out MATCHES "^2013-02-20\t[^\n]*\n$")
  message(FATAL_ERROR "line that is no date: status ${rc}, stdout ${out}, stderr ${err}")
endif()

foreach(args "--value;2013-02-30" "--value" "--home;/tmp")
  run_lunar(${DATA}/dates_across_the_range.txt ${args})
  if(NOT rc EQUAL 2 OR err STREQUAL "" OR NOT out STREQUAL "")
    message(FATAL_ERROR "arguments '${args}': status ${rc}, stdout ${out}, stderr ${err}")
  endif()
endforeach()
