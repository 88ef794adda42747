#pragma once
// Where exceptions escaping window procedures, timers and other callbacks
// go: nothing may unwind through the system's callers, so they end here. The
// application installs its exception report; without one they are dropped.
#include <exception>
#include <functional>

using TExceptionReport = std::function<void(const std::exception& E)>;
void SetExceptionReport(TExceptionReport Report);

// Reports an exception escaping a window procedure, timer or callback
// through the installed exception report. Call it inside a catch block.
void HandleCallbackException();
