#pragma once
// The arithmetic and choices of the owner-drawn menus that need no window:
// multi-line captions, item sizes, the banner's share of each item and the
// menu-character matching.
#include <string>
#include <vector>

// Every "||" becomes CR LF, so one caption shows as several lines.
std::string ReplaceLines(const std::string& Text);

// The banner's extra width (vertical) or height (horizontal) for the item at
// Index of its menu. ColumnDone is kept between the items of one measuring
// pass: a vertical banner widens the items of the first column only.
struct TBannerExtra {
  int Width = 0;
  int Height = 0;
};
TBannerExtra BannerExtra(bool Vertical, int BannerWidth, int Index, bool HasBreak, bool& ColumnDone);

struct TItemMeasure {
  bool Separator = false;
  bool HasImageList = false;
  int ImageWidth = 0, ImageHeight = 0;
  // The text's DT_CALCRECT extent.
  int TextWidth = 0, TextHeight = 0;
  // |font height| and the font's internal leading.
  int FontHeight = 0, InternalLeading = 0;
  TBannerExtra Extra;
  bool Win97 = false;
  // The system adds a check column to every owner-drawn item; without any
  // check mark in the menu (or with the glyph box) it is taken off again.
  bool DropCheckColumn = false;
  int CheckWidth = 0;
  bool TextEmpty = false;
};
struct TItemSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const TItemSize&) const = default;
};
TItemSize MeasureItemSize(const TItemMeasure& M);

// One menu position as the menu-character scan sees it. Eligible: an
// owner-drawn entry of an enabled item of ours; Exact: its access key is the
// character; Letter: it has no access key and starts with the character.
struct TMenuCharItem {
  bool Eligible = false;
  bool Exact = false;
  bool Letter = false;
  bool Highlighted = false;
};
// Action 2 executes the item at once, 3 selects it; Index -1 is no match.
struct TMenuCharChoice {
  int Index = -1;
  int Action = 0;
  bool operator==(const TMenuCharChoice&) const = default;
};
constexpr int kMenuCharExecute = 2, kMenuCharSelect = 3;
TMenuCharChoice ChooseMenuChar(const std::vector<TMenuCharItem>& Items);
