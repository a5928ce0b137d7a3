# The companions beside the program: KBHook.dll, FwUpdate.exe for x64 and x86, and the whole of
# dist/ packed into one zip once everything is in place.
add_subdirectory(${CMAKE_SOURCE_DIR}/src/kbhook ${CMAKE_BINARY_DIR}/src/kbhook)
set(RAVIX_FWUPDATE_DIR ${RAVIX_DIST_DIR}/Update/X64 CACHE PATH "" FORCE)
add_subdirectory(${CMAKE_SOURCE_DIR}/src/fwupdate ${CMAKE_BINARY_DIR}/src/fwupdate)

include(ExternalProject)
ExternalProject_Add(fwupdate_x86
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/src/fwupdate
    BINARY_DIR ${CMAKE_BINARY_DIR}/fwupdate-x86
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
               -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-i686.cmake
               -DRAVIX_FWUPDATE_DIR=${RAVIX_DIST_DIR}/Update/X86
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)

# The installable program as one file. Targets of other parts that write into dist/ are waited for
# when they exist.
set(RAVIX_DIST_ZIP ${CMAKE_BINARY_DIR}/VelmarRavixDriver-${PROJECT_VERSION}.zip)
add_custom_target(dist_zip ALL
    COMMAND ${CMAKE_COMMAND} -E touch ${RAVIX_DIST_DIR}/record.ini
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/check-dist.sh $<TARGET_FILE:ravixctl> ${RAVIX_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${RAVIX_DIST_ZIP}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${RAVIX_DIST_ZIP} --format=zip .
    WORKING_DIRECTORY ${RAVIX_DIST_DIR}
    COMMENT "Packing dist/ into VelmarRavixDriver-${PROJECT_VERSION}.zip")
add_dependencies(dist_zip ravix_program kbhook fwupdate fwupdate_x86 default_skin)
foreach(target ravix_factory_files factory_files)
  if(TARGET ${target})
    add_dependencies(dist_zip ${target})
  endif()
endforeach()

# The Windows tests load the hook library from dist/ (Wine sees the build folder on drive Z:).
if(TARGET win_tests)
  add_dependencies(win_tests kbhook)
  target_compile_definitions(win_tests PRIVATE RAVIX_KBHOOK_PATH=L"Z:${RAVIX_DIST_DIR}/KBHook.dll")
  # The dialogs' tests open them over the default skin.
  add_dependencies(win_tests default_skin)
  target_compile_definitions(win_tests PRIVATE RAVIX_SKIN_FOLDER=L"Z:${RAVIX_DIST_DIR}/Skins/Default")
endif()

# A benchmark of skin drawing, built on request by tools/skin-benchmark.sh.
add_executable(skin_benchmark EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/skin-benchmark/DrawBenchmark.cpp)
target_link_libraries(skin_benchmark PRIVATE ravix_win)
target_compile_options(skin_benchmark PRIVATE ${RAVIX_WARNINGS})
target_link_options(skin_benchmark PRIVATE -municode)

# The start-up benchmark and its yardstick, a minimal window program; built on request by
# tools/startup-benchmark.sh.
add_executable(minimal_window EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/startup-benchmark/MinimalWindow.cpp)
add_executable(startup_benchmark EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/startup-benchmark/StartupBenchmark.cpp)
foreach(target minimal_window startup_benchmark)
  target_compile_definitions(${target} PRIVATE UNICODE _UNICODE NOMINMAX)
  target_compile_options(${target} PRIVATE ${RAVIX_WARNINGS})
  target_link_options(${target} PRIVATE -municode -static)
endforeach()
set_target_properties(minimal_window PROPERTIES WIN32_EXECUTABLE ON)
target_link_libraries(startup_benchmark PRIVATE psapi)

# A benchmark of the colour plane's redraw, built on request by tools/colour-plane-benchmark.sh.
add_executable(colour_plane_benchmark EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/colour-benchmark/PlaneBenchmark.cpp)
target_link_libraries(colour_plane_benchmark PRIVATE ravix_win)
target_compile_options(colour_plane_benchmark PRIVATE ${RAVIX_WARNINGS})
target_link_options(colour_plane_benchmark PRIVATE -municode)

# A benchmark of opening the macro manager on a full library, built on request by
# tools/macro-manager-benchmark.sh; it needs the program's dialog templates.
add_executable(macro_manager_benchmark EXCLUDE_FROM_ALL
               ${CMAKE_SOURCE_DIR}/tools/macro-manager-benchmark/ManagerBenchmark.cpp
               ${CMAKE_SOURCE_DIR}/src/win/resources/VelmarRavix.rc)
add_dependencies(macro_manager_benchmark ravix_icon)
target_include_directories(macro_manager_benchmark PRIVATE ${CMAKE_SOURCE_DIR}/src/win/resources
                                                           ${CMAKE_BINARY_DIR}/src/win/resources)
target_link_libraries(macro_manager_benchmark PRIVATE ravix_win ravix_version)
target_compile_options(macro_manager_benchmark PRIVATE ${RAVIX_WARNINGS})
target_link_options(macro_manager_benchmark PRIVATE -municode)
