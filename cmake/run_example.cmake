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

# The header, then the days the example grid files cover (every other day of
# 1950-2004 shows the missing markers).
file(STRINGS ${RUN_DIR}/timeseries.txt header LIMIT_COUNT 9)
file(STRINGS ${RUN_DIR}/timeseries.txt covered REGEX "^ (2004 12|2005)")
list(JOIN header "\n" header_text)
list(JOIN covered "\n" covered_text)
message(STATUS "The series is in ${RUN_DIR}/timeseries.txt. Its header and the days with data:\n${header_text}\n${covered_text}")

# The plot of the example series, when gnuplot is at hand.
find_program(GNUPLOT gnuplot)
if(GNUPLOT)
  execute_process(COMMAND ${EXAMPLES}/../tools/plot-series ${RUN_DIR}/timeseries.txt ${RUN_DIR}/timeseries.png)
else()
  message(STATUS "To plot the series, install gnuplot (apt-get install gnuplot-nox) and run: tools/plot-series ${RUN_DIR}/timeseries.txt")
endif()
