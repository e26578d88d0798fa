# Checks that the module's folders include one way:
#   cmake -DSOURCE_DIR=<repository> -DROOTS=<root>|<root>... [-DCOPIES=<folder>]
#         -P cmake/folder-order.cmake
# ROOTS are the include roots the build gives the module, in the compiler's
# order; a root under COPIES stands for the same place under SOURCE_DIR (the
# Windows-1252 copies that compilers other than GCC read mirror the sources).
# Every include of a C++ file under module/, interfaces/ and objectmodel/ is
# looked up as the compiler looks it up: a "..." one in the file's own folder
# first, then every one in the include roots. The file it reaches, its path
# collapsed, names the folder it is judged by, however the include spells
# it: <module/engine/X.h>, "engine/../engine/X.h" and "engine/X.h" are one
# file. A file under the tree must lie in the including file's own folder or
# one below it; an include that reaches out of the repository fails; an <...>
# one that reaches no file of ours is a system header. A "..." include naming
# no folder of the table fails too: a new folder takes its place in the order
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
cmake_path(ABSOLUTE_PATH SOURCE_DIR NORMALIZE)
string(REGEX REPLACE "(.)/$" "\\1" SOURCE_DIR "${SOURCE_DIR}")

if(NOT ROOTS)
  message(FATAL_ERROR "ROOTS must be the module's include roots, joined by '|'")
endif()
if(COPIES)
  cmake_path(ABSOLUTE_PATH COPIES NORMALIZE)
endif()
string(REPLACE "|" ";" given "${ROOTS}")
set(roots)
foreach(root IN LISTS given)
  cmake_path(ABSOLUTE_PATH root NORMALIZE)
  if(COPIES)
    cmake_path(IS_PREFIX COPIES "${root}" copied)
    if(copied)
      cmake_path(RELATIVE_PATH root BASE_DIRECTORY "${COPIES}")
      cmake_path(APPEND SOURCE_DIR "${root}" OUTPUT_VARIABLE root)
      cmake_path(NORMAL_PATH root)
    endif()
  endif()
  string(REGEX REPLACE "(.)/$" "\\1" root "${root}")
  list(APPEND roots "${root}")
endforeach()
list(REMOVE_DUPLICATES roots)

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
# platform, interfaces/... in interfaces: a path from the repository.
function(folder_of path result)
  string(REGEX REPLACE "^module/" "" path "${path}")
  string(REPLACE "/" ";" parts "${path}")
  list(LENGTH parts count)
  list(GET parts 0 first)
  if(first STREQUAL "items" AND count GREATER 2)
    list(GET parts 1 second)
    set(first "items/${second}")
  endif()
  set(${result} "${first}" PARENT_SCOPE)
endfunction()

# The file `included` reaches from `file` (both as written), as a path from
# the repository; "outside" when it climbs out of the repository, empty when
# it reaches no file. Each place is tried as the compiler tries it, `..`
# after a missing folder included, and collapsed once it is found.
function(resolve file quoted included result)
  if(IS_ABSOLUTE "${included}")
    set(candidates "${included}")
  else()
    set(candidates ${roots})
    if(quoted STREQUAL "\"")
      cmake_path(GET file PARENT_PATH own)
      list(PREPEND candidates "${SOURCE_DIR}/${own}")
    endif()
    list(TRANSFORM candidates APPEND "/${included}")
  endif()
  set(reached "")
  foreach(written IN LISTS candidates)
    cmake_path(IS_PREFIX SOURCE_DIR "${written}" NORMALIZE inside)
    if(EXISTS "${written}" AND NOT IS_DIRECTORY "${written}")
      if(inside)
        cmake_path(NORMAL_PATH written)
        cmake_path(RELATIVE_PATH written BASE_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE reached)
      else()
        set(reached outside)
      endif()
      break()
    elseif(NOT inside)
      set(reached outside)  # unless a later place has it
    endif()
  endforeach()
  set(${result} "${reached}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
     "${SOURCE_DIR}/module/*.h" "${SOURCE_DIR}/module/*.cpp" "${SOURCE_DIR}/module/*.inc"
     "${SOURCE_DIR}/interfaces/*.h" "${SOURCE_DIR}/interfaces/*.cpp"
     "${SOURCE_DIR}/objectmodel/*.h" "${SOURCE_DIR}/objectmodel/*.cpp")
list(SORT files)

set(include_pattern "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
# A file is read as a CMake list of its lines, numbered as an editor numbers
# them; '\', ';', '[' and ']' would bend such a list, so until a line is
# matched they stand in bytes no source holds.
string(ASCII 1 backslash)
string(ASCII 2 semicolon)
string(ASCII 3 opening)
string(ASCII 4 closing)
function(restored text result)
  string(REPLACE "${backslash}" "\\" text "${text}")
  string(REPLACE "${semicolon}" ";" text "${text}")
  string(REPLACE "${opening}" "[" text "${text}")
  string(REPLACE "${closing}" "]" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

set(broken 0)
set(checked 0)
foreach(file IN LISTS files)
  folder_of("${file}" folder)
  if(NOT folder IN_LIST folders)
    message(NOTICE "${file}: folder '${folder}' is not in the order (cmake/folder-order.cmake)")
    math(EXPR broken "${broken} + 1")
    continue()
  endif()
  list(JOIN uses_${folder} "/, " allowed)

  file(READ "${SOURCE_DIR}/${file}" text)
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\\" "${backslash}" text "${text}")
  string(REPLACE ";" "${semicolon}" text "${text}")
  string(REPLACE "[" "${opening}" text "${text}")
  string(REPLACE "]" "${closing}" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "${include_pattern}")
      continue()
    endif()
    set(quoted "${CMAKE_MATCH_1}")
    restored("${CMAKE_MATCH_2}" included)
    restored("${CMAKE_MATCH_0}" line)
    resolve("${file}" "${quoted}" "${included}" reached)
    set(reaches "")
    if(reached STREQUAL "outside")
      set(target "")
    elseif(reached STREQUAL "")
      # No such file: judged as it is written.
      cmake_path(SET written NORMALIZE "${included}")
      folder_of("${written}" target)
      if(quoted STREQUAL "<" AND NOT target IN_LIST folders AND NOT target IN_LIST outside)
        continue()  # a system header
      endif()
    else()
      folder_of("${reached}" target)
      if(NOT included STREQUAL reached AND NOT "module/${included}" STREQUAL reached)
        set(reaches " (it reaches ${reached})")
      endif()
    endif()
    math(EXPR checked "${checked} + 1")

    if(reached STREQUAL "outside")
      set(rule "climbs out of the include roots; an include names a file under the repository or module/")
    elseif(target IN_LIST outside)
      set(rule "what ships never includes from host/, bench/ or tests/")
    elseif(NOT target IN_LIST folders AND (reached STREQUAL "" OR reached IN_LIST files))
      set(rule "names no folder of the order; a new folder goes into cmake/folder-order.cmake")
    elseif(NOT target IN_LIST uses_${folder})
      set(rule "${folder}/ includes only from ${allowed}/")
    else()
      continue()
    endif()

    message(NOTICE "${file}:${number}: ${line}: ${rule}${reaches}")
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
