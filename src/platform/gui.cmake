# morvane_platform: the windows, painting, message boxes, file dialogs, the browser call and the
# one-program-per-folder lock, on Qt 6 Widgets.
morvane_library(morvane_platform
  SOURCES
    Accelerator.cpp Accessibility.cpp Browser.cpp ControlWidgets.cpp Controls.cpp Dc.cpp
    Dialog.cpp DialogFont.cpp DialogWidget.cpp FileDialog.cpp Gdi.cpp KeyRouting.cpp
    LayerApplication.cpp ListChoice.cpp MessageBox.cpp Painting.cpp Pictures.cpp PopupMenu.cpp
    QtText.cpp
    SingleInstance.cpp SystemMenu.cpp
    WinApp.cpp Wnd.cpp WndLink.cpp
  LIBS morvane_platform_core morvane_res Qt6::Widgets)

# The pictures of res/bitmaps, reached as ":/bitmaps/<id>.png".
file(GLOB morvane_bitmap_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/bitmaps/*.png)
qt_add_resources(morvane_platform bitmaps
  PREFIX /bitmaps
  BASE ${PROJECT_SOURCE_DIR}/res/bitmaps
  FILES ${morvane_bitmap_files})

# What tests and benchmarks do as a user would; never part of the program.
if(MORVANE_TESTS OR MORVANE_BENCH)
  morvane_library(morvane_test_driver SOURCES TestDriver.cpp LIBS morvane_platform)
endif()

# The main() of window tests (morvane_test(... GUI)).
if(MORVANE_TESTS)
  add_library(morvane_gui_test_main STATIC GuiTestMain.cpp)
  target_compile_options(morvane_gui_test_main PRIVATE ${MORVANE_WARNINGS})
  target_link_libraries(morvane_gui_test_main PUBLIC morvane_test_driver GTest::gtest)
endif()
