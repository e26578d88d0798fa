# Proves that folder-order.cmake judges the file an include reaches, however
# it is spelt: a small tree passes, then fails once for each wrong include
# planted in it, naming the file, the line, the include and the rule.
#   cmake -DWORK_DIR=<scratch folder> -P cmake/folder-order-loopholes.cmake
cmake_minimum_required(VERSION 3.25)

set(tree "${WORK_DIR}/folder-order-tree")
set(engine_only "engine/ includes only from engine/, interfaces/, objectmodel/")
# Each case: the include planted in an engine file, then the rule it breaks.
set(cases
  "<module/catalogue/Catalogue.h>|${engine_only}"
  "\"module/catalogue/Catalogue.h\"|${engine_only}"
  "\"engine/../catalogue/Catalogue.h\"|${engine_only}"
  "\"../../../outside.h\"|climbs out of the include roots")

function(check planted expected)
  file(REMOVE_RECURSE "${tree}")
  file(WRITE "${tree}/objectmodel/Objects.h" "#include <vector>\n")
  file(WRITE "${tree}/module/catalogue/Catalogue.h" "#include \"engine/Rule.h\"\n")
  file(WRITE "${tree}/module/engine/Rule.h" "#include \"objectmodel/Objects.h\"\n")
  # What the order allows, spelt every way it may be; the sixth line is planted.
  file(WRITE "${tree}/module/engine/Rule.cpp"
    "#include \"engine/Rule.h\"\n#include <module/engine/Rule.h>\n#include \"../engine/./Rule.h\"\n"
    "#include <objectmodel/../objectmodel/Objects.h>\n#include <vector>\n${planted}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/folder-order.cmake
                  RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(message "module/engine/Rule.cpp:6: ${planted}: ${expected}")
  string(FIND "${output}" "${message}" at)
  if(expected STREQUAL "" AND failed)
    message(NOTICE "the tree that follows the order fails:\n${output}")
    set(wrong TRUE PARENT_SCOPE)
  elseif(NOT expected STREQUAL "" AND (NOT failed OR at LESS 0))
    message(NOTICE "'${planted}' is not refused with '${message}':\n${output}")
    set(wrong TRUE PARENT_SCOPE)
  endif()
endfunction()

check("" "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 include)
  list(GET case 1 rule)
  check("#include ${include}" "${rule}")
endforeach()
file(REMOVE_RECURSE "${tree}")
if(wrong)
  message(FATAL_ERROR "the folder-order check lets an include through or refuses a good one")
endif()
message(STATUS "every spelling of a wrong include is refused")
