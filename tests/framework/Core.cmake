qv_add_test(framework_core_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TestCarrier.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClassesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TypInfoTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StreamsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ObjectStreamTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ObjectTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuTextTest.cpp
  LIBS qv_framework_core qv_test_core)
