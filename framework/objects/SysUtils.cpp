#include "framework/objects/SysUtils.h"

namespace {
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

int CompareText(std::string_view A, std::string_view B)
{
  const size_t n = A.size() < B.size() ? A.size() : B.size();
  for (size_t i = 0; i < n; ++i) {
    const unsigned char a = static_cast<unsigned char>(AsciiUpper(A[i]));
    const unsigned char b = static_cast<unsigned char>(AsciiUpper(B[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  if (A.size() == B.size()) return 0;
  return A.size() < B.size() ? -1 : 1;
}

bool SameText(std::string_view A, std::string_view B) { return A.size() == B.size() && CompareText(A, B) == 0; }

std::string UpperCase(std::string_view S)
{
  std::string r(S);
  for (char& c : r) c = AsciiUpper(c);
  return r;
}

std::string LowerCase(std::string_view S)
{
  std::string r(S);
  for (char& c : r) c = AsciiLower(c);
  return r;
}

std::string Trim(std::string_view S)
{
  size_t b = 0, e = S.size();
  while (b < e && IsBlank(S[b])) ++b;
  while (e > b && IsBlank(S[e - 1])) --e;
  return std::string(S.substr(b, e - b));
}

bool IsValidIdent(std::string_view S)
{
  if (S.empty()) return false;
  for (size_t i = 0; i < S.size(); ++i) {
    const char c = S[i];
    const bool alpha = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    const bool digit = c >= '0' && c <= '9';
    if (!alpha && !(digit && i > 0)) return false;
  }
  return true;
}

bool TryStrToInt(std::string_view S, int32_t& Value)
{
  const std::string t = Trim(S);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
  const bool hex = i < t.size() && t[i] == '$';
  if (hex) ++i;
  if (i >= t.size()) return false;
  uint64_t v = 0;
  for (; i < t.size(); ++i) {
    const char c = AsciiUpper(t[i]);
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (hex && c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      return false;
    v = v * (hex ? 16 : 10) + static_cast<uint64_t>(d);
    if (v > 0xFFFFFFFFull) return false;
  }
  if (!hex && v > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
  const uint32_t bits = static_cast<uint32_t>(v);
  Value = static_cast<int32_t>(negative ? 0u - bits : bits);
  return true;
}

std::string IntToStr(int64_t Value) { return std::to_string(Value); }
