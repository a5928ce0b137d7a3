# The packaging step's last part: the hardening flags of every executable we ship are checked, and
# dist/ becomes a per-user installer, VelmarRavixDriver-<version>-Setup.exe (NSIS, built on Linux).
find_program(RAVIX_MAKENSIS makensis)
if(NOT RAVIX_MAKENSIS)
  message(WARNING "makensis not found (Debian package nsis, installed by tools/setup.sh): no installer")
  return()
endif()

set(RAVIX_INSTALLER ${CMAKE_BINARY_DIR}/VelmarRavixDriver-${PROJECT_VERSION}-Setup.exe)
add_custom_target(installer ALL
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/check-pe-hardening.sh
            "${RAVIX_DIST_DIR}/Velmar Ravix Driver.exe" ${RAVIX_DIST_DIR}/KBHook.dll
            ${RAVIX_DIST_DIR}/Update/X64/FwUpdate.exe ${RAVIX_DIST_DIR}/Update/X86/FwUpdate.exe
            $<TARGET_FILE:ravixctl>
    COMMAND ${RAVIX_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DDIST=${RAVIX_DIST_DIR}
            -DOUTFILE=${RAVIX_INSTALLER} ${CMAKE_SOURCE_DIR}/tools/installer/VelmarRavix.nsi
    COMMENT "Checking the executables' hardening and building VelmarRavixDriver-${PROJECT_VERSION}-Setup.exe"
    VERBATIM)
add_dependencies(installer dist_zip ravixctl)
