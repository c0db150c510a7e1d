# Installing like a desktop program: the executable, its menu entry and its icon in the standard places, and a
# Debian package of them (cpack -G DEB).
include(GNUInstallDirs)

# The 16 and 32 px icons are the window's own, saved by a small tool from the code that draws them.
add_executable(vxr_render_icons ${PROJECT_SOURCE_DIR}/packaging/render_icons.cpp)
target_link_libraries(vxr_render_icons PRIVATE vxr_app)

set(VXR_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${VXR_ICON_DIR}/16x16/vxr.png ${VXR_ICON_DIR}/32x32/vxr.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VXR_ICON_DIR}/16x16 ${VXR_ICON_DIR}/32x32
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:vxr_render_icons>
          ${VXR_ICON_DIR}/16x16/vxr.png ${VXR_ICON_DIR}/32x32/vxr.png
  DEPENDS vxr_render_icons
  COMMENT "Drawing the application icon at 16 and 32 px")
add_custom_target(vxr_icons ALL DEPENDS ${VXR_ICON_DIR}/16x16/vxr.png ${VXR_ICON_DIR}/32x32/vxr.png)

install(TARGETS vxr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vxr.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The case files' type (*.vxr); the package's triggers of shared-mime-info and desktop-file-utils register both.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vxr-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vxr.xml)
set(VXR_HICOLOR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${VXR_ICON_DIR}/16x16/vxr.png DESTINATION ${VXR_HICOLOR}/16x16/apps)
install(FILES ${VXR_ICON_DIR}/32x32/vxr.png DESTINATION ${VXR_HICOLOR}/32x32/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vxr.svg DESTINATION ${VXR_HICOLOR}/scalable/apps)

# The Debian package: shared-library dependencies (libc, libstdc++, the Qt libraries) come from dpkg-shlibdeps;
# the packages the program loads at run time rather than links (platform plugins, the CJK font) are named here, and
# libudunits2-0 as well: vxr_core links UDUNITS-2 so dpkg-shlibdeps finds it too, but the unit page needs the
# library's database (libudunits2-data, which libudunits2-0 brings) whatever the linker keeps.
set(CPACK_PACKAGE_NAME vxr)
set(CPACK_PACKAGE_VENDOR "VXR")
set(CPACK_PACKAGE_CONTACT "VXR maintainers <vxr@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "化工工艺设计计算器 (chemical-process plant design calculator)")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A desktop calculator for the design of chemical-process plant, with a Simplified Chinese interface:\n"
       "pipe diameter, pipe friction loss, centrifugal pump installation height, forced-convection and\n"
       "condensation film coefficients, and the flexibility check of a pipe route.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The calculation sheet's PDF takes Latin letters and digits from DejaVu Sans and Chinese from a TrueType CJK font,
# so that text copied out of it is the text written; Qt's own dialogs and buttons read Chinese through Qt's
# translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk, libudunits2-0, fonts-wqy-zenhei, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
