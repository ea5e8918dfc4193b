# Installs the program's components into a fresh prefix and checks them.
#   -DBUILD=<build tree> -DWORK=<scratch folder> -DBINDIR= -DLIBDIR= -DDATADIR= -DPDF_MODULE=<its file name>
#   -DICON_SIZES=<a;list> -DDESKTOP_FILE_VALIDATE=<tool or empty> -DAPPSTREAMCLI=<tool or empty>

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
foreach(component tarnby lundar-runtime)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} --component ${component}
    RESULT_VARIABLE rc OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "installing ${component} failed")
  endif()
endforeach()

set(expected
  ${BINDIR}/tarnby
  ${BINDIR}/tarnby-cli
  ${LIBDIR}/liblunar.so.1
  ${LIBDIR}/liblundar.so.1
  ${LIBDIR}/tarnby/plugins/liblundar.so
  ${LIBDIR}/tarnby/${PDF_MODULE}
  ${DATADIR}/tarnby/Init.ini
  ${DATADIR}/tarnby/Holidays.txt
  ${DATADIR}/tarnby/Source/kq-2026-11-1.xls
  ${DATADIR}/applications/tarnby.desktop
  ${DATADIR}/metainfo/org.tarnby.tarnby.metainfo.xml
  ${DATADIR}/icons/hicolor/scalable/apps/tarnby.svg)
foreach(file ${expected})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(NOT IS_DIRECTORY ${prefix}/${DATADIR}/tarnby/SrDate)
  message(FATAL_ERROR "not installed: the empty ${DATADIR}/tarnby/SrDate")
endif()
# Only the user's files: no development files in the program's components.
file(GLOB_RECURSE stray RELATIVE ${prefix} ${prefix}/include/* ${prefix}/${LIBDIR}/cmake/*)
file(GLOB links RELATIVE ${prefix} ${prefix}/${LIBDIR}/*.so)
list(APPEND stray ${links})
if(stray)
  message(FATAL_ERROR "development files in the program: ${stray}")
endif()

# Each PNG is the size its folder names (the IHDR width and height).
foreach(size ${ICON_SIZES})
  set(png ${prefix}/${DATADIR}/icons/hicolor/${size}x${size}/apps/tarnby.png)
  if(NOT EXISTS ${png})
    message(FATAL_ERROR "not installed: ${png}")
  endif()
  file(READ ${png} head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 32 8 width)
  string(SUBSTRING "${head}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${png} is not a ${size}x${size} PNG (${signature}, ${width}x${height})")
  endif()
endforeach()

if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${prefix}/${DATADIR}/applications/tarnby.desktop
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate:\n${out}")
  endif()
endif()
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
      ${prefix}/${DATADIR}/metainfo/org.tarnby.tarnby.metainfo.xml
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate:\n${out}")
  endif()
endif()

# A first start of the installed program in a home of its own: the program
# folder is made there from the installed defaults, the sample read in place.
set(home ${WORK}/home)
file(MAKE_DIRECTORY ${home})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=TARNBY_HOME --unset=XDG_DATA_HOME HOME=${home}
          ASAN_OPTIONS=detect_leaks=0
    ${prefix}/${BINDIR}/tarnby-cli analyse --folder ${prefix}/${DATADIR}/tarnby/Source
      --year 2026 --month 11 --style 1 --all --format csv
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed tarnby-cli failed (${rc}):\n${err}")
endif()
if(NOT out MATCHES "0001")
  message(FATAL_ERROR "the installed tarnby-cli analysed nobody:\n${out}")
endif()
set(user ${home}/.local/share/tarnby)
foreach(file Init.ini Holidays.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${prefix}/${DATADIR}/tarnby/${file} ${user}/${file}
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${user}/${file} is not the installed default")
  endif()
endforeach()
if(NOT IS_DIRECTORY ${user}/SrDate OR EXISTS ${user}/Source)
  message(FATAL_ERROR "the user's folder is not Init.ini, Holidays.txt and an empty SrDate/")
endif()

# The installed program paints a .pdf with the module installed for it.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=TARNBY_HOME --unset=XDG_DATA_HOME HOME=${home}
          ASAN_OPTIONS=detect_leaks=0
    ${prefix}/${BINDIR}/tarnby-cli report --folder ${prefix}/${DATADIR}/tarnby/Source
      --year 2026 --month 11 --style 1 --output ${WORK}/report.pdf
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/report.pdf)
  message(FATAL_ERROR "the installed tarnby-cli wrote no .pdf (${rc}):\n${err}")
endif()
