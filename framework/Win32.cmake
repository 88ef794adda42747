# The Win32 layer of the framework: handles, registry, dialogs, graphics,
# application, forms, controls and menus over the portable object model.
set(QV_FRAMEWORK_WIN32_SOURCES
  controls/Controls.cpp
  controls/ObjectInstance.cpp
  win32/ExceptionReport.cpp
  win32/MessageWindow.cpp
  win32/Messages.cpp
  forms/Hints.cpp
  win32/DialogSeam.cpp
  win32/Dialogs.cpp
  forms/Forms.cpp
  forms/DialogKeys.cpp
  graphics/Graphics.cpp
  graphics/ImageList.cpp
  menus/Menus.cpp
  win32/Registry.cpp
  controls/Bevel.cpp
  controls/Button.cpp
  controls/ComboBox.cpp
  controls/CommonDialogs.cpp
  controls/ControlClasses.cpp
  controls/Edit.cpp
  controls/Image.cpp
  controls/Label.cpp
  controls/ListBox.cpp
  controls/ListControl.cpp
  controls/Panel.cpp
  controls/SpeedButton.cpp
  controls/StatusBar.cpp
  controls/Timer.cpp
  graphics/WinBitmap.cpp
)
list(TRANSFORM QV_FRAMEWORK_WIN32_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
add_library(qv_framework STATIC ${QV_FRAMEWORK_WIN32_SOURCES})
if(TARGET qv_framework_core)
  target_link_libraries(qv_framework PUBLIC qv_framework_core)
endif()
target_link_libraries(qv_framework PUBLIC
  user32 gdi32 comdlg32 comctl32 shell32 advapi32 ole32 msimg32)
