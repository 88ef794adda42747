# Portable object model: no <windows.h> outside FileHandle_win32.cpp.
set(QV_FRAMEWORK_CORE_SOURCES
  SysUtils.cpp
  TypInfo.cpp
  Classes.cpp
  StdIdents.cpp
  StringList.cpp
  Streams.cpp
  Collection.cpp
  ObjectStream.cpp
  ObjectText.cpp
  FormFile.cpp
  Font.cpp
  Picture.cpp
)
if(WIN32)
  list(APPEND QV_FRAMEWORK_CORE_SOURCES FileHandle_win32.cpp)
else()
  list(APPEND QV_FRAMEWORK_CORE_SOURCES FileHandle_posix.cpp)
endif()
list(TRANSFORM QV_FRAMEWORK_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
add_library(qv_framework_core STATIC ${QV_FRAMEWORK_CORE_SOURCES})
target_link_libraries(qv_framework_core PUBLIC qv_util)
