qv_add_test(framework_core_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TestClasses.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ObjectStreamTest.cpp
  LIBS qv_framework_core)
