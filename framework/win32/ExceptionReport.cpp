#include "framework/win32/ExceptionReport.h"

namespace {
TExceptionReport& Report()
{
  static TExceptionReport report;
  return report;
}
}  // namespace

void SetExceptionReport(TExceptionReport Value) { Report() = std::move(Value); }

void HandleCallbackException()
{
  try {
    throw;
  } catch (const std::exception& e) {
    if (Report()) Report()(e);
  } catch (...) {
    // Nothing more is known about an exception of another type.
  }
}
