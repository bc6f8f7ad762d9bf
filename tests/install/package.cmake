# Builds the Debian package into a folder of its own, as cpack -G DEB in the
# build folder does; says "skipped" without the Debian package tools (the
# dependencies are found with dpkg-shlibdeps, the programs told by file).
#   -DCPACK=the cpack program  -DBUILD=the build folder  -DOUT=the package folder (emptied first)
find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(FILE file)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS OR NOT FILE)
  message("skipped: dpkg-deb, dpkg-shlibdeps or file is not installed")
  return()
endif()
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} --config ${BUILD}/CPackConfig.cmake -G DEB -B ${OUT}
  WORKING_DIRECTORY ${BUILD} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${result}\n${output}")
endif()
