# Fails when a Qt header is included outside framework/ and the main.cpp files, so the platform
# stays behind the framework's own operations.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.hpp ${SOURCE_DIR}/*.cpp)
set(offenders "")
foreach(source IN LISTS sources)
  if(source MATCHES "^(build[^/]*|framework|\\.git)/" OR source MATCHES "(^|/)main\\.cpp$")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
  if(includes)
    list(APPEND offenders ${source})
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Qt headers included outside framework/: ${offenders}")
endif()
