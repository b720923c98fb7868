# The logic on the host: unit tests (optionally under ASan+UBSan), benchmarks and fuzz targets.
option(LANTERPICK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(LANTERPICK_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(LANTERPICK_SANITIZE OR LANTERPICK_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
if(LANTERPICK_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)  # coverage of the logic guides the fuzzer
endif()
add_compile_options(-Wall -Wextra)

add_library(lanterpick_core STATIC ${LANTERPICK_CORE_SOURCES})
target_include_directories(lanterpick_core PUBLIC src)

# The host side of the launcher's logic: the profile reader and the folder checker's pieces.
add_library(lanterpick_profile STATIC ${LANTERPICK_PROFILE_SOURCES}
  src/checker/system_profile_posix.cpp)
target_link_libraries(lanterpick_profile PUBLIC lanterpick_core)

# lanterpick-check: the launcher's own logic over a folder on the host.
# Object libraries: the platform side of the logic goes into each program whole.
add_library(lanterpick_checker OBJECT ${LANTERPICK_CHECKER_SOURCES}
  src/checker/host_files_posix.cpp)
target_link_libraries(lanterpick_checker PUBLIC lanterpick_profile)
target_include_directories(lanterpick_checker PRIVATE res)  # the template's numbers
add_executable(lanterpick-check src/checker/checker_main.cpp)
target_link_libraries(lanterpick-check PRIVATE lanterpick_checker)

# check-icon: whether an author's .ico can be built into the launcher.
add_library(lanterpick_icon STATIC src/icon/icon_file.cpp)
target_include_directories(lanterpick_icon PUBLIC src)
add_executable(check-icon src/icon/check_icon.cpp)
target_link_libraries(check-icon PRIVATE lanterpick_icon)

# Stands in for Win32 behind platform.h: an INI in memory, a folder as a list, messages recorded.
add_library(fake_platform OBJECT tests/unit/fake_platform.cpp src/launcher/format_host.cpp)
target_link_libraries(fake_platform PUBLIC lanterpick_profile)
target_include_directories(fake_platform PUBLIC tests/unit)

if(LANTERPICK_FUZZ)
  foreach(target files_parser folder item_text program_path settings)
    add_executable(fuzz_${target} tests/fuzz/fuzz_${target}.cpp)
    target_compile_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_${target} PRIVATE fake_platform)
  endforeach()
  add_executable(fuzz_checker tests/fuzz/fuzz_checker.cpp)
  target_compile_options(fuzz_checker PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_checker PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_checker PRIVATE lanterpick_checker)
  return()
endif()

find_package(GTest REQUIRED)
enable_testing()
add_executable(unit_tests
  tests/unit/ansi_text_test.cpp
  tests/unit/configuration_mode_test.cpp
  tests/unit/files_parser_test.cpp
  tests/unit/folder_scan_test.cpp
  tests/unit/geometry_test.cpp
  tests/unit/icon_file_test.cpp
  tests/unit/ini_mend_test.cpp
  tests/unit/item_text_test.cpp
  tests/unit/messages_test.cpp
  tests/unit/profile_reader_test.cpp
  tests/unit/reading_warnings_test.cpp
  tests/unit/program_path_test.cpp
  tests/unit/settings_test.cpp
  tests/unit/startup_test.cpp
  tests/unit/text_encoding_test.cpp
  tests/unit/windows_path_test.cpp
)
target_link_libraries(unit_tests PRIVATE fake_platform lanterpick_icon GTest::gtest_main)
# The icon tests also run check-icon itself, as the build does.
add_dependencies(unit_tests check-icon)
target_compile_definitions(unit_tests PRIVATE CHECK_ICON_PROGRAM="$<TARGET_FILE:check-icon>")
include(GoogleTest)
gtest_discover_tests(unit_tests)

# Speed figures: Google Benchmarks of the logic, and one start-up for callgrind to count.
find_package(benchmark REQUIRED)
add_executable(host_benchmarks tests/bench/host_benchmarks.cpp)
target_link_libraries(host_benchmarks PRIVATE fake_platform benchmark::benchmark)
add_executable(startup_replay tests/bench/startup_replay.cpp)
target_link_libraries(startup_replay PRIVATE fake_platform)

# The checker against what lanterpick.exe showed under Wine (run by scripts/test after the
# end-to-end tests).
add_executable(differential_test tests/checker/differential_test.cpp)
target_link_libraries(differential_test PRIVATE lanterpick_checker)
add_test(NAME checker_command_line
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/checker/cli_test.sh $<TARGET_FILE:lanterpick-check>)
