# Portable helpers for the native and the Win32 test programs: the temporary
# directory, and the test classes with a property of every kind.
add_library(qv_test_tempdir STATIC ${CMAKE_CURRENT_LIST_DIR}/TempDir.cpp)
add_library(qv_test_core STATIC ${CMAKE_CURRENT_LIST_DIR}/TestClasses.cpp)
target_link_libraries(qv_test_core PUBLIC qv_framework_core qv_test_tempdir)
