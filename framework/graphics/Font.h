#pragma once
// Font description as plain data: the Win32 layer makes the font handle from
// it. Streams as Charset, Color, Height, Name, Style and Pitch (the last only
// when not fpDefault); Size is derived from Height and never written.

#include <cstdint>
#include <string>

#include "framework/objects/Classes.h"
#include "framework/objects/StdIdents.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

const TTypeInfo* TypeInfo_TFontStyle();
const TTypeInfo* TypeInfo_TFontStyles();
const TTypeInfo* TypeInfo_TFontPitch();

// (A * B) / C rounded to the nearest integer, halves away from zero, as the
// Windows MulDiv does (whose name the Win32 headers take); C == 0 and a
// result beyond ±INT_MAX give -1.
int MulDivRound(int A, int B, int C);

class TFont : public TPersistent {
  QV_CLASS(TFont, TPersistent)
public:
  static constexpr const char* DefaultName = "MS Sans Serif";
  static constexpr int DefaultHeight = -11;  // 8 points at 96 pixels per inch

  TFont() = default;
  void Assign(TPersistent* Source) override;

  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  // Points, from Height and PixelsPerInch.
  int Size() const;
  void SetSize(int Value);
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value) { FPixelsPerInch = Value > 0 ? Value : 96; }

  // Counts changes, so holders of a derived handle can tell theirs is stale.
  uint32_t Revision() const { return FRevision; }
  TNotifyEvent OnChange;

protected:
  void Changed();

private:
  TFontCharset FCharset = csDefaultCharset;
  TColor FColor = clWindowText;
  int FHeight = DefaultHeight;
  std::string FName = DefaultName;
  TFontStyles FStyle;
  TFontPitch FPitch = fpDefault;
  int FPixelsPerInch = 96;
  uint32_t FRevision = 0;
  int FUpdating = 0;
};
