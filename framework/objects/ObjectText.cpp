#include "framework/objects/ObjectText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "framework/objects/ObjectStream.h"
#include "framework/objects/Reader.h"
#include "framework/objects/Writer.h"
#include "framework/objects/Streams.h"
#include "framework/objects/SysUtils.h"

namespace {

const char HexDigits[] = "0123456789ABCDEF";

// Words that start or end an object; no value may be one of them, or the
// text would not read back.
bool IsObjectKeyword(std::string_view S)
{
  return SameText(S, "object") || SameText(S, "inherited") || SameText(S, "inline") || SameText(S, "end");
}

bool IsKeyword(std::string_view S)
{
  return SameText(S, "object") || SameText(S, "inherited") || SameText(S, "inline") || SameText(S, "end") ||
         SameText(S, "item");
}

bool IsDottedIdent(std::string_view S)
{
  size_t start = 0;
  for (;;) {
    const size_t dot = S.find('.', start);
    if (!IsValidIdent(S.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start)))
      return false;
    if (dot == std::string_view::npos) return true;
    start = dot + 1;
  }
}

std::string FloatText(double Value)
{
  if (std::isnan(Value)) return std::signbit(Value) ? "-NAN" : "+NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "+INF";
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, Value);
  std::string s(buf, result.ptr);
  // Without a point or exponent the text would read back as an integer.
  if (s.find_first_of(".eE") == std::string::npos) s += ".0";
  return s;
}

std::string QuotedText(std::string_view S, const std::string& Indent)
{
  if (S.empty()) return "''";
  std::string r;
  bool inQuote = false;
  size_t lineStart = 0;
  for (size_t i = 0; i < S.size(); ++i) {
    // Long strings continue on the next line so form files stay readable.
    if (i > 0 && i % 64 == 0 && r.size() > lineStart) {
      if (inQuote) r += '\'';
      inQuote = false;
      r += " +\r\n" + Indent;
      lineStart = r.size();
    }
    const unsigned char c = static_cast<unsigned char>(S[i]);
    if (c < ' ') {
      if (inQuote) r += '\'';
      inQuote = false;
      r += '#' + std::to_string(c);
    } else {
      if (!inQuote) r += '\'';
      inQuote = true;
      r += static_cast<char>(c);
      if (c == '\'') r += '\'';
    }
  }
  if (inQuote) r += '\'';
  return r;
}

// ---------------------------------------------------------------------------
// Binary to text

class TBinaryToText {
public:
  TBinaryToText(TStream& Input, std::string& Output) : FReader(Input), FInput(Input), FOut(Output) {}

  void Convert()
  {
    FReader.ReadSignature();
    ConvertObject(0);
  }

private:
  static std::string Spaces(int Indent) { return std::string(static_cast<size_t>(Indent), ' '); }

  void Enter()
  {
    if (++FDepth > MaxStreamNesting) throw EReadError("Invalid stream format: objects nested too deeply");
  }

  std::string Name(bool AllowEmpty, bool Dotted)
  {
    const std::string s = FReader.ReadStr();
    if ((s.empty() && AllowEmpty) || (Dotted ? IsDottedIdent(s) : IsValidIdent(s))) return s;
    throw EReadError("Invalid stream format: bad name");
  }

  void ConvertObject(int Indent)
  {
    Enter();
    uint8_t flags;
    int childPos;
    FReader.ReadPrefix(flags, childPos);
    const std::string className = Name(false, false);
    const std::string objectName = Name(true, false);
    FOut += Spaces(Indent);
    FOut += (flags & ffInherited) ? "inherited " : (flags & ffInline) ? "inline " : "object ";
    FOut += objectName.empty() ? className : objectName + ": " + className;
    if (flags & ffChildPos) FOut += " [" + std::to_string(childPos) + "]";
    FOut += "\r\n";
    while (!FReader.EndOfList()) ConvertProperty(Indent + 2);
    FReader.ReadListEnd();
    while (!FReader.EndOfList()) ConvertObject(Indent + 2);
    FReader.ReadListEnd();
    FOut += Spaces(Indent) + "end\r\n";
    --FDepth;
  }

