# Checks that the module's folders include one way:
#   cmake -DSOURCE_DIR=<repository> -P cmake/folder-order.cmake
# Every "..." include of a C++ file under module/, interfaces/ and
# objectmodel/, and every <...> one whose first part is one of our folders,
# must name the file's own folder or one below it. A "..." include naming no
# folder of the table fails too: a new folder takes its place in the order
# when it is added.
cmake_minimum_required(VERSION 3.25)

# Each folder and the folders right below it; a folder may include from
# itself and from every folder below it, however far down. items/ is the
# folder's own files (item list, codes, texts) under its families.
set(order
  "frame               catalogue platform resources"
  "catalogue           items/enumerations items/commands items/menus items/methods"
  "items/enumerations  items/variables"
  "items/variables     items"
  "items/commands      items"
  "items/menus         items"
  "items/methods       items"
  "items               engine"
  "engine              interfaces objectmodel"
  "interfaces          objectmodel"
  "objectmodel"
  "platform"
  "resources")
# What ships never includes from these.
set(outside host bench tests)

if(NOT IS_DIRECTORY "${SOURCE_DIR}/module")
  message(FATAL_ERROR "SOURCE_DIR must be the repository, not '${SOURCE_DIR}'")
endif()

set(folders)
foreach(row IN LISTS order)
  string(REGEX MATCHALL "[^ ]+" words "${row}")
  list(POP_FRONT words folder)
  list(APPEND folders ${folder})
  set(below_${folder} ${words})
endforeach()

# The folders each one may use: its own and everything below it.
foreach(folder IN LISTS folders)
  set(reach ${below_${folder}})
  set(i 0)
  list(LENGTH reach count)
  while(i LESS count)
    list(GET reach ${i} next)
    if(NOT next IN_LIST folders)
      message(FATAL_ERROR "the order names '${next}', which has no row of its own")
    endif()
    foreach(further IN LISTS below_${next})
      if(NOT further IN_LIST reach)
        list(APPEND reach ${further})
      endif()
    endforeach()
    math(EXPR i "${i} + 1")
    list(LENGTH reach count)
  endwhile()
  if(folder IN_LIST reach)
    message(FATAL_ERROR "the order goes round: '${folder}' is below itself")
  endif()
  set(uses_${folder} ${folder} ${reach})
endforeach()

# module/items/menus/Menus.cpp is in items/menus, module/platform/posix/... in
# platform, interfaces/... in interfaces; an include is named the same way.
function(folder_of path result)
  string(REPLACE "/" ";" parts "${path}")
  list(LENGTH parts count)
  list(GET parts 0 first)
  if(first STREQUAL "items" AND count GREATER 2)
    list(GET parts 1 second)
    set(first "items/${second}")
  endif()
  set(${result} "${first}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
     "${SOURCE_DIR}/module/*.h" "${SOURCE_DIR}/module/*.cpp" "${SOURCE_DIR}/module/*.inc"
     "${SOURCE_DIR}/interfaces/*.h" "${SOURCE_DIR}/interfaces/*.cpp"
     "${SOURCE_DIR}/objectmodel/*.h" "${SOURCE_DIR}/objectmodel/*.cpp")
list(SORT files)

set(include_pattern "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
set(broken 0)
set(checked 0)
foreach(file IN LISTS files)
  string(REGEX REPLACE "^module/" "" in_module "${file}")
  folder_of("${in_module}" folder)
  if(NOT folder IN_LIST folders)
    message(NOTICE "${file}: folder '${folder}' is not in the order (cmake/folder-order.cmake)")
    math(EXPR broken "${broken} + 1")
    continue()
  endif()
  list(JOIN uses_${folder} "/, " allowed)

  file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "${include_pattern}")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "${include_pattern}" line "${line}")
    set(quoted "${CMAKE_MATCH_1}")
    set(included "${CMAKE_MATCH_2}")
    folder_of("${included}" target)
    if(quoted STREQUAL "<" AND NOT target IN_LIST folders AND NOT target IN_LIST outside)
      continue()  # a system header
    endif()
    math(EXPR checked "${checked} + 1")

    if(target IN_LIST outside)
      set(rule "what ships never includes from host/, bench/ or tests/")
    elseif(NOT target IN_LIST folders)
      set(rule "names no folder of the order; a new folder goes into cmake/folder-order.cmake")
    elseif(NOT target IN_LIST uses_${folder})
      set(rule "${folder}/ includes only from ${allowed}/")
    else()
      continue()
    endif()

    file(READ "${SOURCE_DIR}/${file}" text)
    string(FIND "${text}" "${line}" at)
    string(SUBSTRING "${text}" 0 ${at} before)
    string(REGEX REPLACE "[^\n]" "" newlines "${before}")
    string(LENGTH "${newlines}" number)
    math(EXPR number "${number} + 1")
    message(NOTICE "${file}:${number}: ${line}: ${rule}")
    math(EXPR broken "${broken} + 1")
  endforeach()
endforeach()

list(LENGTH files count)
if(count EQUAL 0 OR checked EQUAL 0)
  message(FATAL_ERROR "no sources or no includes found under ${SOURCE_DIR}")
endif()
if(broken)
  message(FATAL_ERROR "${broken} include(s) break the folder order")
endif()
message(STATUS "${checked} includes of ${count} files follow the folder order")
