#pragma once
// What the control layer asks of the application above it: hints follow the
// mouse, the screen may impose one cursor, dialogs need an owner window. The
// forms layer installs a host; without one controls go without these.
#include <windows.h>

#include "framework/objects/StdIdents.h"

class TWinControl;

class TControlHost {
public:
  // The pointer moved over a point of Window's client area (the hint delay).
  virtual void NoteMouseOver(TWinControl* Window, POINT ClientPos) = 0;
  // The cursor imposed on every control; crDefault lets each show its own.
  virtual TCursor ScreenCursor() const = 0;
  // Shows Cursor; false when there is no cursor table to take it from.
  virtual bool ApplyCursor(TCursor Cursor) = 0;
  // The window that owns a dialog when no window is active (may be null).
  virtual HWND MainWindow() const = 0;

protected:
  ~TControlHost() = default;
};

TControlHost* ControlHost();
void SetControlHost(TControlHost* Host);
