morvane_test(DiaryDlgTest
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DiaryDlgTest.cpp
  LIBS morvane_diary SQLite::SQLite3
  GUI)
# File modes do not bind root, so the tests of read-only files and a full disk run again as an
# ordinary user.
add_test(NAME DiaryDlgTest.AsAnOrdinaryUser
  COMMAND sh ${PROJECT_SOURCE_DIR}/tests/support/as_unprivileged.sh $<TARGET_FILE:DiaryDlgTest>
    --gtest_filter=*OrdinaryUser*)
set_tests_properties(DiaryDlgTest.AsAnOrdinaryUser PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=/tmp;TMPDIR=/tmp;XDG_RUNTIME_DIR=")
