# The generator of the pictures packed into the program (run by src/platform/gui.cmake).
if(MORVANE_GUI)
  add_executable(morvane_pack_pictures ${CMAKE_CURRENT_LIST_DIR}/pack_pictures.cpp)
  target_compile_options(morvane_pack_pictures PRIVATE ${MORVANE_WARNINGS})
  target_link_libraries(morvane_pack_pictures PRIVATE Qt6::Gui)
endif()
