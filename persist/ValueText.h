#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/objects/TypInfo.h"

// Text encodings of plain property values by their type alone: integers (with
// the colour and cursor identifiers), enumerations by name and sets as "[a,b]".
// PropText applies them to live properties. Enumeration names and set texts
// are written with the object model's GetEnumName and SetToString.

// Integer property value as text: a `TColor` or `TCursor` with a standard
// identifier is written as that identifier, anything else as signed decimal
// of its 32 bits (so an unsigned value above 2^31 reads back unchanged).
std::string EncodeIntegerText(const TTypeInfo& Type, int64_t Value);

// Reading by the persistence component: an empty text changes nothing; a
// standard identifier (for `TColor`/`TCursor`), else the number, else 0.
std::optional<int32_t> DecodeIntegerText(const TTypeInfo& Type, std::string_view Text);

// Reading by the object manager: as above, except that unreadable text changes nothing.
std::optional<int32_t> DecodeObjMgrIntegerText(const TTypeInfo& Type, std::string_view Text);

// The set a stored text stands for, or nothing when it does not start with "[". The
// brackets (first and last character) are dropped, parts split at "," and
// trimmed, taken until the first empty part and at most as many as the
// member type has values; unknown names and values beyond bit 31 are skipped.
// (The form-text reader is stricter, failing on an unknown name; stored
// settings are read leniently so an old or hand-edited value still loads.)
std::optional<uint32_t> ParseSetText(const TTypeInfo& SetType, std::string_view Text);
