#include "persist/ValueText.h"

#include "persist/PersistText.h"
#include "persist/StdIdents.h"

namespace {

int DigitValue(char C, int Base)
{
    int Value = -1;
    if (C >= '0' && C <= '9')
        Value = C - '0';
    else if (C >= 'a' && C <= 'f')
        Value = C - 'a' + 10;
    else if (C >= 'A' && C <= 'F')
        Value = C - 'A' + 10;
    return Value < Base ? Value : -1;
}

// Accumulates digits into a 64-bit value; false on a bad digit or when the
// value passes Limit.
bool ReadDigits(std::string_view Digits, int Base, uint64_t Limit, uint64_t& Value)
{
    if (Digits.empty())
        return false;
    Value = 0;
    for (char C : Digits) {
        int Digit = DigitValue(C, Base);
        if (Digit < 0)
            return false;
        Value = Value * static_cast<uint64_t>(Base) + static_cast<uint64_t>(Digit);
        if (Value > Limit)
            return false;
    }
    return true;
}

bool IsColorOrCursor(std::string_view TypeName)
{
    return TypeName == "TColor" || TypeName == "TCursor";
}

std::optional<int32_t> StdIdentValue(std::string_view TypeName, std::string_view Text)
{
    if (TypeName == "TColor")
        return StdColorValue(Text);
    if (TypeName == "TCursor")
        return StdCursorValue(Text);
    return std::nullopt;
}

} // namespace

std::optional<int32_t> TryStrToInt(std::string_view Text)
{
    size_t Pos = Text.find_first_not_of(' ');
    if (Pos == std::string_view::npos)
        return std::nullopt;
    Text.remove_prefix(Pos);
    bool Negative = false;
    if (Text.front() == '+' || Text.front() == '-') {
        Negative = Text.front() == '-';
        Text.remove_prefix(1);
    }
    int Base = 10;
    if (Text.starts_with('$')) {
        Base = 16;
        Text.remove_prefix(1);
    } else if (Text.starts_with("0x") || Text.starts_with("0X")) {
        Base = 16;
        Text.remove_prefix(2);
    }
    const uint64_t Limit = Base == 16 ? 0xFFFFFFFFu : (Negative ? 0x80000000u : 0x7FFFFFFFu);
    uint64_t Value = 0;
    if (!ReadDigits(Text, Base, Limit, Value))
        return std::nullopt;
    uint32_t Bits = static_cast<uint32_t>(Value);
    if (Negative)
        Bits = 0u - Bits;
    return static_cast<int32_t>(Bits);
}

std::string EncodeIntegerText(std::string_view TypeName, int32_t Value)
{
    std::optional<std::string> Ident;
    if (TypeName == "TColor")
        Ident = StdColorName(Value);
    else if (TypeName == "TCursor")
        Ident = StdCursorName(Value);
    return Ident ? *Ident : std::to_string(Value);
}

std::optional<int32_t> DecodeIntegerText(std::string_view TypeName, std::string_view Text)
{
    if (Text.empty())
        return std::nullopt;
    if (std::optional<int32_t> Ident = StdIdentValue(TypeName, Text))
        return Ident;
    return TryStrToInt(Text).value_or(0);
}

std::optional<int32_t> DecodeObjMgrIntegerText(std::string_view TypeName, std::string_view Text)
{
    if (Text.empty())
        return std::nullopt;
    if (IsColorOrCursor(TypeName))
        if (std::optional<int32_t> Ident = StdIdentValue(TypeName, Text))
            return Ident;
    return TryStrToInt(Text);
}

std::optional<int32_t> FindOrdinalName(const TOrdinalNames& Type, std::string_view Text)
{
    for (size_t I = 0; I < Type.Names.size(); ++I)
        if (SameText(Type.Names[I], Text))
            return Type.MinValue + static_cast<int32_t>(I);
    return std::nullopt;
}

std::string FormatSetText(uint32_t Bits, const TOrdinalNames& MemberType)
{
    std::string Text = "[";
    for (size_t I = 0; I < MemberType.Names.size(); ++I) {
        int64_t Ordinal = int64_t{MemberType.MinValue} + static_cast<int64_t>(I);
        if (Ordinal < 0 || Ordinal > 31 || (Bits & (1u << Ordinal)) == 0)
            continue;
        if (Text.size() > 1)
            Text += ',';
        Text += MemberType.Names[I];
    }
    return Text + "]";
}

std::optional<uint32_t> ParseSetText(std::string_view Text, const TOrdinalNames& MemberType)
{
    if (!Text.starts_with('['))
        return std::nullopt;
    std::string_view Inner = Text.size() >= 2 ? Text.substr(1, Text.size() - 2) : std::string_view();
    uint32_t Bits = 0;
    size_t Start = 0;
    for (size_t Taken = 0; Taken < MemberType.Names.size(); ++Taken) {
        size_t Comma = Inner.find(',', Start);
        std::string Part = TrimText(Inner.substr(Start, Comma == std::string_view::npos
                                                            ? std::string_view::npos
                                                            : Comma - Start));
        if (Part.empty())
            break;
        std::optional<int32_t> Ordinal = FindOrdinalName(MemberType, Part);
        if (Ordinal && *Ordinal >= 0 && *Ordinal <= 31)
            Bits |= 1u << *Ordinal;
        if (Comma == std::string_view::npos)
            break;
        Start = Comma + 1;
    }
    return Bits;
}
