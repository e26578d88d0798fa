# No program or library of the build tree, nor of an installed prefix, has an
# empty entry in its run path: the loader reads one as the current folder, so
# a program started elsewhere would load a library of that folder's. The
# installed prefix, moved, still runs ddhost with the module beside it.
#   cmake -DBUILD_DIR=<build folder> -DREADELF=<readelf> -DWORK_DIR=<scratch folder> -P cmake/run-paths.cmake
cmake_minimum_required(VERSION 3.25)

# Every ELF file under `folder` (CMake's own probes aside): a fault for each
# run path with an empty entry, and with `relocatable`, for each entry that is
# not found through $ORIGIN. `checked` gets the number of run paths read.
function(check_run_paths folder relocatable checked)
  # Programs and libraries are the executable files: tests running meanwhile
  # make and remove other files in the tree, which a full listing would trip on.
  execute_process(COMMAND find "${folder}" -name CMakeFiles -prune -o -type f -perm -u+x -print
                  OUTPUT_VARIABLE files)
  string(REPLACE "\n" ";" files "${files}")
  set(count 0)
  foreach(file IN LISTS files)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "7f454c46")
      continue()
    endif()
    execute_process(COMMAND ${READELF} -d "${file}" RESULT_VARIABLE failed OUTPUT_VARIABLE dynamic
                    ERROR_VARIABLE why)
    if(failed AND EXISTS "${file}")
      message(SEND_ERROR "cannot read ${file}: ${why}")
    endif()
    string(REGEX MATCHALL "Library (runpath|rpath): \\[[^]\n]*\\]" paths "${dynamic}")
    foreach(path IN LISTS paths)
      string(REGEX REPLACE "^Library [a-z]+: \\[(.*)\\]$" "\\1" path "${path}")
      math(EXPR count "${count} + 1")
      if(path STREQUAL "" OR path MATCHES "(^:|::|:$)")
        message(SEND_ERROR "${file}: an empty entry, the current folder, in its run path [${path}]")
      endif()
      string(REPLACE ":" ";" entries "${path}")
      foreach(entry IN LISTS entries)
        if(relocatable AND NOT entry MATCHES "^\\$ORIGIN(/|$)")
          message(SEND_ERROR "${file}: ${entry} in its run path [${path}] does not move with the prefix")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(${checked} ${count} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
check_run_paths("${BUILD_DIR}" OFF built)
if(built EQUAL 0)
  message(FATAL_ERROR "no run path in ${BUILD_DIR}: nothing checked")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix"
                RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE why)
if(failed)
  message(FATAL_ERROR "cmake --install failed: ${why}")
endif()
file(RENAME "${WORK_DIR}/prefix" "${WORK_DIR}/moved")
check_run_paths("${WORK_DIR}/moved" ON installed)
if(installed EQUAL 0)
  message(FATAL_ERROR "no run path in the installed prefix: nothing checked")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DDHOST_MODULE "${WORK_DIR}/moved/bin/ddhost" info
                WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE why)
file(REAL_PATH "${WORK_DIR}/moved/bin" bin)
string(FIND "${out}" " ${bin}/" own)
if(failed OR own EQUAL -1)
  message(FATAL_ERROR "the moved prefix's ddhost did not run with its own module (${failed}): ${out}${why}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