  void ConvertProperty(int Indent)
  {
    const std::string name = Name(false, true);
    if (IsKeyword(name.substr(0, name.find('.')))) throw EReadError("Invalid stream format: bad name");
    FOut += Spaces(Indent) + name + " = ";
    ConvertValue(Indent);
    FOut += "\r\n";
  }

  void ConvertValue(int Indent)
  {
    switch (FReader.NextValue()) {
      case vaList: ConvertList(Indent); break;
      case vaInt8:
      case vaInt16:
      case vaInt32: FOut += std::to_string(FReader.ReadInteger()); break;
      case vaExtended: FOut += FloatText(FReader.ReadFloat()); break;
      case vaString:
      case vaLString: FOut += QuotedText(FReader.ReadString(), Spaces(Indent + 2)); break;
      case vaIdent: {
        FReader.ReadValue();
        const std::string ident = Name(false, true);
        if (IsObjectKeyword(ident)) throw EReadError("Invalid stream format: bad name");
        FOut += ident;
        break;
      }
      case vaFalse:
      case vaTrue:
      case vaNil: FOut += FReader.ReadIdent(); break;
      case vaBinary: ConvertBinary(Indent); break;
      case vaSet: ConvertSet(); break;
      case vaCollection: ConvertCollection(Indent); break;
      default: throw EReadError("Invalid stream format");
    }
  }

  void ConvertList(int Indent)
  {
    Enter();
    FReader.ReadListBegin();
    FOut += "(";
    while (!FReader.EndOfList()) {
      FOut += "\r\n" + Spaces(Indent + 2);
      ConvertValue(Indent + 2);
    }
    FReader.ReadListEnd();
    FOut += ")";
    --FDepth;
  }

  void ConvertBinary(int Indent)
  {
    FReader.ReadValue();
    uint8_t b[4];
    FInput.ReadBuffer(b, 4);
    const uint32_t len = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
    if (static_cast<int64_t>(len) > FInput.Remaining()) throw EReadError("Stream read error");
    FOut += "{";
    uint8_t chunk[32];
    for (uint32_t done = 0; done < len;) {
      const uint32_t n = len - done < 32 ? len - done : 32;
      FInput.ReadBuffer(chunk, n);
      FOut += "\r\n" + Spaces(Indent + 2);
      for (uint32_t i = 0; i < n; ++i) {
        FOut += HexDigits[chunk[i] >> 4];
        FOut += HexDigits[chunk[i] & 15];
      }
      done += n;
    }
    FOut += "}";
  }

  void ConvertSet()
  {
    FReader.ReadValue();
    FOut += "[";
    for (bool first = true;; first = false) {
      const std::string s = FReader.ReadStr();
      if (s.empty()) break;
      if (!IsValidIdent(s)) throw EReadError("Invalid stream format: bad name");
      if (!first) FOut += ", ";
      FOut += s;
    }
    FOut += "]";
  }

  void ConvertCollection(int Indent)
  {
    Enter();
    FReader.ReadValue();
    FOut += "<";
    while (!FReader.EndOfList()) {
      FOut += "\r\n" + Spaces(Indent + 2) + "item";
      const TValueType next = FReader.NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32)
        FOut += " [" + std::to_string(FReader.ReadInteger()) + "]";
      FOut += "\r\n";
      FReader.ReadListBegin();
      while (!FReader.EndOfList()) ConvertProperty(Indent + 4);
      FReader.ReadListEnd();
      FOut += Spaces(Indent + 2) + "end";
    }
    FReader.ReadListEnd();
    FOut += ">";
    --FDepth;
  }

  TReader FReader;
  TStream& FInput;
  std::string& FOut;
  int FDepth = 0;
};

// ---------------------------------------------------------------------------
// Text to binary

enum TTokenKind { tkEof, tkSymbol, tkIdent, tkStringTok, tkIntegerTok, tkFloatTok };

struct TToken {
  TTokenKind Kind = tkEof;
  char Symbol = 0;
  std::string Text;  // identifier, or the string's characters
  int64_t Integer = 0;
  double Float = 0;
};

