# The generator of the program's version block (run by res/res.cmake).
add_executable(morvane_make_version_block ${CMAKE_CURRENT_LIST_DIR}/make_version_block.cpp)
target_compile_options(morvane_make_version_block PRIVATE ${MORVANE_WARNINGS})
target_link_libraries(morvane_make_version_block PRIVATE morvane_platform_core)
