# What the lunar and lundar libraries share as an installed package: one
# version (the CMake package's and the libraries'), the install components a
# packaging step splits on, the run path of modules that are loaded from a
# folder of their own but need the libraries in the library folder, and the
# hiding of every symbol that the headers do not export.
include(GNUInstallDirs)

set(LUNDAR_VERSION 1.0.0)
set(LUNDAR_SOVERSION 1)

# The libraries and the runtime plugin: what a program using the control needs.
set(LUNDAR_RUNTIME_COMPONENT lundar-runtime)
# Headers, the unversioned library links and the CMake package.
set(LUNDAR_DEV_COMPONENT lundar-dev)
# The Qt Designer plugin, for the development package.
set(LUNDAR_DESIGNER_COMPONENT lundar-designer)

# Gives a module installed under dir (relative to the prefix) a run path to the
# library folder, unless that folder is one the loader searches anyway.
function(lundar_module_rpath target dir)
  set(searched ${CMAKE_PLATFORM_IMPLICIT_LINK_DIRECTORIES} ${CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES})
  list(FIND searched "${CMAKE_INSTALL_FULL_LIBDIR}" system)
  if(system EQUAL -1)
    file(RELATIVE_PATH up "/${dir}" "/${CMAKE_INSTALL_LIBDIR}")
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${up}")
  endif()
endfunction()

# Hides every symbol of target that the code does not mark for export, inline
# functions included: a library's binary interface is then what its installed
# headers declare, a plugin's the entry points that Qt's loader looks up.
function(lundar_hide_symbols target)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
endfunction()
