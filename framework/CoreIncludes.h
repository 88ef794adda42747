#pragma once
// The portable object model as the Win32 files include it, after <windows.h>.
// Font.h declares its own MulDiv with the same signature as kernel32's; the
// two agree, but GCC warns about the differing import attribute, so the
// warning is silenced for this one inclusion.
#include <windows.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wattributes"
#include "framework/Font.h"
#pragma GCC diagnostic pop
#include "framework/Classes.h"
#include "framework/Picture.h"
#include "framework/StdIdents.h"
#include "framework/StringList.h"
