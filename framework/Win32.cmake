# The Win32 layer of the framework: handles, registry, dialogs, graphics,
# application, forms, controls and menus over the portable object model.
add_library(qv_framework STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DialogSeam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Registry.cpp)
if(TARGET qv_framework_core)
  target_link_libraries(qv_framework PUBLIC qv_framework_core)
endif()
target_link_libraries(qv_framework PUBLIC
  user32 gdi32 comdlg32 comctl32 shell32 advapi32 ole32 msimg32)
