#pragma once
// Window procedures that call a method of an object: what a component needs
// to put its own procedure in front of someone else's window (SetWindowLongPtrA
// with GWLP_WNDPROC). Each instance is a distinct plain procedure from a fixed
// table, so several hooks on one window each reach their own object without
// window properties or executable thunks.
#include "framework/controls/Controls.h"

#include <functional>

using TWndMethod = std::function<void(TMessage& Message)>;

// A procedure that calls Method with each message and returns its Result;
// null when every instance is in use. Exceptions from Method go to the
// application's exception report (the Result then stays what Method left).
WNDPROC MakeObjectInstance(TWndMethod Method);
// Gives the instance back. A window still running it afterwards gets
// DefWindowProcA, so remove the procedure from the window first.
void FreeObjectInstance(WNDPROC Proc);
// Instances handed out and not given back (for leak tests).
int ObjectInstanceCount();
