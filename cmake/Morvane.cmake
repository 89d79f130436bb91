# Shared settings for every target of our own.

set(MORVANE_WARNINGS -Wall -Wextra -Wpedantic -Wshadow)
# Only the test command turns warnings into errors: a user's build must not break on a newer
# compiler's new warnings.
if(MORVANE_WERROR)
  list(APPEND MORVANE_WARNINGS -Werror)
endif()

if(MORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# morvane_library(name SOURCES ... [LIBS ...]): a static library of our own code, with
# `src/` on its include path so headers are reached as "store/SqliteTable.h".
function(morvane_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${MORVANE_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# morvane_test(name SOURCES ... [LIBS ...] [GUI]): one GoogleTest executable registered with
# CTest. GUI tests run on Qt's offscreen platform. Every test runs in a fresh temporary
# directory (tests/support/TempDir.h), never in the user's data directory.
function(morvane_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${MORVANE_WARNINGS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_GUI)
    set(main morvane_gui_test_main)
  else()
    set(main GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} morvane_test_support ${main} GTest::gmock)
  set(env "HOME=${CMAKE_BINARY_DIR}/test-home" "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/data")
  if(ARG_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  # Tests named *OrdinaryUser* need file modes to bind; they run in an entry of their own, as an
  # ordinary user (tests/support/as_unprivileged.sh).
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_FILTER "-*OrdinaryUser*"
    PROPERTIES ENVIRONMENT "${env}")
endfunction()
