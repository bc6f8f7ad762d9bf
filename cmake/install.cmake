# Installing: the GNU and freedesktop layout below the prefix. The programs
# find their pieces from their own place by this same layout
# (src/platform/install_layout_linux.cpp), so the folders are fixed here
# rather than configurable.
set(ZORVANE_APP_ID example.lumavex.Zorvane)
set(ZORVANE_LIB_DIR lib/zorvane)
set(ZORVANE_DATA_DIR share/zorvane)
set(ZORVANE_DOC_DIR share/doc/zorvane)

install(TARGETS zorvane DESTINATION bin)
install(TARGETS zorvane-desktop zorvane-layers DESTINATION ${ZORVANE_LIB_DIR})
install(FILES ${HANDDRAWN_PACK} DESTINATION ${ZORVANE_DATA_DIR}/gfx)
install(FILES samples/landscape.jpg samples/landscape.LICENSE.txt DESTINATION ${ZORVANE_DATA_DIR}/samples)
install(FILES ${MANUAL_BUILD}/manual.html DESTINATION ${ZORVANE_DOC_DIR})
install(FILES ${MANUAL_PICTURES} DESTINATION ${ZORVANE_DOC_DIR}/pictures)
install(FILES ${PROJECT_BINARY_DIR}/zorvane.1 DESTINATION share/man/man1)
install(FILES ${PROJECT_BINARY_DIR}/completions/zorvane DESTINATION share/bash-completion/completions)
install(FILES ${PROJECT_BINARY_DIR}/completions/_zorvane DESTINATION share/zsh/vendor-completions)

# The desktop entry, the icons and the AppStream description, all named by
# the application's id.
configure_file(data/zorvane.desktop.in ${PROJECT_BINARY_DIR}/data/${ZORVANE_APP_ID}.desktop @ONLY)
configure_file(data/zorvane.metainfo.xml.in ${PROJECT_BINARY_DIR}/data/${ZORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/${ZORVANE_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PROJECT_BINARY_DIR}/data/${ZORVANE_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size IN LISTS APP_ICON_SIZES)
  install(FILES ${ART_BUILD}/application/${size}/zorvane.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${ZORVANE_APP_ID}.png)
endforeach()
install(FILES ${APP_ICON} DESTINATION share/icons/hicolor/scalable/apps RENAME ${ZORVANE_APP_ID}.svg)

# The Debian package: cpack -G DEB in the build folder. Its dependencies are
# the shared libraries' packages, found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VENDOR Lumavex)
set(CPACK_PACKAGE_CONTACT "Lumavex <support@lumavex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "JPEG to ZSoft PCX converter")
set(CPACK_PACKAGE_DESCRIPTION "Turns a JPEG photo into a 24-bit ZSoft PCX file, through an optional \
chain of stages: rotation, resize, flips, colour correction, greyscale, threshold, dither, frame and text or \
picture watermark. It has a desktop window and a console command with an option for every setting.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.lumavex.example/zorvane/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The default watermark fonts, and the opener of the manual and web pages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-dejavu-core, xdg-utils")
include(CPack)
