# Every text the program marks for translation (catalogue, tr() texts and the window tables)
# has a finished English translation in the kept .ts file: lupdate brings a copy of it up to
# date with the sources, and any message it then finds without a translation fails the test.
# Script mode; LUPDATE, PROJECT_CMAKE, PROJECT_SCRIPT, TABLE_TEXTS, TS and WORK are given.
if(NOT EXISTS "${TABLE_TEXTS}")
  message(FATAL_ERROR "the window tables' texts were not listed: ${TABLE_TEXTS} is missing")
endif()
set(json "${WORK}/translations-check.json")
set(copy "${WORK}/tubewise_en-check.ts")
execute_process(COMMAND "${CMAKE_COMMAND}" "-DIN_FILE=${PROJECT_CMAKE}" "-DOUT_FILE=${json}"
                        -P "${PROJECT_SCRIPT}"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot write the lupdate project ${json}")
endif()
file(COPY_FILE "${TS}" "${copy}")
execute_process(COMMAND "${LUPDATE}" -project "${json}" -ts "${copy}" -locations none -no-obsolete
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(failed)
  message(FATAL_ERROR "lupdate failed:\n${out}")
endif()
file(READ "${copy}" ts)
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[^/][^>]*>[^<]*</[^>]*>[^<]*)*<translation type=\"unfinished\"" open "${ts}")
list(LENGTH open count)
if(count GREATER 0)
  string(REPLACE ";" "\n" open "${open}")
  message(FATAL_ERROR "${count} texts have no English translation; run the target "
                      "update_translations and translate them in i18n/tubewise_en.ts:\n${open}")
endif()
message(STATUS "every text has its English translation\n${out}")
