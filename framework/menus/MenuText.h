#pragma once
// Texts of menu captions and shortcuts: the access key that "&" marks in a
// caption, and the key names of shortcuts ("Ctrl+S"). Free of Windows, so
// the native tests reach them; key codes are the Win32 virtual-key codes.
#include <cstdint>
#include <string>

// Key code in the low byte, modifiers in the high bits.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

// "F2", "Ctrl+S", "Shift+Ctrl+Alt+Del"; empty for no shortcut or a key
// without a name.
std::string ShortCutToText(TShortCut Value);
// The shortcut ShortCutToText gives Text for, ignoring letter case and the
// order of the modifiers; 0 when Text names no key.
TShortCut TextToShortCut(const std::string& Text);

// The character after the first single "&" of Caption, upper-cased; 0 when
// none ("&&" is a literal ampersand, a trailing "&" marks nothing).
char GetHotkey(const std::string& Caption);
// Whether VK is Caption's access key ("&File" answers 'F' and 'f').
bool IsAccel(unsigned VK, const std::string& Caption);
// Caption without access-key markers ("&&" becomes "&").
std::string StripHotkey(const std::string& Caption);
