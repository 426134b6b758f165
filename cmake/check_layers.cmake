# Fails when a source or header includes above its floor.
#   cmake -DFLOOR=<1..3> -DKIND=<library|tests> -DFILES_LIST=<file of paths> -DALLOWED_LIST=<file of
#         header names> -P check_layers.cmake
#
# Floors: 0 platform/, 1 the shared floor (common/state/, common/buttons/), 2 grid/, profinet/,
# config/, tables/, 3 the main window (shell/). A file includes project headers of its own
# floor and below. Above platform/, angle includes are the C++ standard library, QtCore and the
# names in ALLOWED_LIST (tests: also the test framework); QtGui, QtWidgets, pugixml, curl and
# the system's own headers stay behind platform/.

cmake_policy(VERSION 3.25)

set(floor_prefixes
  "platform/"
  "common/state/,common/buttons/"
  "grid/,profinet/,config/,tables/"
  "shell/")

set(standard_headers
  algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv chrono
  cinttypes climits clocale cmath codecvt compare complex concepts condition_variable coroutine
  csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype deque
  exception execution filesystem format forward_list fstream functional future initializer_list
  iomanip ios iosfwd iostream istream iterator latch limits list locale map memory memory_resource
  mutex new numbers numeric optional ostream queue random ranges ratio regex scoped_allocator
  semaphore set shared_mutex source_location span sstream stack stdexcept stop_token streambuf
  string string_view syncstream system_error thread tuple type_traits typeindex typeinfo
  unordered_map unordered_set utility valarray variant vector version)

file(STRINGS "${FILES_LIST}" files)
file(STRINGS "${ALLOWED_LIST}" allowed_headers)

set(allowed_prefixes)
foreach(i RANGE ${FLOOR})
  list(GET floor_prefixes ${i} prefixes)
  string(REPLACE "," ";" prefixes "${prefixes}")
  list(APPEND allowed_prefixes ${prefixes})
endforeach()

set(faults)
foreach(file IN LISTS files)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(header "${CMAKE_MATCH_1}")
      if(NOT header MATCHES "/")
        # Beside the file itself; a system header named this way would slip past the check.
        get_filename_component(dir "${file}" DIRECTORY)
        if(NOT EXISTS "${dir}/${header}")
          list(APPEND faults "${file}: \"${header}\" is not beside this file")
        endif()
        continue()
      endif()
      set(ok FALSE)
      foreach(prefix IN LISTS allowed_prefixes)
        string(FIND "${header}" "${prefix}" at)
        if(at EQUAL 0)
          set(ok TRUE)
        endif()
      endforeach()
      if(NOT ok)
        list(APPEND faults "${file}: \"${header}\" lies above this floor")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      set(header "${CMAKE_MATCH_1}")
      if(header IN_LIST standard_headers OR header IN_LIST allowed_headers)
        continue()
      endif()
      if(header MATCHES "^QtCore/")
        continue()
      endif()
      if(KIND STREQUAL "tests" AND header MATCHES "^(gtest|gmock)/")
        continue()
      endif()
      list(APPEND faults "${file}: <${header}> is reached only through platform/")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes across the layers:\n  ${text}")
endif()
