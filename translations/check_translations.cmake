# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -D LUPDATE=... -D SOURCES=dir -D TS_FILES=a.ts;b.ts -D WORK_DIR=dir -P check_translations.cmake
# Runs lupdate over the sources into copies of the .ts files and fails when
# any copy then holds a new or unfinished text, or one the sources no longer
# have. The .ts files themselves are left alone.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copies)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(COPY_FILE ${ts} ${WORK_DIR}/${name})
  list(APPEND copies ${WORK_DIR}/${name})
endforeach()

execute_process(COMMAND ${LUPDATE} -silent -locations none ${SOURCES} -ts ${copies}
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${errors}")
endif()

set(problems)
foreach(copy IN LISTS copies)
  get_filename_component(name ${copy} NAME)
  file(STRINGS ${copy} lines)
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
      string(APPEND problems "\n  ${name}: ${CMAKE_MATCH_1}: ${source}")
    elseif(line MATCHES "<translation></translation>")
      string(APPEND problems "\n  ${name}: empty: ${source}")
    endif()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "Texts without a finished translation, or translations of texts that "
    "are gone:${problems}\nRun 'cmake --build build --target update_translations' and "
    "translate them in translations/.")
endif()
