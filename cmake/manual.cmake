# The user manual, doc/manual.html in the build folder (where the Manual
# command finds it before installation): the hand-written page of
# docs/manual with its tables filled in from the program's own tables, and
# pictures of what the stages do, made by the built program from the sample
# photo and turned from PCX into PNG with netpbm.
find_program(PCXTOPPM pcxtoppm REQUIRED)
find_program(PNMTOPNG pnmtopng REQUIRED)
set(MANUAL_SOURCE ${PROJECT_SOURCE_DIR}/docs/manual)
set(MANUAL_BUILD ${PROJECT_BINARY_DIR}/doc)
set(MANUAL_WORK ${PROJECT_BINARY_DIR}/manual-pictures)
set(MANUAL_SAMPLE ${PROJECT_SOURCE_DIR}/samples/landscape.jpg)

# The picture watermark's picture, named as the page shows it.
add_custom_command(OUTPUT ${MANUAL_WORK}/logo.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MANUAL_WORK}
  COMMAND ${CMAKE_COMMAND} -E copy ${ART_BUILD}/application/48/zorvane.png ${MANUAL_WORK}/logo.png
  DEPENDS ${ART_BUILD}/application/48/zorvane.png VERBATIM)

# The list makes the build steps, so a changed list configures anew.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${MANUAL_SOURCE}/pictures.txt)
file(STRINGS ${MANUAL_SOURCE}/pictures.txt picture_lines)
set(MANUAL_PICTURES "")
foreach(line IN LISTS picture_lines)
  if(line MATCHES "^#" OR NOT line MATCHES "^([^|]+)\\|([^|]*)\\|(.*)$")
    continue()
  endif()
  string(STRIP "${CMAKE_MATCH_1}" name)
  string(STRIP "${CMAKE_MATCH_3}" options)
  separate_arguments(options UNIX_COMMAND "${options}")
  set(png ${MANUAL_BUILD}/pictures/${name}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MANUAL_BUILD}/pictures
    COMMAND zorvane -q -i ${MANUAL_SAMPLE} -o ${MANUAL_WORK}/ --width=240 --height=240 --keep-aspect-ratio
      --filename-mask=${name}.%ext% ${options}
    COMMAND sh -c "\"$0\" \"$1\" | \"$2\" > \"$3\"" ${PCXTOPPM} ${MANUAL_WORK}/${name}.pcx ${PNMTOPNG} ${png}
    WORKING_DIRECTORY ${MANUAL_WORK}
    DEPENDS zorvane zorvane-layers ${MANUAL_SAMPLE} ${MANUAL_SOURCE}/pictures.txt ${MANUAL_WORK}/logo.png
    VERBATIM)
  list(APPEND MANUAL_PICTURES ${png})
endforeach()

add_custom_command(OUTPUT ${MANUAL_BUILD}/manual.html
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MANUAL_BUILD}
  COMMAND zorvane-reference manual ${MANUAL_SOURCE}/manual.html ${MANUAL_SOURCE}/pictures.txt
    > ${MANUAL_BUILD}/manual.html
  DEPENDS zorvane-reference ${MANUAL_SOURCE}/manual.html ${MANUAL_SOURCE}/pictures.txt VERBATIM)
add_custom_target(manual ALL DEPENDS ${MANUAL_BUILD}/manual.html ${MANUAL_PICTURES})
