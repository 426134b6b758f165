# Runs check_layers.cmake over one-line files and fails when a verdict is wrong.
#   cmake -DWORK=<scratch folder> -DALLOWED_LIST=<QtCore header names> -P check_layers_test.cmake

# floor | include line | expected: ok or fault
set(cases
  "2|#include <QWidget>|fault"
  "2|#include <QtWidgets/QPushButton>|fault"
  "2|#include <pugixml.hpp>|fault"
  "2|#include <curl/curl.h>|fault"
  "2|#include <unistd.h>|fault"
  "2|#include \"shell/main_window.h\"|fault"
  "1|#include \"grid/stringgrid/model/ex_string_grid.h\"|fault"
  "1|#include \"shell/main_window.h\"|fault"
  "2|#include \"common/buttons/lb_button.h\"|ok"
  "1|#include \"config/banks/bank_files.h\"|fault"
  "2|#include <QString>|ok"
  "2|#include <QtCore/QByteArray>|ok"
  "2|#include <vector>|ok"
  "2|#include \"common/state/program_state.h\"|ok"
  "2|#include \"platform/controls/form.h\"|ok"
  "3|#include \"shell/main_window.h\"|ok"
  "2|#include \"beside.h\"|ok"
  "2|#include \"pugixml.hpp\"|fault"
  "2|#include \"unistd.h\"|fault")

file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/beside.h" "")
set(wrong)
set(n 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 floor)
  list(GET parts 1 line)
  list(GET parts 2 expected)
  math(EXPR n "${n} + 1")
  file(WRITE "${WORK}/case${n}.cpp" "${line}\n")
  file(WRITE "${WORK}/case${n}.txt" "${WORK}/case${n}.cpp\n")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DFLOOR=${floor} -DKIND=library -DFILES_LIST=${WORK}/case${n}.txt
            -DALLOWED_LIST=${ALLOWED_LIST} -P ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    set(verdict ok)
  else()
    set(verdict fault)
  endif()
  if(NOT verdict STREQUAL expected)
    list(APPEND wrong "floor ${floor}, ${line}: ${verdict}, expected ${expected}")
  endif()
endforeach()

if(wrong)
  list(JOIN wrong "\n  " text)
  message(FATAL_ERROR "Wrong verdicts:\n  ${text}")
endif()
