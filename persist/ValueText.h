#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text encodings of plain property values, free of any object: integers (with
// the colour and cursor identifiers), enumerations by name and sets as
// "[a,b]". The reflection glue applies them to live properties.

// Integer text: leading blanks, an optional sign, then decimal digits or "$"
// (or "0x") and hexadecimal digits, nothing after. Decimal must fit 32 bits
// signed; hexadecimal up to 32 bits, taken as their two's-complement value.
std::optional<int32_t> TryStrToInt(std::string_view Text);

// Integer property value as text; a `TColor` or `TCursor` with a standard
// identifier is written as that identifier.
std::string EncodeIntegerText(std::string_view TypeName, int32_t Value);

// Reading by the persistence component: an empty text changes nothing; a
// standard identifier (for `TColor`/`TCursor`), else the number, else 0.
std::optional<int32_t> DecodeIntegerText(std::string_view TypeName, std::string_view Text);

// Reading by the object manager: as above, except that unreadable text changes nothing.
std::optional<int32_t> DecodeObjMgrIntegerText(std::string_view TypeName, std::string_view Text);

// Names of an ordinal type's values from MinValue upwards.
struct TOrdinalNames {
    int32_t MinValue = 0;
    std::vector<std::string> Names;
};

// Value whose name equals Text ignoring letter case.
std::optional<int32_t> FindOrdinalName(const TOrdinalNames& Type, std::string_view Text);

// "[" + names of the members in ascending order, "," between, + "]".
std::string FormatSetText(uint32_t Bits, const TOrdinalNames& MemberType);

// The set a text stands for, or nothing when it does not start with "[". The
// brackets (first and last character) are dropped, parts split at "," and
// trimmed, taken until the first empty part and at most as many as the type
// has values; unknown names and values beyond bit 31 are skipped.
std::optional<uint32_t> ParseSetText(std::string_view Text, const TOrdinalNames& MemberType);
