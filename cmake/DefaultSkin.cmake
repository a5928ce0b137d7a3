# The Windows build cannot run the native skin generator it would build itself, so it configures and
# builds tools/skin a second time with the host's compiler and lets that build draw the skin into
# dist/Skins/Default.
include(ExternalProject)
ExternalProject_Add(default_skin
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/skin
    BINARY_DIR ${CMAKE_BINARY_DIR}/skin-tool
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
               -DRAVIX_SKIN_OUTPUT=${RAVIX_DIST_DIR}/Skins/Default
               -DRAVIX_SKIN_SHEET=${CMAKE_BINARY_DIR}/skin-contact-sheet.png
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD OFF)
