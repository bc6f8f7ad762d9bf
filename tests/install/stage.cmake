# Installs the build into a staging folder, as a packager's DESTDIR run does.
#   -DBUILD=the build folder  -DSTAGE=the staging folder (emptied first)
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr/local
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${STAGE} failed: ${result}")
endif()
