# Fails when a source file includes a header of a folder above its own. The
# folders, lowest first; folders on one line stand side by side and may not
# include each other:
#   platform, text, i18n, formats, settings, engine, batch themes update, cli app
# Run: cmake -DSOURCE_DIR=<src> -P include_order.cmake
set(levels platform=0 text=1 i18n=2 formats=3 settings=4 engine=5 batch=6 themes=6 update=6 cli=7 app=7)
foreach(entry ${levels})
  string(REPLACE "=" ";" pair ${entry})
  list(GET pair 0 folder)
  list(GET pair 1 level)
  set(level_${folder} ${level})
endforeach()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
list(FILTER sources INCLUDE REGEX "/")  # main.cpp, at the top, may include anything
set(faults "")
foreach(source ${sources})
  string(REGEX MATCH "^[^/]+" own ${source})
  if(NOT DEFINED level_${own})
    string(APPEND faults "\n  ${source}: its folder has no place in the order")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[a-z_]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" used "${line}")
    if(used STREQUAL own)
      continue()
    endif()
    if(NOT DEFINED level_${used} OR NOT level_${used} LESS level_${own})
      string(APPEND faults "\n  ${source} includes ${used}/")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes against the folder order:${faults}")
endif()
