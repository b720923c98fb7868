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

add_executable(lanterpick WIN32 ${LANTERPICK_CORE_SOURCES} ${LANTERPICK_WINDOWS_SOURCES})
target_include_directories(lanterpick PRIVATE src res)
target_compile_options(lanterpick PRIVATE
  $<$<COMPILE_LANGUAGE:CXX>:-Os -Wall -Wextra -fno-exceptions -fno-rtti -ffunction-sections
  -fno-asynchronous-unwind-tables>)
# No -fdata-sections: with it this compiler stores the zeroed launch list (770 KB) in the file.
target_link_options(lanterpick PRIVATE -static -s -Wl,--gc-sections -Wl,--nxcompat
  -Wl,--dynamicbase)
target_link_libraries(lanterpick PRIVATE shell32)
set_source_files_properties(res/lanterpick.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/lanterpick.ico;${CMAKE_SOURCE_DIR}/res/lanterpick.manifest;${CMAKE_SOURCE_DIR}/res/resource.h")
