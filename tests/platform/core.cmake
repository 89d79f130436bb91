morvane_test(OleDateTimeTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/OleDateTimeTest.cpp
  LIBS morvane_platform_core)
morvane_test(DatePatternTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/DatePatternTest.cpp
  LIBS morvane_platform_core)
morvane_test(VersionApiTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/VersionApiTest.cpp
  LIBS morvane_platform_core morvane_version_resource)
