#pragma once
// Message boxes and the system's common dialogs (open, save, font). Every call
// goes through the answerer of DialogSeam first, so tests can answer them.
#include <windows.h>

#include <string>

#include "framework/win32/DialogSeam.h"

namespace qv {

// The kinds of message box the program shows.
enum class TMsgBoxKind { Error, Warning, Information, Confirmation };

// Flags for MessageBoxA: Confirmation asks OK/Cancel, the others show OK.
UINT MessageBoxFlags(TMsgBoxKind kind) noexcept;

// Returns IDOK or IDCANCEL (IDOK for the one-button kinds).
int ShowMessageBox(const std::string& text, const std::string& caption, TMsgBoxKind kind, HWND owner = nullptr);

// "Text (*.txt)|*.txt" becomes the NUL-separated, double-NUL-terminated form.
std::string FilterToNulSeparated(const std::string& filter);

// Runs the open or save dialog. The answer carries the chosen file name and
// filter index when confirmed.
TFileDialogAnswer RunFileDialog(const TFileDialogRequest& request, HWND owner);

// Runs the font dialog starting from font and colour; true and the chosen
// font when confirmed. flags are extra CF_* flags.
bool RunFontDialog(LOGFONTA& font, COLORREF& color, DWORD flags, HWND owner);

}  // namespace qv
