# Runs the program on the bundled example data in RUN_DIR and shows the start of the series.
file(MAKE_DIRECTORY ${RUN_DIR})
foreach(name kavrin4_new.txt niwa_new.txt omi_new.txt)
  if(EXISTS ${EXAMPLES}/${name})
    file(COPY_FILE ${EXAMPLES}/${name} ${RUN_DIR}/${name})
  else()
    file(REMOVE ${RUN_DIR}/${name})
  endif()
endforeach()

file(READ ${EXAMPLES}/site.txt site)
message(STATUS "Running ${PROGRAM} in ${RUN_DIR} with the site: ${site}")
execute_process(COMMAND ${PROGRAM}
                WORKING_DIRECTORY ${RUN_DIR}
                INPUT_FILE ${EXAMPLES}/site.txt
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ozone_series ended with status ${status}")
endif()

file(STRINGS ${RUN_DIR}/timeseries.txt series LIMIT_COUNT 14)
list(JOIN series "\n" excerpt)
message(STATUS "The series is in ${RUN_DIR}/timeseries.txt; it begins:\n${excerpt}")
