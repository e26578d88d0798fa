# The module's texts reach the host as Windows-1252 bytes while the sources
# are UTF-8. GCC converts the literals itself; with any other compiler a
# target compiles copies of its sources, and of the headers under module/ and
# tests/, converted to Windows-1252 at build time.

set(DD_WINDOWS1252_DIR ${CMAKE_BINARY_DIR}/windows-1252)

if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  find_program(DD_ICONV iconv REQUIRED)
  file(GLOB_RECURSE DD_WINDOWS1252_HEADERS CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
       ${CMAKE_SOURCE_DIR}/module/*.h ${CMAKE_SOURCE_DIR}/module/*.inc ${CMAKE_SOURCE_DIR}/tests/*.h)
  set(DD_WINDOWS1252_HEADER_COPIES)
  foreach(header IN LISTS DD_WINDOWS1252_HEADERS)
    add_custom_command(
      OUTPUT ${DD_WINDOWS1252_DIR}/${header}
      COMMAND ${DD_ICONV} -f UTF-8 -t CP1252 -o ${DD_WINDOWS1252_DIR}/${header} ${CMAKE_SOURCE_DIR}/${header}
      DEPENDS ${CMAKE_SOURCE_DIR}/${header}
      COMMENT "Converting ${header} to Windows-1252"
      VERBATIM)
    list(APPEND DD_WINDOWS1252_HEADER_COPIES ${DD_WINDOWS1252_DIR}/${header})
  endforeach()
  add_custom_target(dd_windows1252_headers DEPENDS ${DD_WINDOWS1252_HEADER_COPIES})
endif()

# Makes the texts of `target` Windows-1252 bytes.
function(dd_windows1252_texts target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fexec-charset=CP1252)
    return()
  endif()
  get_target_property(sources ${target} SOURCES)
  set(compiled)
  foreach(source IN LISTS sources)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE OUTPUT_VARIABLE absolute)
    cmake_path(IS_PREFIX CMAKE_SOURCE_DIR ${absolute} NORMALIZE in_tree)
    cmake_path(IS_PREFIX CMAKE_BINARY_DIR ${absolute} NORMALIZE generated)
    if(NOT in_tree OR generated)
      list(APPEND compiled ${source})  # generated sources carry no texts
      continue()
    endif()
    cmake_path(RELATIVE_PATH absolute BASE_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE relative)
    add_custom_command(
      OUTPUT ${DD_WINDOWS1252_DIR}/${relative}
      COMMAND ${DD_ICONV} -f UTF-8 -t CP1252 -o ${DD_WINDOWS1252_DIR}/${relative} ${absolute}
      DEPENDS ${absolute}
      COMMENT "Converting ${relative} to Windows-1252"
      VERBATIM)
    list(APPEND compiled ${DD_WINDOWS1252_DIR}/${relative})
  endforeach()
  set_property(TARGET ${target} PROPERTY SOURCES ${compiled})
  add_dependencies(${target} dd_windows1252_headers)
  target_include_directories(${target} BEFORE PRIVATE ${DD_WINDOWS1252_DIR} ${DD_WINDOWS1252_DIR}/module)
  # The converted literals are no longer valid UTF-8, which is the point.
  target_compile_options(${target} PRIVATE -Wno-invalid-source-encoding)
endfunction()
