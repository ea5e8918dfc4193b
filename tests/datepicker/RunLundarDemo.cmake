# Installs the Lundar components of a build into a fresh prefix, checks the
# installed layout, then builds examples/lundar-demo against that prefix alone
# and runs it once offscreen.
#   -DBUILD=<build tree> -DSOURCE=<source tree> -DWORK=<scratch folder>
#   -DLIBDIR=<CMAKE_INSTALL_LIBDIR> -DINCLUDEDIR=<CMAKE_INSTALL_INCLUDEDIR>
#   -DDESIGNERDIR=<designer plugin folder> -DGENERATOR=<generator>
#   -DSANITIZE=ON|OFF -DLAUNCHER=<compiler launcher, may be empty> -DNM=<nm>

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)

foreach(component lundar-runtime lundar-dev lundar-designer)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} --component ${component}
    RESULT_VARIABLE rc OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "installing ${component} failed")
  endif()
endforeach()

# The layout a programmer and a packager rely on.
set(expected
  ${INCLUDEDIR}/lundar/Lundar1.h
  ${INCLUDEDIR}/lundar/LundarDispatch.h
  ${INCLUDEDIR}/lundar/PropertyBag.h
  ${INCLUDEDIR}/lundar/MonthGrid.h
  ${INCLUDEDIR}/lundar/ColorTranslation.h
  ${INCLUDEDIR}/lundar/Lunar.h
  ${INCLUDEDIR}/lundar/lundar_export.h
  ${INCLUDEDIR}/lundar/lunar_export.h
  ${LIBDIR}/liblunar.so
  ${LIBDIR}/liblunar.so.1
  ${LIBDIR}/liblundar.so
  ${LIBDIR}/liblundar.so.1
  ${LIBDIR}/tarnby/plugins/liblundar.so
  ${LIBDIR}/cmake/Lundar/LundarConfig.cmake
  ${LIBDIR}/cmake/Lundar/LundarConfigVersion.cmake
  ${LIBDIR}/cmake/Lundar/LundarTargets.cmake
  ${DESIGNERDIR}/liblundardesigner.so)
foreach(file ${expected})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# Only the public headers: nothing of the control's or the calendar's insides.
file(GLOB headers RELATIVE ${prefix}/${INCLUDEDIR}/lundar ${prefix}/${INCLUDEDIR}/lundar/*)
list(LENGTH headers count)
if(NOT count EQUAL 8)
  message(FATAL_ERROR "unexpected headers installed: ${headers}")
endif()

# The libraries export their installed headers' classes and functions and
# keep their insides: a program can only come to depend on what it was promised.
function(check_exports library promised inside)
  execute_process(COMMAND ${NM} -D --defined-only -C ${prefix}/${LIBDIR}/${library}
    RESULT_VARIABLE rc OUTPUT_VARIABLE symbols ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT symbols MATCHES "${promised}")
    message(FATAL_ERROR "${library} does not export ${promised}:\n${err}")
  endif()
  if(symbols MATCHES "[^\n]*${inside}[^\n]*")
    message(FATAL_ERROR "${library} exports its insides: ${CMAKE_MATCH_0}")
  endif()
endfunction()
check_exports(liblundar.so.1 "lundar::Lundar1::staticMetaObject"
  "lundar::(SpinStrip|ClickLabel|Lundar1Private|LayoutData|PropertyBagPrivate)")
check_exports(liblunar.so.1 "lunar::ToLunarDate" "lunar::tables::")

# Every installed header compiles on its own from the prefix, so none of them
# leans on a path of the source tree or on a header it does not include.
set(check ${WORK}/headers)
set(sources "")
foreach(header ${headers})
  string(MAKE_C_IDENTIFIER ${header} name)
  file(WRITE ${check}/${name}.cpp "#include <lundar/${header}>\n")
  list(APPEND sources ${name}.cpp)
endforeach()
file(WRITE ${check}/CMakeLists.txt "cmake_minimum_required(VERSION 3.16)
project(lundar_headers LANGUAGES CXX)
find_package(Lundar 1 REQUIRED)
add_library(lundar_headers OBJECT ${sources})
target_link_libraries(lundar_headers PRIVATE Lundar::lundar)
")
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${check} -B ${check}/build -G ${GENERATOR}
          -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
          "-DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(rc EQUAL 0)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${check}/build
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "an installed header does not compile on its own:\n${out}")
endif()

set(flags "")
if(SANITIZE)
  # The installed libraries carry the sanitizer runtime; the program must load it first.
  set(flags "-fsanitize=address,undefined")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE}/examples/lundar-demo -B ${WORK}/build -G ${GENERATOR}
          -DCMAKE_BUILD_TYPE=Debug
          -DCMAKE_PREFIX_PATH=${prefix}
          -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
          "-DCMAKE_CXX_FLAGS=${flags}"
          "-DCMAKE_EXE_LINKER_FLAGS=${flags}"
          "-DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "configuring the demo failed:\n${out}")
endif()
# The package must have come from the prefix, never from the build or source tree.
file(STRINGS ${WORK}/build/CMakeCache.txt found REGEX "^Lundar_DIR:")
if(NOT found MATCHES "${prefix}/")
  message(FATAL_ERROR "the demo found Lundar elsewhere: ${found}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK}/build
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "building the demo failed:\n${out}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ${WORK}/build/lundar-demo --quit --date 2013-02-20
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the demo ended with ${rc}:\n${out}\n${err}")
endif()
if(NOT out MATCHES "2013-02-20 农历癸巳年一月十一")
  message(FATAL_ERROR "the demo printed:\n${out}\n${err}")
endif()
file(REMOVE_RECURSE ${WORK})
