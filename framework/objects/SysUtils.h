#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Small text helpers shared by the object model. Identifier comparisons in the
// object model follow Pascal rules: ASCII letters compare without regard to case.
bool SameText(std::string_view A, std::string_view B);
int CompareText(std::string_view A, std::string_view B);
std::string UpperCase(std::string_view S);
std::string LowerCase(std::string_view S);
std::string Trim(std::string_view S);
bool IsValidIdent(std::string_view S);

// Integer parsing in the Pascal style: optional sign, decimal or "$" hexadecimal;
// blanks around the number are allowed. Returns false for anything else or when
// the value does not fit in 32 bits (hexadecimal may use the full unsigned range).
bool TryStrToInt(std::string_view S, int32_t& Value);
std::string IntToStr(int64_t Value);
