# One static library per folder, its tests beside it.
#   lw_library(name SOURCES ... DEPS ... [PRIVATE_DEPS ...])
#   lw_tests(name SOURCES ... DEPS ...)
# Every library and test program outside platform/ is checked for includes above its floor
# (cmake/check_layers.cmake) before it is compiled.
include_guard(GLOBAL)

# The header names a file above platform/ may include besides the standard library: QtCore's,
# and for tests also QtGui's (the test kit hands out images).
function(lw_write_header_list output)
  set(names)
  foreach(module IN LISTS ARGN)
    get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
    foreach(dir IN LISTS dirs)
      if(dir MATCHES "/Qt${module}$")
        file(GLOB headers RELATIVE "${dir}" "${dir}/*")
        list(APPEND names ${headers})
      endif()
    endforeach()
  endforeach()
  list(JOIN names "\n" text)
  file(GENERATE OUTPUT "${output}" CONTENT "${text}\n")
endfunction()

set(LW_LIBRARY_HEADERS "${CMAKE_BINARY_DIR}/layers/library_headers.txt")
set(LW_TEST_HEADERS "${CMAKE_BINARY_DIR}/layers/test_headers.txt")
lw_write_header_list("${LW_LIBRARY_HEADERS}" Core)
lw_write_header_list("${LW_TEST_HEADERS}" Core Gui)

# The floor of the current folder: 0 platform, 1 the shared floor, 2 the subsystems, 3 the
# main window.
function(lw_floor out)
  file(RELATIVE_PATH folder "${CMAKE_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  if(folder MATCHES "^platform(/|$)")
    set(${out} 0 PARENT_SCOPE)
  elseif(folder MATCHES "^common/(state|buttons)$")
    set(${out} 1 PARENT_SCOPE)
  elseif(folder MATCHES "^(grid|profinet|config|tables)(/|$)")
    set(${out} 2 PARENT_SCOPE)
  elseif(folder MATCHES "^shell$")
    set(${out} 3 PARENT_SCOPE)
  else()
    message(FATAL_ERROR "${folder}: no floor is set for this folder")
  endif()
endfunction()

# Checks the given files (and the folder's headers of that kind) before target compiles.
function(lw_check_layers target kind)
  lw_floor(floor)
  if(floor EQUAL 0)
    return()
  endif()
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  set(files)
  foreach(header IN LISTS headers)
    get_filename_component(stem "${header}" NAME_WE)
    set(test_header FALSE)
    if(stem MATCHES "test|fixture")
      set(test_header TRUE)
    endif()
    if(kind STREQUAL "tests" AND test_header OR NOT kind STREQUAL "tests" AND NOT test_header)
      list(APPEND files "${header}")
    endif()
  endforeach()
  foreach(source IN LISTS ARGN)
    list(APPEND files "${CMAKE_CURRENT_SOURCE_DIR}/${source}")
  endforeach()
  set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}.layers.txt")
  list(JOIN files "\n" text)
  file(GENERATE OUTPUT "${list_file}" CONTENT "${text}\n")
  if(kind STREQUAL "tests")
    set(allowed "${LW_TEST_HEADERS}")
  else()
    set(allowed "${LW_LIBRARY_HEADERS}")
  endif()
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.layers.stamp")
  add_custom_command(OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} -DFLOOR=${floor} -DKIND=${kind} -DFILES_LIST=${list_file}
            -DALLOWED_LIST=${allowed} -P ${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake
    COMMAND ${CMAKE_COMMAND} -E touch "${stamp}"
    DEPENDS ${files} "${list_file}" "${CMAKE_SOURCE_DIR}/cmake/check_layers.cmake"
    COMMENT "Checking the includes of ${target}"
    VERBATIM)
  add_custom_target(${target}_layers DEPENDS "${stamp}")
  add_dependencies(${target} ${target}_layers)
endfunction()

function(lw_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  lw_check_layers(${name} library ${ARG_SOURCES})
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
  lw_check_layers(${name} tests ${ARG_SOURCES})
endfunction()
