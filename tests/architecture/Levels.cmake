# Holds the sources to the levels table of README.md, so that the table is written once: a file may
# include headers of lower levels, and of its own level only from its own row and the rows above it;
# every top-level source folder has a level; Qt headers stay in the level-1 folders (the pixel core and
# the framework) and the main.cpp files, behind their own operations; and the model and the command
# line include nothing of the framework, so that they run without a display.
# Run as: cmake -DSOURCE_DIR=<source root> -P Levels.cmake
cmake_minimum_required(VERSION 3.25)

# The table's rows read "| level | `folder/`, `folder/` ... | what |"; the words without backticks in
# the folder column name parts of folders, not folders.
file(STRINGS ${SOURCE_DIR}/README.md readme)
set(inTable FALSE)
set(row 0)
set(folders "")
set(problems "")
foreach(line IN LISTS readme)
  if(line MATCHES "^## ")
    set(inTable FALSE)
    if(line STREQUAL "## Layout and levels")
      set(inTable TRUE)
    endif()
  elseif(inTable AND line MATCHES "^\\|[ \t]*([0-9]+)[ \t]*\\|([^|]*)\\|")
    set(level ${CMAKE_MATCH_1})
    math(EXPR row "${row} + 1")
    string(REGEX MATCHALL "`[^`/]+/`" named "${CMAKE_MATCH_2}")
    foreach(folder IN LISTS named)
      string(REGEX REPLACE "^`([^`/]+)/`$" "\\1" folder "${folder}")
      if(DEFINED level_${folder} AND NOT level_${folder} EQUAL level)
        list(APPEND problems "${folder}/ is listed at level ${level_${folder}} and at level ${level}")
      endif()
      set(level_${folder} ${level})
      set(row_${folder} ${row})
      list(APPEND folders ${folder})
      if(level EQUAL 1)
        list(APPEND platform ${folder})
      endif()
    endforeach()
  endif()
endforeach()
if(NOT folders)
  message(FATAL_ERROR "No levels table (\"| level | folder | what |\") under \"## Layout and levels\" in README.md")
endif()

# The model and tilvaner-cli: they see the pixel core of level 1, never the rest of the platform.
set(headless palette formats operations document cli)

# Tests, benchmarks and build trees may reach into every level.
set(exempt "^(tests|bench|build[^/]*|\\.[^/]*)/")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.hpp ${SOURCE_DIR}/*.cpp)
foreach(source IN LISTS sources)
  if(source MATCHES "^(build[^/]*|\\.[^/]*)/")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")

  string(REGEX MATCH "^[^/]+" top "${source}")
  if(NOT top IN_LIST platform AND NOT source MATCHES "(^|/)main\\.cpp$")
    foreach(include IN LISTS includes)
      if(include MATCHES "include[ \t]*(<Q[^>]*>)")
        list(APPEND problems "${source} includes the Qt header ${CMAKE_MATCH_1} outside the level-1 folders")
      endif()
    endforeach()
  endif()

  if(source MATCHES "${exempt}")
    continue()
  endif()
  if(NOT source MATCHES "^([^/]+)/")
    list(APPEND problems "${source} lies outside every folder of the levels table")
    continue()
  endif()
  set(folder ${CMAKE_MATCH_1})
  if(NOT DEFINED level_${folder})
    if(NOT folder IN_LIST unlisted)
      list(APPEND unlisted ${folder})
      list(APPEND problems "${folder}/ holds sources but has no level in README.md's levels table")
    endif()
    continue()
  endif()
  foreach(include IN LISTS includes)
    if(NOT include MATCHES "include[ \t]*\"(([^/\"]+)/[^\"]*)\"")
      continue()
    endif()
    set(header ${CMAKE_MATCH_1})
    set(target ${CMAKE_MATCH_2})
    if(DEFINED level_${target})
      if(level_${target} GREATER level_${folder})
        list(APPEND problems "${source} (${folder}/, level ${level_${folder}}) includes \"${header}\" \
(${target}/, level ${level_${target}})")
      elseif(level_${target} EQUAL level_${folder} AND row_${target} GREATER row_${folder})
        list(APPEND problems "${source} (${folder}/) includes \"${header}\" from ${target}/, listed after \
it on level ${level_${folder}}")
      elseif(target STREQUAL "framework" AND folder IN_LIST headless)
        list(APPEND problems "${source} (${folder}/) includes \"${header}\": the model and tilvaner-cli \
see nothing of the framework")
      endif()
    elseif(IS_DIRECTORY ${SOURCE_DIR}/${target})
      list(APPEND problems "${source} (${folder}/, level ${level_${folder}}) includes \"${header}\" \
from ${target}/, which is no level")
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " report)
  message(FATAL_ERROR "The levels table of README.md is not kept:\n  ${report}")
endif()
