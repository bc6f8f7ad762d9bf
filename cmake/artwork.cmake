# The interface artwork: SVG drawings in art/ rendered with rsvg-convert into
# PNG pictures, the built-in ones compiled into the themes library, the
# default theme pack zipped into gfx/ beside the program.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(ART_SOURCE ${PROJECT_SOURCE_DIR}/art)
set(ART_BUILD ${PROJECT_BINARY_DIR}/art)

# Renders one drawing; without a size it keeps the drawing's own.
function(render_svg svg png)
  set(size "")
  if(ARGC GREATER 2)
    set(size -w ${ARGV2} -h ${ARGV2})
  endif()
  get_filename_component(folder ${png} DIRECTORY)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${RSVG_CONVERT} ${size} -o ${png} ${svg}
    DEPENDS ${svg} VERBATIM)
endfunction()

# Built in: buttons and 16-pixel icons at their drawn sizes, the About banner
# as a 24-bit BMP.
file(GLOB BUILTIN_DRAWINGS CONFIGURE_DEPENDS RELATIVE ${ART_SOURCE}/builtin
  ${ART_SOURCE}/builtin/buttons/*.svg ${ART_SOURCE}/builtin/icons/*.svg)
set(BUILTIN_FILES "")
set(BUILTIN_OUTPUTS "")
foreach(drawing IN LISTS BUILTIN_DRAWINGS)
  string(REGEX REPLACE "\\.svg$" ".png" picture ${drawing})
  render_svg(${ART_SOURCE}/builtin/${drawing} ${ART_BUILD}/builtin/${picture})
  list(APPEND BUILTIN_FILES ${picture})
  list(APPEND BUILTIN_OUTPUTS ${ART_BUILD}/builtin/${picture})
endforeach()

add_executable(bmp_from_png art/bmp_from_png.cpp src/themes/png_picture.cpp src/platform/files_linux.cpp
  src/platform/temporary_files_linux.cpp)
target_include_directories(bmp_from_png PRIVATE src)
target_link_libraries(bmp_from_png PRIVATE PNG::PNG)
render_svg(${ART_SOURCE}/builtin/banner.svg ${ART_BUILD}/banner.png)
add_custom_command(OUTPUT ${ART_BUILD}/builtin/banner.bmp
  COMMAND bmp_from_png ${ART_BUILD}/banner.png ${ART_BUILD}/builtin/banner.bmp
  DEPENDS bmp_from_png ${ART_BUILD}/banner.png VERBATIM)
list(APPEND BUILTIN_FILES banner.bmp)
list(APPEND BUILTIN_OUTPUTS ${ART_BUILD}/builtin/banner.bmp)

string(REPLACE ";" "|" BUILTIN_FILE_LIST "${BUILTIN_FILES}")
set(BUILTIN_ARTWORK_SOURCE ${ART_BUILD}/built_in_artwork_data.cpp)
add_custom_command(OUTPUT ${BUILTIN_ARTWORK_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${BUILTIN_ARTWORK_SOURCE} -DBASE=${ART_BUILD}/builtin
    -DFILES=${BUILTIN_FILE_LIST} -P ${PROJECT_SOURCE_DIR}/cmake/embed_files.cmake
  DEPENDS ${BUILTIN_OUTPUTS} ${PROJECT_SOURCE_DIR}/cmake/embed_files.cmake VERBATIM)

# The default theme pack: every icon at 16, 24 and 32 pixels as name_SIZE.png
# (16 from a drawing of its own with a heavier pen, which stays crisp at that
# size), the buttons at their drawn sizes, and its theme.cfg.
set(HANDDRAWN_BUILD ${ART_BUILD}/handdrawn)
file(GLOB HANDDRAWN_ICONS CONFIGURE_DEPENDS ${ART_SOURCE}/handdrawn/icons/*.svg)
file(GLOB HANDDRAWN_BUTTONS CONFIGURE_DEPENDS ${ART_SOURCE}/handdrawn/buttons/*.svg)
set(HANDDRAWN_FILES theme.cfg)
foreach(drawing IN LISTS HANDDRAWN_ICONS)
  get_filename_component(name ${drawing} NAME_WE)
  render_svg(${ART_SOURCE}/handdrawn/icons16/${name}.svg ${HANDDRAWN_BUILD}/${name}_16.png 16)
  foreach(size 24 32)
    render_svg(${drawing} ${HANDDRAWN_BUILD}/${name}_${size}.png ${size})
  endforeach()
  list(APPEND HANDDRAWN_FILES ${name}_16.png ${name}_24.png ${name}_32.png)
endforeach()
foreach(drawing IN LISTS HANDDRAWN_BUTTONS)
  get_filename_component(name ${drawing} NAME_WE)
  render_svg(${drawing} ${HANDDRAWN_BUILD}/${name}.png)
  list(APPEND HANDDRAWN_FILES ${name}.png)
endforeach()
list(TRANSFORM HANDDRAWN_FILES PREPEND ${HANDDRAWN_BUILD}/ OUTPUT_VARIABLE HANDDRAWN_OUTPUTS)
add_custom_command(OUTPUT ${HANDDRAWN_BUILD}/theme.cfg
  COMMAND ${CMAKE_COMMAND} -E copy ${ART_SOURCE}/handdrawn/theme.cfg ${HANDDRAWN_BUILD}/theme.cfg
  DEPENDS ${ART_SOURCE}/handdrawn/theme.cfg VERBATIM)
set(HANDDRAWN_PACK ${PROJECT_BINARY_DIR}/gfx/handdrawn.zip)
add_custom_command(OUTPUT ${HANDDRAWN_PACK}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/gfx
  COMMAND ${CMAKE_COMMAND} -E rm -f ${HANDDRAWN_PACK}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${HANDDRAWN_PACK} --format=zip ${HANDDRAWN_FILES}
  WORKING_DIRECTORY ${HANDDRAWN_BUILD}
  DEPENDS ${HANDDRAWN_OUTPUTS} VERBATIM)
add_custom_target(theme_packs ALL DEPENDS ${HANDDRAWN_PACK})

# The application's icon for the desktop at every size the icon theme asks
# for (16 pixels from a drawing of its own on the pixel grid); the drawing
# itself is the scalable one.
set(APP_ICON ${ART_SOURCE}/application/zorvane.svg)
set(APP_ICON_SIZES 16 24 32 48 64 128 256)
set(APP_ICON_OUTPUTS "")
foreach(size IN LISTS APP_ICON_SIZES)
  set(drawing ${APP_ICON})
  if(size EQUAL 16)
    set(drawing ${ART_SOURCE}/application/zorvane-16.svg)
  endif()
  render_svg(${drawing} ${ART_BUILD}/application/${size}/zorvane.png ${size})
  list(APPEND APP_ICON_OUTPUTS ${ART_BUILD}/application/${size}/zorvane.png)
endforeach()
add_custom_target(application_icons ALL DEPENDS ${APP_ICON_OUTPUTS})
