# One static library per folder, its tests beside it.
#   lw_library(name SOURCES ... DEPS ...)
#   lw_tests(name SOURCES ... DEPS ...)
include_guard(GLOBAL)

function(lw_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

function(lw_tests name)
  if(NOT LW_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} platform_testkit GTest::gtest)
  target_compile_definitions(${name} PRIVATE
    LW_VENDOR_TESTDATA="${LW_VENDOR_TESTDATA}"
    LW_TESTDATA="${CMAKE_CURRENT_SOURCE_DIR}/testdata")
  target_compile_options(${name} PRIVATE -include ${CMAKE_SOURCE_DIR}/platform/testkit/qt_printers.h)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
