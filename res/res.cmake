# The program's version block (file and product version = the project version), generated at
# build time and linked into the executable as an object file.
set(version_block_source ${CMAKE_CURRENT_BINARY_DIR}/version_block.cpp)
add_custom_command(
  OUTPUT ${version_block_source}
  COMMAND morvane_make_version_block ${version_block_source} ${PROJECT_VERSION}
  DEPENDS morvane_make_version_block
  COMMENT "Generating the version block ${PROJECT_VERSION}"
  VERBATIM)
add_library(morvane_version_resource OBJECT ${version_block_source})

# Dialog templates and the string table as data, read by the window layer (no Qt).
morvane_library(morvane_res SOURCES Templates.cpp Strings.cpp)
