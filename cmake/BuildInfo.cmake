# Writes BuildInfo.h with the source revision of the tree being built. Run at every build, so a
# new commit shows without configuring again; the header is rewritten only when it changes.
# Inputs: SOURCE_DIR, OUTPUT, TUBEWISE_VERSION, TUBEWISE_COMPILER, TUBEWISE_QT_VERSION.
set(TUBEWISE_SOURCE_REVISION "unknown")
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND "${GIT_EXECUTABLE}" describe --always --dirty --abbrev=12
    WORKING_DIRECTORY "${SOURCE_DIR}"
    OUTPUT_VARIABLE revision OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
  if(status EQUAL 0 AND revision)
    set(TUBEWISE_SOURCE_REVISION "${revision}")
  endif()
endif()
# A source package without git history names its revision in this file.
if(TUBEWISE_SOURCE_REVISION STREQUAL "unknown" AND EXISTS "${SOURCE_DIR}/REVISION")
  file(STRINGS "${SOURCE_DIR}/REVISION" TUBEWISE_SOURCE_REVISION LIMIT_COUNT 1)
endif()
# SOURCE_DATE_EPOCH, when set, makes the date reproducible.
string(TIMESTAMP TUBEWISE_BUILD_DATE "%Y-%m-%d" UTC)
configure_file("${CMAKE_CURRENT_LIST_DIR}/BuildInfo.h.in" "${OUTPUT}" @ONLY)
