# The .deb packages (cpack -G DEB, see scripts/package):
#   tarnby         the two programs, the calendar libraries, the control's
#                  plugin and translations, the shared defaults, menu entry,
#                  icons, AppStream data;
#                  its dependencies come from dpkg-shlibdeps.
#   liblundar-dev  for Qt programmers: headers, the library links, the CMake
#                  package and the Qt Designer plugin.
# The only maintainer scripts are CPack's ldconfig calls for the libraries:
# nothing at install or removal touches the users' own program folders.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnby)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarnby developers")
set(CPACK_PACKAGE_CONTACT "Tarnby developers")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ONE_PER_GROUP)
set(CPACK_COMPONENTS_ALL ${TARNBY_COMPONENT} ${LUNDAR_RUNTIME_COMPONENT} ${LUNDAR_DEV_COMPONENT}
  ${LUNDAR_DESIGNER_COMPONENT})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs link the calendar libraries of their own package: dpkg-shlibdeps
# finds them in the build and, as no installed package owns them, adds nothing.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${TARNBY_PROGRAM_DIR})
# The libraries in the program package get a shlibs entry, so that packages
# built against them depend on it (and ldconfig runs through a trigger).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME tarnby)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION misc)
# The window needs a display plugin (not a linked library) and a Chinese font;
# Qt's own dialogs speak the window's language with Qt's translations.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei")
# First line the synopsis; CPack indents the rest.
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION
  "attendance analyser for time clock punch records
Tarnby reads the punch workbooks a time clock exports and judges every
employee's days of a settlement period: late arrivals, missed punches,
absence, leave, duty and overtime, and full attendance. It comes as a
window (tarnby) and a command line (tarnby-cli); settings are kept in
~/.local/share/tarnby, filled from /usr/share/tarnby on first start.")

set(CPACK_DEBIAN_LUNDARDEV_PACKAGE_NAME liblundar-dev)
set(CPACK_DEBIAN_LUNDARDEV_PACKAGE_SECTION libdevel)
# The Designer plugin links the libraries of the program package, which
# dpkg-shlibdeps cannot see from here, so the dependencies are stated.
set(CPACK_DEBIAN_LUNDARDEV_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_LUNDARDEV_PACKAGE_DEPENDS
  "tarnby (= ${CPACK_PACKAGE_VERSION}), qt6-base-dev, libqt6designer6 (>= 6.4)")
set(CPACK_DEBIAN_LUNDARDEV_DESCRIPTION
  "Lundar lunar-calendar date picker for Qt 6 programmers
The Lundar1 date-picker widget and the lunar calendar arithmetic under it:
headers in /usr/include/lundar, the CMake package (find_package(Lundar)
gives Lundar::lunar and Lundar::lundar) and a Qt Designer plugin that puts
Lundar1 in Designer's widget box.")

# Every CPACK_ setting above is read when CPack is included.
include(CPack)

cpack_add_component_group(program)
cpack_add_component(${TARNBY_COMPONENT} GROUP program)
cpack_add_component(${LUNDAR_RUNTIME_COMPONENT} GROUP program)
cpack_add_component_group(lundardev)
cpack_add_component(${LUNDAR_DEV_COMPONENT} GROUP lundardev)
cpack_add_component(${LUNDAR_DESIGNER_COMPONENT} GROUP lundardev)
