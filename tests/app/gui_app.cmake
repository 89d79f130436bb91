# The application shell's windows and its version reader.
set(app_tests ${CMAKE_CURRENT_LIST_DIR})

morvane_test(MainDlgTest GUI SOURCES ${app_tests}/MainDlgTest.cpp
  LIBS morvane_app morvane_version_resource SQLite::SQLite3)
target_compile_definitions(MainDlgTest
  PRIVATE MORVANE_BUILT_HELP_PAGE="${CMAKE_BINARY_DIR}/share/morvane/morvane_help.html")
add_dependencies(MainDlgTest morvane_help_page)
morvane_test(PanelHostDlgTest GUI SOURCES ${app_tests}/PanelHostDlgTest.cpp LIBS morvane_app)
morvane_test(AboutDlgTest GUI SOURCES ${app_tests}/AboutDlgTest.cpp LIBS morvane_app)
morvane_test(VersionInfoTest SOURCES ${app_tests}/VersionInfoTest.cpp LIBS morvane_app)
morvane_test(MorvaneAppTest GUI SOURCES ${app_tests}/MorvaneAppTest.cpp LIBS morvane_app)
target_compile_definitions(MorvaneAppTest PRIVATE MORVANE_PROGRAM="$<TARGET_FILE:morvane>")
add_dependencies(MorvaneAppTest morvane)
morvane_test(HelpPageTest SOURCES ${app_tests}/HelpPageTest.cpp LIBS morvane_app)
morvane_test(CommandLineTest SOURCES ${app_tests}/CommandLineTest.cpp LIBS morvane_app)
