#include "framework/win32/DialogSeam.h"

namespace qv {

namespace {
IDialogAnswerer* currentAnswerer = nullptr;
}

IDialogAnswerer* DialogAnswerer() noexcept { return currentAnswerer; }

ScopedDialogAnswerer::ScopedDialogAnswerer(IDialogAnswerer& answerer) noexcept : previous_(currentAnswerer)
{
  currentAnswerer = &answerer;
}

ScopedDialogAnswerer::~ScopedDialogAnswerer() { currentAnswerer = previous_; }

}  // namespace qv
