# Proves that folder-order.cmake judges the file an include reaches, however
# it is spelt: a small tree passes, then fails once for each wrong include
# planted in it, naming the file, the line, the include and the rule.
#   cmake -DWORK_DIR=<scratch folder> -P cmake/folder-order-loopholes.cmake
cmake_minimum_required(VERSION 3.25)

set(tree "${WORK_DIR}/folder-order-tree")
set(roots "-DROOTS=${tree}|${tree}/module")
set(engine_only "engine/ includes only from engine/, interfaces/, objectmodel/")
# Each case: the include planted in an engine file, then the rule it breaks.
set(cases
  "<module/catalogue/Catalogue.h>|${engine_only}"
  "\"module/catalogue/Catalogue.h\"|${engine_only}"
  "\"engine/../catalogue/Catalogue.h\"|${engine_only}"
  "\"../../../outside.h\"|climbs out of the include roots")

# Plants `text` from the sixth line of an engine file on; the check must
# refuse `include` with `rule` at each line number that follows, and nothing
# else. `arguments` are the check's own, besides SOURCE_DIR.
function(check arguments text include rule)
  file(REMOVE_RECURSE "${tree}")
  file(WRITE "${tree}/objectmodel/Objects.h" "#include <vector>\n")
  file(WRITE "${tree}/module/catalogue/Catalogue.h" "#include \"engine/Rule.h\"\n")
  file(WRITE "${tree}/module/engine/Rule.h" "#include \"objectmodel/Objects.h\"\n")
  # What the order allows, spelt every way it may be.
  file(WRITE "${tree}/module/engine/Rule.cpp"
    "#include \"engine/Rule.h\"\n#include <module/engine/Rule.h>\n#include \"../engine/./Rule.h\"\n"
    "#include <objectmodel/../objectmodel/Objects.h>\n#include <vector>\n${text}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} ${arguments}
                          -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/folder-order.cmake
                  RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
  list(LENGTH ARGN count)
  if(count EQUAL 0 AND failed)
    message(NOTICE "the tree that follows the order fails:\n${output}")
    set(wrong TRUE PARENT_SCOPE)
  elseif(count GREATER 0 AND NOT output MATCHES " ${count} include\\(s\\) break the folder order")
    message(NOTICE "'${include}' is not refused ${count} time(s):\n${output}")
    set(wrong TRUE PARENT_SCOPE)
  endif()
  foreach(number IN LISTS ARGN)
    set(message "module/engine/Rule.cpp:${number}: ${include}: ${rule}")
    string(FIND "${output}" "${message}" at)
    if(at LESS 0)
      message(NOTICE "'${include}' is not refused with '${message}':\n${output}")
      set(wrong TRUE PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

check("${roots}" "" "" "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 include)
  list(GET case 1 rule)
  check("${roots}" "#include ${include}" "#include ${include}" "${rule}" 6)
endforeach()
# A wrong include written twice is told at each of its lines, however the
# lines between read.
set(include "#include <module/catalogue/Catalogue.h>")
check("${roots}" "${include}\n\nint table[] = {1, 2}; // [ \\ ;\n${include}" "${include}" "${engine_only}" 6 9)
# Roots in the Windows-1252 copies, which lie outside the tree, stand for
# the sources they copy: <vector> stays a system header.
check("-DROOTS=${WORK_DIR}/copies|${WORK_DIR}/copies/module|${tree}|${tree}/module;-DCOPIES=${WORK_DIR}/copies"
      "${include}" "${include}" "${engine_only}" 6)
# No roots, no check.
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CMAKE_CURRENT_LIST_DIR}/folder-order.cmake
                RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT failed OR NOT output MATCHES "ROOTS must be the module's include roots")
  message(NOTICE "the check runs without include roots:\n${output}")
  set(wrong TRUE)
endif()
file(REMOVE_RECURSE "${tree}")
if(wrong)
  message(FATAL_ERROR "the folder-order check lets an include through or refuses a good one")
endif()
message(STATUS "every spelling of a wrong include is refused")
