# The window layer: windows, dialogs, controls, painting, texts and the desktop services.
foreach(layer_test Wnd Dialog Controls Dc Painting Text MessageBox Browser)
  morvane_test(${layer_test}Test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/${layer_test}Test.cpp
    LIBS morvane_platform
    GUI)
endforeach()
