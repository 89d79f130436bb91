# The application shell's windows and its version reader.
set(app_tests ${CMAKE_CURRENT_LIST_DIR})

morvane_test(MainDlgTest GUI SOURCES ${app_tests}/MainDlgTest.cpp
  LIBS morvane_app morvane_version_resource)
target_compile_definitions(MainDlgTest PRIVATE MORVANE_HELP_HOST="${MORVANE_HELP_HOST}")
morvane_test(PanelHostDlgTest GUI SOURCES ${app_tests}/PanelHostDlgTest.cpp LIBS morvane_app)
morvane_test(AboutDlgTest GUI SOURCES ${app_tests}/AboutDlgTest.cpp LIBS morvane_app)
morvane_test(VersionInfoTest SOURCES ${app_tests}/VersionInfoTest.cpp LIBS morvane_app)
morvane_test(MorvaneAppTest GUI SOURCES ${app_tests}/MorvaneAppTest.cpp LIBS morvane_app)
target_compile_definitions(MorvaneAppTest PRIVATE MORVANE_PROGRAM="$<TARGET_FILE:morvane>")
add_dependencies(MorvaneAppTest morvane)