class TTextParser {
public:
  TTextParser(std::string_view Text, TStream& Output) : FText(Text), FWriter(Output) {}

  void Convert()
  {
    Next();
    FWriter.WriteSignature();
    ParseObject();
    if (FToken.Kind != tkEof) Error("End of text expected");
  }

private:
  [[noreturn]] void Error(const std::string& Message) const
  {
    throw EParserError("Line " + std::to_string(FLine) + ": " + Message);
  }

  // --- tokens

  void SkipBlanks()
  {
    while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' ') {
      if (FText[FPos] == '\n') ++FLine;
      ++FPos;
    }
  }

  static bool IsIdentChar(char c, bool First)
  {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (!First && c >= '0' && c <= '9');
  }

  void Next()
  {
    SkipBlanks();
    FToken = TToken();
    if (FPos >= FText.size()) return;
    const char c = FText[FPos];
    if (IsIdentChar(c, true)) {
      const size_t start = FPos;
      while (FPos < FText.size() && IsIdentChar(FText[FPos], false)) ++FPos;
      FToken.Kind = tkIdent;
      FToken.Text = std::string(FText.substr(start, FPos - start));
    } else if (c == '\'' || c == '#') {
      ScanString();
    } else if (c >= '0' && c <= '9') {
      ScanNumber();
    } else if (c == '$') {
      ScanHex();
    } else {
      FToken.Kind = tkSymbol;
      FToken.Symbol = c;
      ++FPos;
    }
  }

  void ScanString()
  {
    FToken.Kind = tkStringTok;
    while (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#')) {
      if (FText[FPos] == '#') {
        ++FPos;
        int64_t code = 0;
        const size_t start = FPos;
        while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9' && code <= 255)
          code = code * 10 + (FText[FPos++] - '0');
        if (FPos == start || code > 255) Error("Invalid character code");
        FToken.Text += static_cast<char>(code);
        continue;
      }
      ++FPos;
      for (;;) {
        if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r') Error("Unterminated string");
        if (FText[FPos] == '\'') {
          if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
            FToken.Text += '\'';
            FPos += 2;
            continue;
          }
          ++FPos;
          break;
        }
        FToken.Text += FText[FPos++];
      }
    }
  }

  void ScanNumber()
  {
    const size_t start = FPos;
    bool isFloat = false;
    while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9') ++FPos;
    if (FPos + 1 < FText.size() && FText[FPos] == '.' && FText[FPos + 1] >= '0' && FText[FPos + 1] <= '9') {
      isFloat = true;
      ++FPos;
      while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9') ++FPos;
    }
    if (FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E')) {
      size_t p = FPos + 1;
      if (p < FText.size() && (FText[p] == '+' || FText[p] == '-')) ++p;
      if (p < FText.size() && FText[p] >= '0' && FText[p] <= '9') {
        isFloat = true;
        FPos = p;
        while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9') ++FPos;
      }
    }
    const std::string s(FText.substr(start, FPos - start));
    if (isFloat) {
      FToken.Kind = tkFloatTok;
      FToken.Float = ParseFloat(s);
      return;
    }
    FToken.Kind = tkIntegerTok;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), FToken.Integer);
    if (r.ec != std::errc() || FToken.Integer > 0x80000000ll) Error("Integer out of range: " + s);
  }

  double ParseFloat(const std::string& S)
  {
    double v = 0;
    const auto r = std::from_chars(S.data(), S.data() + S.size(), v);
    if (r.ec == std::errc::result_out_of_range)
      return std::strtod(S.c_str(), nullptr);  // overflow to infinity, underflow towards 0
    if (r.ec != std::errc()) Error("Invalid number: " + S);
    return v;
  }

  void ScanHex()
  {
    const size_t start = ++FPos;
    uint64_t v = 0;
    while (FPos < FText.size() && std::strchr("0123456789ABCDEFabcdef", FText[FPos]) && FText[FPos] != '\0') {
      const char c = FText[FPos++];
      v = v * 16 + static_cast<uint64_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
      if (v > 0xFFFFFFFFull) Error("Integer out of range");
    }
    if (FPos == start) Error("Hexadecimal digits expected");
    FToken.Kind = tkIntegerTok;
    FToken.Integer = static_cast<int32_t>(static_cast<uint32_t>(v));
  }

  bool IsSymbol(char c) const { return FToken.Kind == tkSymbol && FToken.Symbol == c; }
  bool IsIdent(const char* Word) const { return FToken.Kind == tkIdent && SameText(FToken.Text, Word); }

  void Expect(char c)
  {
    if (!IsSymbol(c)) Error(std::string("'") + c + "' expected");
    Next();
  }

  std::string Ident()
  {
    if (FToken.Kind != tkIdent) Error("Identifier expected");
    std::string s = FToken.Text;
    Next();
    return s;
  }

  std::string DottedIdent()
  {
    std::string s = Ident();
    while (IsSymbol('.')) {
      Next();
      s += "." + Ident();
    }
    return s;
  }

  int64_t Integer()
  {
    bool negative = false;
    if (IsSymbol('-')) {
      negative = true;
      Next();
    }
    if (FToken.Kind != tkIntegerTok) Error("Integer expected");
    const int64_t v = negative ? -FToken.Integer : FToken.Integer;
    if (v < INT32_MIN || v > INT32_MAX) Error("Integer out of range");
    Next();
    return v;
  }

  // --- grammar

  void Enter()
  {
    if (++FDepth > MaxStreamNesting) Error("Objects nested too deeply");
  }

  bool AtObjectKeyword() const { return IsIdent("object") || IsIdent("inherited") || IsIdent("inline"); }

  void ParseObject()
  {
    Enter();
    if (!AtObjectKeyword()) Error("'object' expected");
    uint8_t flags = IsIdent("inherited") ? ffInherited : IsIdent("inline") ? ffInline : 0;
    Next();
    std::string objectName, className = Ident();
    if (IsSymbol(':')) {
      Next();
      objectName = className;
      className = Ident();
    }
    int childPos = 0;
    if (IsSymbol('[')) {
      Next();
      childPos = static_cast<int>(Integer());
      Expect(']');
      flags |= ffChildPos;
    }
    FWriter.WritePrefix(flags, childPos);
    FWriter.WriteStr(className);
    FWriter.WriteStr(objectName);
    while (!IsIdent("end") && !AtObjectKeyword()) ParseProperty();
    FWriter.WriteListEnd();
    while (AtObjectKeyword()) ParseObject();
    FWriter.WriteListEnd();
    if (!IsIdent("end")) Error("'end' expected");
    Next();
    --FDepth;
  }

  void ParseProperty()
  {
    const std::string name = DottedIdent();
    if (name.size() > 255) Error("Property name too long");
    FWriter.WriteStr(name);
    Expect('=');
    ParseValue();
  }

  void ParseValue()
  {
    if (FToken.Kind == tkIntegerTok || IsSymbol('-') || IsSymbol('+')) {
      ParseNumber();
    } else if (FToken.Kind == tkFloatTok) {
      FWriter.WriteFloat(FToken.Float);
      Next();
    } else if (FToken.Kind == tkStringTok) {
      ParseString();
    } else if (FToken.Kind == tkIdent && !IsObjectKeyword(FToken.Text)) {
      const std::string s = DottedIdent();
      if (s.size() > 255) Error("Identifier too long");
      if (SameText(s, "False"))
        FWriter.WriteValue(vaFalse);
      else if (SameText(s, "True"))
        FWriter.WriteValue(vaTrue);
      else if (SameText(s, "nil"))
        FWriter.WriteValue(vaNil);
      else
        FWriter.WriteIdent(s);
    } else if (IsSymbol('[')) {
      ParseSet();
    } else if (IsSymbol('(')) {
      ParseList();
    } else if (IsSymbol('{')) {
      ParseBinary();
    } else if (IsSymbol('<')) {
      ParseCollection();
    } else {
      Error("Property value expected");
    }
  }

  void ParseNumber()
  {
    const bool signedPlus = IsSymbol('+');
    bool negative = false;
    if (IsSymbol('-') || signedPlus) {
      negative = IsSymbol('-');
      Next();
      if (IsIdent("INF") || IsIdent("NAN")) {
        double v = IsIdent("INF") ? HUGE_VAL : std::nan("");
        Next();
        FWriter.WriteFloat(negative ? -v : v);
        return;
      }
    }
    if (FToken.Kind == tkFloatTok) {
      FWriter.WriteFloat(negative ? -FToken.Float : FToken.Float);
      Next();
      return;
    }
    if (FToken.Kind != tkIntegerTok) Error("Number expected");
    const int64_t v = negative ? -FToken.Integer : FToken.Integer;
    if (v < INT32_MIN || v > INT32_MAX) Error("Integer out of range");
    FWriter.WriteInteger(v);
    Next();
  }

  void ParseString()
  {
    std::string s = FToken.Text;
    Next();
    while (IsSymbol('+')) {
      Next();
      if (FToken.Kind != tkStringTok) Error("String expected");
      s += FToken.Text;
      Next();
    }
    FWriter.WriteString(s);
  }

  void ParseSet()
  {
    Next();
    FWriter.WriteValue(vaSet);
    if (!IsSymbol(']')) {
      for (;;) {
        const std::string name = Ident();
        if (name.size() > 255) Error("Identifier too long");
        FWriter.WriteStr(name);
        if (IsSymbol(']')) break;
        Expect(',');
      }
    }
    FWriter.WriteStr("");
    Next();
  }

  void ParseList()
  {
    Enter();
    Next();
    FWriter.WriteListBegin();
    while (!IsSymbol(')')) {
      if (FToken.Kind == tkEof) Error("')' expected");
      ParseValue();
    }
    Next();
    FWriter.WriteListEnd();
    --FDepth;
  }

  void ParseBinary()
  {
    // Hex digits up to "}", blanks and line ends ignored.
    std::string bytes;
    int half = -1;
    for (;;) {
      if (FPos >= FText.size()) Error("'}' expected");
      const char c = FText[FPos++];
      if (c == '}') break;
      if (c == '\n') ++FLine;
      if (static_cast<unsigned char>(c) <= ' ') continue;
      int d;
      if (c >= '0' && c <= '9')
        d = c - '0';
      else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
        d = (c | 0x20) - 'a' + 10;
      else
        Error("Invalid binary value");
      if (half < 0) {
        half = d;
      } else {
        bytes += static_cast<char>(half * 16 + d);
        half = -1;
      }
    }
    if (half >= 0) Error("Invalid binary value");
    FWriter.WriteBinary([&bytes](TStream& s) { s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size())); });
    Next();
  }

  void ParseCollection()
  {
    Enter();
    Next();
    FWriter.WriteValue(vaCollection);
    while (!IsSymbol('>')) {
      if (!IsIdent("item")) Error("'item' expected");
      Next();
      if (IsSymbol('[')) {
        Next();
        FWriter.WriteInteger(Integer());
        Expect(']');
      }
      FWriter.WriteListBegin();
      while (!IsIdent("end")) {
        if (FToken.Kind == tkEof) Error("'end' expected");
        ParseProperty();
      }
      Next();
      FWriter.WriteListEnd();
    }
    Next();
    FWriter.WriteListEnd();
    --FDepth;
  }

  std::string_view FText;
  size_t FPos = 0;
  int FLine = 1;
  TToken FToken;
  TWriter FWriter;
  int FDepth = 0;
};

}  // namespace

void ObjectBinaryToText(TStream& Input, TStream& Output)
{
  std::string text;
  TBinaryToText(Input, text).Convert();
  Output.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

std::string ObjectBinaryToText(std::string_view Binary)
{
  TReadOnlyMemoryStream input(Binary.data(), static_cast<int64_t>(Binary.size()));
  std::string text;
  TBinaryToText(input, text).Convert();
  return text;
}

void ObjectTextToBinary(TStream& Input, TStream& Output)
{
  std::string text(static_cast<size_t>(Input.Remaining()), '\0');
  Input.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
  TTextParser(text, Output).Convert();
}

std::string ObjectTextToBinary(std::string_view Text)
{
  TMemoryStream output;
  TTextParser(Text, output).Convert();
  return output.DataString();
}
