# Windows tests of the framework's Win32 layer; each executable runs under Wine
# in the Xvfb and wineserver of the wine_env fixture.
if(NOT TARGET qv_test_support)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tests/support ${CMAKE_BINARY_DIR}/tests/support)
endif()
qv_add_test(framework_win32_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RegistryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HandlesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CanvasTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontWin32Test.cpp
  LIBS qv_framework qv_test_support)
# Form files of the test forms, compiled in as RCDATA resources.
qv_add_test(framework_forms_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FormsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NonClientHookTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LabelTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListControlTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/forms/TestForms.rc
  LIBS qv_framework qv_test_support)
