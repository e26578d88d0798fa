# Runs the host tool of this build and that of a reference build with the
# same arguments; fails when their exit status or a byte of their output or
# of their error output differs. Called with -DTOOL=<command, a list> -DREFERENCE=<tool>
# -DARGUMENTS=<list> -DOUTPUT=<file name stem>.
string(REPLACE ";" " " shown "${ARGUMENTS}")
message("ddhost ${shown}")
if(NOT EXISTS "${REFERENCE}")
  message("no reference build: ${REFERENCE}")
  return()
endif()
execute_process(COMMAND ${TOOL} ${ARGUMENTS} OUTPUT_FILE ${OUTPUT}.out ERROR_FILE ${OUTPUT}.err
                RESULT_VARIABLE our_status)
execute_process(COMMAND ${REFERENCE} ${ARGUMENTS} OUTPUT_FILE ${OUTPUT}.reference.out
                ERROR_FILE ${OUTPUT}.reference.err RESULT_VARIABLE their_status)
if(NOT our_status EQUAL their_status)
  message(FATAL_ERROR "exit status ${our_status}, the reference's ${their_status}")
endif()
foreach(stream out err)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT}.${stream} ${OUTPUT}.reference.${stream}
                  RESULT_VARIABLE differ)
  if(differ)
    execute_process(COMMAND diff ${OUTPUT}.reference.${stream} ${OUTPUT}.${stream} OUTPUT_VARIABLE difference)
    string(SUBSTRING "${difference}" 0 2000 difference)
    message(FATAL_ERROR "the ${stream} outputs differ (< reference, > here):\n${difference}")
  endif()
  file(SIZE ${OUTPUT}.${stream} size)
  message("${stream}: identical, ${size} bytes")
endforeach()
