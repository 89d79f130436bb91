# Draws the button faces, background tile, banner, grapes and icon into res/bitmaps/. The PNGs
# are committed, so this runs only on request: cmake --build <dir> --target morvane_bitmaps
if(MORVANE_GUI)
  add_executable(morvane_draw_bitmaps ${CMAKE_CURRENT_LIST_DIR}/draw_bitmaps.cpp)
  target_compile_options(morvane_draw_bitmaps PRIVATE ${MORVANE_WARNINGS})
  target_link_libraries(morvane_draw_bitmaps PRIVATE Qt6::Gui)
  add_custom_target(morvane_bitmaps
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:morvane_draw_bitmaps> ${PROJECT_SOURCE_DIR}/res/bitmaps
    DEPENDS morvane_draw_bitmaps
    COMMENT "Drawing the bitmaps into res/bitmaps"
    VERBATIM)
endif()
