# The window layer: windows, dialogs, controls, painting, texts and the desktop services.
foreach(layer_test Wnd Dialog Controls Dc Painting Text MessageBox Browser Accessibility)
  morvane_test(${layer_test}Test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/${layer_test}Test.cpp
    LIBS morvane_platform
    GUI)
endforeach()
target_compile_definitions(DcTest PRIVATE MORVANE_BITMAPS_DIR="${PROJECT_SOURCE_DIR}/res/bitmaps")
# The one-program-per-folder lock, also against the real program killed while it holds it.
morvane_test(SingleInstanceTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/SingleInstanceTest.cpp
  LIBS morvane_platform GUI)
target_compile_definitions(SingleInstanceTest PRIVATE MORVANE_PROGRAM="$<TARGET_FILE:morvane>")
add_dependencies(SingleInstanceTest morvane)
