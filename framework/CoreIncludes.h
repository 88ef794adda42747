#pragma once
// The portable object model as the Win32 files include it, after <windows.h>.
#include <windows.h>

#include "framework/Classes.h"
#include "framework/Font.h"
#include "framework/Picture.h"
#include "framework/StdIdents.h"
#include "framework/StringList.h"
