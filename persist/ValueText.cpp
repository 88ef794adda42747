#include "persist/ValueText.h"

#include "framework/objects/SysUtils.h"

namespace {

// The stored settings name only colours and cursors. A font's character set
// keeps its number here even though its type has identifiers (the object
// stream writes "DEFAULT_CHARSET"): saved settings hold the number.
const TIdentMapping* StoredIdents(const TTypeInfo& Type)
{
  return Type.Name == "TColor" || Type.Name == "TCursor" ? Type.Idents : nullptr;
}

std::optional<int32_t> DecodeInteger(const TTypeInfo& Type, std::string_view Text)
{
  int32_t Value = 0;
  const TIdentMapping* Idents = StoredIdents(Type);
  if ((Idents && Idents->FromIdent(Text, Value)) || TryStrToInt(Text, Value)) return Value;
  return std::nullopt;
}

}  // namespace

std::string EncodeIntegerText(const TTypeInfo& Type, int64_t Value)
{
  const int32_t Bits = static_cast<int32_t>(static_cast<uint32_t>(Value));
  std::string Ident;
  const TIdentMapping* Idents = StoredIdents(Type);
  return Idents && Idents->ToIdent(Bits, Ident) ? Ident : std::to_string(Bits);
}

std::optional<int32_t> DecodeIntegerText(const TTypeInfo& Type, std::string_view Text)
{
  if (Text.empty()) return std::nullopt;
  return DecodeInteger(Type, Text).value_or(0);
}

std::optional<int32_t> DecodeObjMgrIntegerText(const TTypeInfo& Type, std::string_view Text)
{
  if (Text.empty()) return std::nullopt;
  return DecodeInteger(Type, Text);
}

std::optional<uint32_t> ParseSetText(const TTypeInfo& SetType, std::string_view Text)
{
  if (!Text.starts_with('[')) return std::nullopt;
  std::string_view Inner = Text.size() >= 2 ? Text.substr(1, Text.size() - 2) : std::string_view();
  const size_t MemberCount = SetType.CompType ? SetType.CompType->EnumNames.size() : 0;
  uint32_t Bits = 0;
  size_t Start = 0;
  for (size_t Taken = 0; Taken < MemberCount; ++Taken) {
    const size_t Comma = Inner.find(',', Start);
    const size_t Length = Comma == std::string_view::npos ? std::string_view::npos : Comma - Start;
    const std::string Part = Trim(Inner.substr(Start, Length));
    if (Part.empty()) break;
    const int64_t Ordinal = GetEnumValue(SetType.CompType, Part);
    if (Ordinal >= 0 && Ordinal <= 31) Bits |= uint32_t(1) << Ordinal;
    if (Comma == std::string_view::npos) break;
    Start = Comma + 1;
  }
  return Bits;
}
