#pragma once
// The portable object model as the Win32 files include it, after <windows.h>.
#include <windows.h>

#include "framework/objects/Classes.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Picture.h"
#include "framework/objects/StdIdents.h"
#include "framework/objects/StringList.h"
