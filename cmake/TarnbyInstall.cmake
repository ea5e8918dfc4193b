# What `cmake --install` lays out for the analyser, Debian style: the two
# programs, the shared defaults and the sample, the menu entry, the icons and
# the AppStream data. The control's libraries, plugin, headers and CMake
# package have their own rules beside their sources.
include(GNUInstallDirs)
include(${PROJECT_SOURCE_DIR}/cmake/Lundar.cmake)

set(TARNBY_COMPONENT tarnby)
set(TARNBY_LINUX_DIR ${PROJECT_SOURCE_DIR}/packaging/linux)

install(TARGETS tarnby tarnby-cli
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  COMPONENT ${TARNBY_COMPONENT})
# Both link the calendar libraries; outside the system's library folders the
# installed programs need a run path to find them.
lundar_module_rpath(tarnby ${CMAKE_INSTALL_BINDIR})
lundar_module_rpath(tarnby-cli ${CMAKE_INSTALL_BINDIR})
# The PDF painter tarnby-cli loads for a .pdf report, in the program's own
# library folder (src/cli knows the path from the program's folder).
install(TARGETS tarnby-report-pdf
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/tarnby
  COMPONENT ${TARNBY_COMPONENT})
lundar_module_rpath(tarnby-report-pdf ${CMAKE_INSTALL_LIBDIR}/tarnby)

# The defaults a user's own program folder is filled from on first start, and
# the sample workbooks, which stay here and are read in place.
set(TARNBY_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tarnby)
install(FILES ${PROJECT_SOURCE_DIR}/dist/Init.ini ${PROJECT_SOURCE_DIR}/dist/Holidays.txt
  DESTINATION ${TARNBY_DATA_DIR}
  COMPONENT ${TARNBY_COMPONENT})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/dist/Source
  DESTINATION ${TARNBY_DATA_DIR}
  COMPONENT ${TARNBY_COMPONENT})
install(DIRECTORY DESTINATION ${TARNBY_DATA_DIR}/SrDate
  COMPONENT ${TARNBY_COMPONENT})
install(FILES ${TARNBY_QM_FILES}
  DESTINATION ${TARNBY_DATA_DIR}/translations
  COMPONENT ${TARNBY_COMPONENT})
# The date picker's own translations go with its libraries, into the folder
# where the analyser looks for its own.
install(FILES ${LUNDAR_QM_FILES}
  DESTINATION ${TARNBY_DATA_DIR}/translations
  COMPONENT ${LUNDAR_RUNTIME_COMPONENT})

install(FILES ${TARNBY_LINUX_DIR}/tarnby.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
  COMPONENT ${TARNBY_COMPONENT})
install(FILES ${TARNBY_LINUX_DIR}/org.tarnby.tarnby.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
  COMPONENT ${TARNBY_COMPONENT})

# The icon: the SVG as drawn, and the PNG sizes rendered from it at build time.
find_package(Qt6 REQUIRED COMPONENTS Svg)
add_executable(tarnby-render-icons ${TARNBY_LINUX_DIR}/RenderIcons.cpp)
target_link_libraries(tarnby-render-icons PRIVATE Qt6::Svg Qt6::Gui)
set_target_properties(tarnby-render-icons PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(TARNBY_ICON_SIZES 16 22 24 32 48 64 128 256)
set(TARNBY_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(icon_pngs)
foreach(size IN LISTS TARNBY_ICON_SIZES)
  list(APPEND icon_pngs ${TARNBY_ICON_DIR}/${size}x${size}/apps/tarnby.png)
endforeach()
# A sanitized build runs the tool too; Qt's one-time allocations are no fault.
add_custom_command(OUTPUT ${icon_pngs}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
    $<TARGET_FILE:tarnby-render-icons> ${TARNBY_LINUX_DIR}/tarnby.svg ${TARNBY_ICON_DIR} ${TARNBY_ICON_SIZES}
  DEPENDS tarnby-render-icons ${TARNBY_LINUX_DIR}/tarnby.svg
  COMMENT "Rendering the icon sizes")
add_custom_target(tarnby_icons ALL DEPENDS ${icon_pngs})

install(FILES ${TARNBY_LINUX_DIR}/tarnby.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  COMPONENT ${TARNBY_COMPONENT})
foreach(size IN LISTS TARNBY_ICON_SIZES)
  install(FILES ${TARNBY_ICON_DIR}/${size}x${size}/apps/tarnby.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    COMPONENT ${TARNBY_COMPONENT})
endforeach()
