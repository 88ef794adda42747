# Portable object model: no <windows.h> outside FileHandle_win32.cpp. The
# menu texts (access keys, shortcut names) build here too, to be tested natively.
set(QV_FRAMEWORK_CORE_SOURCES
  objects/SysUtils.cpp
  objects/TypInfo.cpp
  objects/Classes.cpp
  objects/StdIdents.cpp
  objects/StringList.cpp
  objects/Streams.cpp
  objects/Collection.cpp
  objects/ObjectStream.cpp
  objects/ObjectText.cpp
  objects/FormFile.cpp
  graphics/Font.cpp
  graphics/Picture.cpp
  menus/MenuText.cpp
)
if(WIN32)
  list(APPEND QV_FRAMEWORK_CORE_SOURCES objects/FileHandle_win32.cpp)
else()
  list(APPEND QV_FRAMEWORK_CORE_SOURCES objects/FileHandle_posix.cpp)
endif()
list(TRANSFORM QV_FRAMEWORK_CORE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
add_library(qv_framework_core STATIC ${QV_FRAMEWORK_CORE_SOURCES})
target_link_libraries(qv_framework_core PUBLIC qv_util)
