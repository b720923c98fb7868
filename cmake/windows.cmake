# lanterpick.exe: one static GUI exe importing only system DLLs, plus the end-to-end test tools.
enable_language(RC)

set(LANTERPICK_WINDOWS_SOURCES
  src/launcher/launch_win.cpp
  src/launcher/main_win.cpp
  src/launcher/platform_win.cpp
  src/dialog/file_list_win.cpp
  src/dialog/launcher_dialog_win.cpp
  src/dialog/layout_win.cpp
  res/lanterpick.rc
)

# The x64 test stand-in asks for the 64-bit common controls; the shipped exe is 32-bit.
set(LANTERPICK_GENERATED_RES ${CMAKE_BINARY_DIR}/generated-res)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  file(READ res/lanterpick.manifest manifest)
  string(REPLACE "processorArchitecture=\"X86\"" "processorArchitecture=\"amd64\"" manifest
    "${manifest}")
  file(WRITE ${LANTERPICK_GENERATED_RES}/lanterpick-amd64.manifest "${manifest}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS res/lanterpick.manifest)
endif()

add_executable(lanterpick WIN32 ${LANTERPICK_CORE_SOURCES} ${LANTERPICK_WINDOWS_SOURCES})
target_include_directories(lanterpick PRIVATE src res ${LANTERPICK_GENERATED_RES})
target_compile_options(lanterpick PRIVATE
  $<$<COMPILE_LANGUAGE:CXX>:-Os -Wall -Wextra -fno-exceptions -fno-rtti -ffunction-sections
  -fno-asynchronous-unwind-tables>)
# No -fdata-sections: with it this compiler stores the zeroed launch list (770 KB) in the file.
# No link time in the header, so every build of one commit gives the same bytes.
target_link_options(lanterpick PRIVATE -static -s -Wl,--gc-sections -Wl,--nxcompat
  -Wl,--dynamicbase -Wl,--no-insert-timestamp)
target_link_libraries(lanterpick PRIVATE shell32)
set_source_files_properties(res/lanterpick.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/lanterpick.ico;${CMAKE_SOURCE_DIR}/res/lanterpick.manifest;${CMAKE_SOURCE_DIR}/res/resource.h")

# An author's own icon in place of the drawn one: the same group id, the images of that .ico
# (scripts/build-exe --icon checks it first). Without it the build is the shipped one, unchanged.
set(LANTERPICK_ICON "" CACHE FILEPATH "An .ico file to build in place of res/lanterpick.ico")
if(LANTERPICK_ICON)
  configure_file("${LANTERPICK_ICON}" ${CMAKE_BINARY_DIR}/author-icon/lanterpick.ico COPYONLY)
  target_include_directories(lanterpick BEFORE PRIVATE ${CMAKE_BINARY_DIR}/author-icon)
  set_property(SOURCE res/lanterpick.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_BINARY_DIR}/author-icon/lanterpick.ico)
endif()

# lanterpick-check as a Windows console program: the same logic over the platform's own folders.
add_executable(lanterpick-check ${LANTERPICK_CORE_SOURCES} ${LANTERPICK_PROFILE_SOURCES}
  ${LANTERPICK_CHECKER_SOURCES} src/checker/checker_main.cpp src/checker/host_files_win.cpp
  src/checker/system_profile_win.cpp)
target_include_directories(lanterpick-check PRIVATE src res)
target_compile_options(lanterpick-check PRIVATE -Os -Wall -Wextra)
target_link_options(lanterpick-check PRIVATE -static -s -Wl,--no-insert-timestamp)

# The end-to-end driver and the helper that records a launch.
# The driver shares the row-text rules with the exe to know what each row should read.
add_executable(e2e-driver
  tests/e2e/driver.cpp tests/e2e/folders.cpp tests/e2e/scenarios.cpp tests/e2e/stage.cpp
  tests/e2e/windows.cpp tests/e2e/observation.cpp
  tests/e2e/behaviour_tests.cpp tests/e2e/files_section_tests.cpp tests/e2e/folder_mode_tests.cpp
  tests/e2e/hostile_input_tests.cpp tests/e2e/startup_benchmark.cpp
  tests/e2e/layout_tests.cpp tests/e2e/resource_tests.cpp tests/e2e/row_text_tests.cpp tests/e2e/startup_tests.cpp
  src/dialog/item_text.cpp src/config/text_rules.cpp)
target_include_directories(e2e-driver PRIVATE tests/e2e res src)
target_compile_options(e2e-driver PRIVATE -Wall -Wextra)
target_link_options(e2e-driver PRIVATE -static)
target_link_libraries(e2e-driver PRIVATE version gdi32 advapi32 psapi)

add_executable(launch-marker WIN32 tests/e2e/launch_marker.cpp)
target_link_options(launch-marker PRIVATE -static)

# The floor for start-up timings: the same template and resources, none of the logic.
add_executable(reference-dialog WIN32 tests/bench/reference_dialog.cpp res/lanterpick.rc)
target_include_directories(reference-dialog PRIVATE res ${LANTERPICK_GENERATED_RES})
target_compile_options(reference-dialog PRIVATE -Os)
target_link_options(reference-dialog PRIVATE -static -s)

# The demo's eyes: waits for the launcher's own window and selects a row of it.
add_executable(demo-window scripts/lib/demo_window.cpp)
target_include_directories(demo-window PRIVATE res)
target_compile_options(demo-window PRIVATE -Wall -Wextra)
target_link_options(demo-window PRIVATE -static)
