# Builds the Debian package from BUILD_DIR with cpack into WORK_DIR, then checks what it holds,
# that the programs run from the unpacked package alone, and (where lintian is installed) that
# lintian finds no error. Exit 77: dpkg-deb is missing, the test is skipped.
find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
  message("dpkg-deb not found: package test skipped")
  cmake_language(EXIT 77)
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
get_filename_component(cmake_dir "${CMAKE_COMMAND}" DIRECTORY)
execute_process(COMMAND "${cmake_dir}/cpack" -G DEB -B "${WORK_DIR}"
  WORKING_DIRECTORY "${BUILD_DIR}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${out}")
endif()
file(GLOB debs "${WORK_DIR}/tubewise_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one tubewise_*.deb, found: ${debs}")
endif()

execute_process(COMMAND "${DPKG_DEB}" -c "${debs}" OUTPUT_VARIABLE listing)
foreach(path
    ./usr/bin/tubewise
    ./usr/bin/tubewise-cli
    ./usr/share/applications/tubewise.desktop
    ./usr/share/icons/hicolor/96x96/apps/tubewise.png
    ./usr/share/metainfo/io.github.tubewise.Tubewise.metainfo.xml
    ./usr/share/man/man1/tubewise.1.gz
    ./usr/share/man/man1/tubewise-cli.1.gz
    ./usr/share/tubewise/translations/tubewise_en.qm
    ./usr/share/doc/tubewise/copyright
    ./usr/share/doc/tubewise/changelog.Debian.gz)
  string(FIND "${listing}" " ${path}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${path}:\n${listing}")
  endif()
endforeach()
# Only files under /usr, owned by root.
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
foreach(line IN LISTS lines)
  if(NOT line MATCHES " root/root " OR NOT line MATCHES " \\./usr/")
    message(FATAL_ERROR "unexpected entry: ${line}")
  endif()
endforeach()

execute_process(COMMAND "${DPKG_DEB}" -f "${debs}" Package Section Depends OUTPUT_VARIABLE control)
if(NOT control MATCHES "Package: tubewise\n" OR NOT control MATCHES "Section: science"
   OR NOT control MATCHES "libqt6core6 \\(>= " OR NOT control MATCHES "libc6 \\(>= ")
  message(FATAL_ERROR "control fields without the shared libraries' dependencies:\n${control}")
endif()

# Run from the unpacked package, with nothing of the build tree in reach.
set(root "${WORK_DIR}/root")
execute_process(COMMAND "${DPKG_DEB}" -x "${debs}" "${root}")
execute_process(COMMAND env -i PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen
    "${root}/usr/bin/tubewise-cli" --version
  WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE status OUTPUT_VARIABLE version)
if(NOT status EQUAL 0 OR NOT version MATCHES "^tubewise-cli [0-9.]+ \\(revision [^)]+\\)\n$")
  message(FATAL_ERROR "--version from the package: ${status} ${version}")
endif()
execute_process(COMMAND env -i PATH=/usr/bin:/bin
    "${root}/usr/bin/tubewise-cli" validate --report "${WORK_DIR}/record.pdf"
  WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS "${WORK_DIR}/record.pdf")
  message(FATAL_ERROR "validate from the package: ${status}\n${out}${err}")
endif()
execute_process(COMMAND ldd "${root}/usr/bin/tubewise" OUTPUT_VARIABLE libraries)
if(libraries MATCHES "not found" OR libraries MATCHES "${BUILD_DIR}")
  message(FATAL_ERROR "tubewise's libraries from the package:\n${libraries}")
endif()

find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND "${LINTIAN}" --tag-display-limit 0 "${debs}"
    OUTPUT_VARIABLE report ERROR_VARIABLE ignored)
  if(report MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "lintian reports errors:\n${report}")
  endif()
  message("lintian:\n${report}")
else()
  message("lintian not installed: not run")
endif()
