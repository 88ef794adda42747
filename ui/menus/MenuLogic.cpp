#include "ui/menus/MenuLogic.h"

#include <algorithm>

std::string ReplaceLines(const std::string& Text)
{
  std::string out = Text;
  for (size_t at = out.find("||"); at != std::string::npos; at = out.find("||", at + 2)) out.replace(at, 2, "\r\n");
  return out;
}

TBannerExtra BannerExtra(bool Vertical, int BannerWidth, int Index, bool HasBreak, bool& ColumnDone)
{
  TBannerExtra extra;
  if (Index == 0) ColumnDone = false;
  if (Vertical) {
    if (!ColumnDone && !HasBreak)
      extra.Width = BannerWidth;
    else
      ColumnDone = true;
  } else {
    ColumnDone = true;
    if (Index == 0 || HasBreak) extra.Height = BannerWidth;
  }
  return extra;
}

TItemSize MeasureItemSize(const TItemMeasure& M)
{
  const int h = std::max(M.TextHeight, M.FontHeight + M.InternalLeading);
  TItemSize size;
  if (M.Separator) {
    size.Height = M.Extra.Height + 8;
    size.Width = M.CheckWidth;
  } else if (M.HasImageList) {
    size.Height = std::max(h, M.ImageHeight) + M.Extra.Height + 4;
    size.Width = M.ImageWidth + M.TextWidth + M.Extra.Width + 4;
  } else {
    size.Height = h + 4 + M.Extra.Height;
    size.Width = M.TextWidth + 4 + M.Extra.Width;
    if (M.Win97) size.Width += size.Height;
  }
  if (M.DropCheckColumn) size.Width -= M.CheckWidth;
  if (!M.TextEmpty) size.Width += 2 * M.FontHeight;
  return size;
}

namespace {
struct TScan {
  int First = -1, Second = -1, Current = -1;
};

TScan Scan(const std::vector<TMenuCharItem>& Items, bool Exact)
{
  TScan s;
  for (size_t p = 0; p < Items.size(); ++p) {
    const TMenuCharItem& item = Items[p];
    const int at = static_cast<int>(p);
    if (item.Eligible && (Exact ? item.Exact : item.Letter)) {
      if (s.First == -1)
        s.First = at;
      else
        s.Second = at;
    }
    if (item.Highlighted) s.Current = at;
    if (s.Current > -1 && s.Second > s.Current) break;
  }
  return s;
}
}  // namespace

TMenuCharChoice ChooseMenuChar(const std::vector<TMenuCharItem>& Items)
{
  TScan s = Scan(Items, true);
  if (s.First == -1 && s.Second == -1) s = Scan(Items, false);
  if (s.First == -1 && s.Second == -1) return {};
  if (s.Second == -1) return {s.First, kMenuCharExecute};
  if (s.Current != -1 && s.Current < s.Second) return {s.Second, kMenuCharSelect};
  return {s.First, kMenuCharSelect};
}
