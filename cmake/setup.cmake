# Picks what to build from the target platform: the Windows exe and its end-to-end driver when
# cross-compiling, the unit tests, benchmarks and fuzzers on the host.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  include(cmake/windows.cmake)
else()
  include(cmake/host.cmake)
endif()
