#pragma once
#include <string>
#include <string_view>

#include "framework/objects/TypInfo.h"

// Stored texts of plain (not object-valued) design-time properties.
//
// Persistence component: integers (colours and cursors by identifier when
// they have one), characters, enumerations and Booleans by name, strings,
// and sets as "[a,b]"; other kinds are stored as the empty text and never applied.
std::string GetPropAsString(TObject& Instance, const TPropInfo& Prop);
// Applies a stored text. Texts that do not fit leave the property as it is,
// except unreadable integers, which give 0. Setter failures reach the caller.
void SetPropFromString(TObject& Instance, const TPropInfo& Prop, std::string_view Text);

// Object manager: only integers, characters and strings; unreadable integers
// leave the property as it is. Other kinds store the empty text.
std::string GetObjMgrPropAsString(TObject& Instance, const TPropInfo& Prop);
void SetObjMgrPropFromString(TObject& Instance, const TPropInfo& Prop, std::string_view Text);
