# Portable helpers for the native and the Win32 test programs: the test
# classes with a property of every kind, and a temporary directory.
add_library(qv_test_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/TestClasses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TempDir.cpp)
target_link_libraries(qv_test_core PUBLIC qv_framework_core)
