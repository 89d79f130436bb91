# morvane_platform: the windows, painting, message boxes, file dialogs, the browser call and the
# one-program-per-folder lock, on Qt 6 Widgets.
morvane_library(morvane_platform
  SOURCES
    Accelerator.cpp Accessibility.cpp Browser.cpp CacheFile.cpp ControlWidgets.cpp Controls.cpp
    Dc.cpp Dialog.cpp DialogFont.cpp DialogWidget.cpp FileDialog.cpp FontConfiguration.cpp
    Gdi.cpp KeyRouting.cpp LayerApplication.cpp ListChoice.cpp MessageBox.cpp Painting.cpp
    Pictures.cpp PopupMenu.cpp QtText.cpp SingleInstance.cpp SystemMenu.cpp WinApp.cpp Wnd.cpp
    WndLink.cpp
  LIBS morvane_platform_core morvane_res Qt6::Widgets Fontconfig::Fontconfig
    Threads::Threads)

# The pictures of res/bitmaps named by their id are packed into the program as pixels; the
# icon's sizes ("<id>-<side>.png") stay PNG files reached as ":/bitmaps/<id>-<side>.png", read
# only when the desktop asks for the icon.
file(GLOB morvane_bitmap_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/bitmaps/*.png)
set(morvane_picture_files ${morvane_bitmap_files})
list(FILTER morvane_picture_files INCLUDE REGEX "/[0-9]+\\.png$")
set(morvane_icon_files ${morvane_bitmap_files})
list(FILTER morvane_icon_files EXCLUDE REGEX "/[0-9]+\\.png$")
set(packed_pictures_source ${CMAKE_CURRENT_BINARY_DIR}/packed_pictures.cpp)
add_custom_command(
  OUTPUT ${packed_pictures_source}
  COMMAND morvane_pack_pictures ${packed_pictures_source} ${morvane_picture_files}
  DEPENDS morvane_pack_pictures ${morvane_picture_files}
  COMMENT "Packing the pictures into the program"
  VERBATIM)
target_sources(morvane_platform PRIVATE ${packed_pictures_source})
qt_add_resources(morvane_platform icons
  PREFIX /bitmaps
  BASE ${PROJECT_SOURCE_DIR}/res/bitmaps
  FILES ${morvane_icon_files})

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
