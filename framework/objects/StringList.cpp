#include "framework/objects/StringList.h"

#include <algorithm>

#include "framework/objects/Reader.h"
#include "framework/objects/Writer.h"
#include "framework/objects/Streams.h"
#include "framework/objects/SysUtils.h"
#include "util/TextLines.h"

QV_IMPLEMENT_CLASS_NOPROPS(TStrings)
QV_IMPLEMENT_CLASS_NOPROPS(TStringList)

// ---------------------------------------------------------------------------
// TStrings

void TStrings::Error(const std::string& Message, int Index) const
{
  throw EStringListError(Message + " (" + std::to_string(Index) + ")");
}

void TStrings::Put(int Index, const std::string& S)
{
  TObject* object = Objects(Index);
  BeginUpdate();
  Delete(Index);
  InsertObject(Index, S, object);
  EndUpdate();
}

TObject* TStrings::Objects(int) const { return nullptr; }

void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject)
{
  BeginUpdate();
  Insert(Index, S);
  PutObject(Index, AObject);
  EndUpdate();
}

int TStrings::Add(const std::string& S)
{
  const int index = Count();
  Insert(index, S);
  return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject)
{
  BeginUpdate();
  const int index = Add(S);
  PutObject(index, AObject);
  EndUpdate();
  return index;
}

void TStrings::AddStrings(const TStrings& Strings)
{
  // Copy first: adding a list to itself must not see its own new lines.
  std::vector<std::pair<std::string, TObject*>> lines;
  for (int i = 0; i < Strings.Count(); ++i) lines.emplace_back(Strings.Get(i), Strings.Objects(i));
  BeginUpdate();
  for (auto& [text, object] : lines) AddObject(text, object);
  EndUpdate();
}

void TStrings::Exchange(int Index1, int Index2)
{
  BeginUpdate();
  const std::string s1 = Get(Index1), s2 = Get(Index2);
  TObject* o1 = Objects(Index1);
  TObject* o2 = Objects(Index2);
  Put(Index1, s2);
  PutObject(Index1, o2);
  Put(Index2, s1);
  PutObject(Index2, o1);
  EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex)
{
  if (CurIndex == NewIndex) return;
  BeginUpdate();
  const std::string s = Get(CurIndex);
  TObject* object = Objects(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, object);
  EndUpdate();
}

int TStrings::IndexOf(std::string_view S) const
{
  for (int i = 0; i < Count(); ++i)
    if (SameText(Get(i), S)) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const
{
  for (int i = 0; i < Count(); ++i)
    if (Objects(i) == AObject) return i;
  return -1;
}

bool TStrings::Equals(const TStrings& Other) const
{
  if (Count() != Other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Get(i) != Other.Get(i)) return false;
  return true;
}

std::string TStrings::Text() const
{
  std::string r;
  for (int i = 0; i < Count(); ++i) {
    r += Get(i);
    r += "\r\n";
  }
  return r;
}

void TStrings::SetText(std::string_view Value)
{
  BeginUpdate();
  Clear();
  for (const std::string& line : SplitTextLines(Value)) Add(line);
  EndUpdate();
}

std::vector<std::string> TStrings::ToVector() const
{
  std::vector<std::string> r;
  for (int i = 0; i < Count(); ++i) r.push_back(Get(i));
  return r;
}

void TStrings::BeginUpdate()
{
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate()
{
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::LoadFromStream(TStream& Stream)
{
  const int64_t size = Stream.Remaining();
  std::string text(static_cast<size_t>(size), '\0');
  Stream.ReadBuffer(text.data(), size);
  SetText(text);
}

void TStrings::SaveToStream(TStream& Stream) const
{
  const std::string text = Text();
  Stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& FileName)
{
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TStrings::SaveToFile(const std::string& FileName) const
{
  TFileStream stream(FileName, fmCreate);
  SaveToStream(stream);
}

void TStrings::Assign(TPersistent* Source)
{
  if (auto* other = dynamic_cast<TStrings*>(Source)) {
    if (other == this) return;
    BeginUpdate();
    Clear();
    AddStrings(*other);
    EndUpdate();
    return;
  }
  TPersistent::Assign(Source);
}

void TStrings::DefineProperties(TFiler& Filer)
{
  TPersistent::DefineProperties(Filer);
  Filer.DefineProperty(
      "Strings",
      [this](TReader& Reader) {
        Reader.ReadListBegin();
        BeginUpdate();
        try {
          Clear();
          while (!Reader.EndOfList()) Add(Reader.ReadString());
        } catch (...) {
          EndUpdate();
          throw;
        }
        EndUpdate();
        Reader.ReadListEnd();
      },
      [this](TWriter& Writer) {
        Writer.WriteListBegin();
        for (int i = 0; i < Count(); ++i) Writer.WriteString(Get(i));
        Writer.WriteListEnd();
      },
      Count() > 0);
}

// ---------------------------------------------------------------------------
// TStringList

void TStringList::CheckIndex(int Index) const
{
  if (Index < 0 || Index >= Count()) Error("List index out of bounds", Index);
}

std::string TStringList::Get(int Index) const
{
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)].Text;
}

void TStringList::Put(int Index, const std::string& S)
{
  if (FSorted) throw EStringListError("Operation not allowed on sorted string list");
  CheckIndex(Index);
  Changing();
  FItems[static_cast<size_t>(Index)].Text = S;
  Changed();
}

TObject* TStringList::Objects(int Index) const
{
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)].Object;
}

void TStringList::PutObject(int Index, TObject* AObject)
{
  CheckIndex(Index);
  Changing();
  FItems[static_cast<size_t>(Index)].Object = AObject;
  Changed();
}

int TStringList::Add(const std::string& S)
{
  int index = Count();
  if (FSorted && Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, S);
  return index;
}

void TStringList::Insert(int Index, const std::string& S)
{
  if (FSorted) throw EStringListError("Operation not allowed on sorted string list");
  if (Index < 0 || Index > Count()) Error("List index out of bounds", Index);
  InsertItem(Index, S);
}

void TStringList::InsertItem(int Index, const std::string& S)
{
  Changing();
  FItems.insert(FItems.begin() + Index, TItem{S, nullptr});
  Changed();
}

void TStringList::Delete(int Index)
{
  CheckIndex(Index);
  Changing();
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TStringList::Clear()
{
  if (FItems.empty()) return;
  Changing();
  FItems.clear();
  Changed();
}

void TStringList::Exchange(int Index1, int Index2)
{
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(FItems[static_cast<size_t>(Index1)], FItems[static_cast<size_t>(Index2)]);
  Changed();
}

int TStringList::IndexOf(std::string_view S) const
{
  if (!FSorted) return TStrings::IndexOf(S);
  int index;
  return Find(S, index) ? index : -1;
}

void TStringList::SetText(std::string_view Value) { TStrings::SetText(Value); }

void TStringList::SetSorted(bool Value)
{
  if (Value && !FSorted) Sort();
  FSorted = Value;
}

bool TStringList::Find(std::string_view S, int& Index) const
{
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    const int c = CompareText(FItems[static_cast<size_t>(mid)].Text, S);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (FDuplicates != dupAccept) lo = mid;
      }
    }
  }
  Index = lo;
  return found;
}

void TStringList::Sort()
{
  Changing();
  std::stable_sort(FItems.begin(), FItems.end(),
                   [](const TItem& a, const TItem& b) { return CompareText(a.Text, b.Text) < 0; });
  Changed();
}

void TStringList::Changing()
{
  if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed()
{
  if (UpdateCount() == 0)
    OnChange(this);
  else
    FChangedWhileUpdating = true;
}

void TStringList::SetUpdateState(bool Updating)
{
  if (Updating) {
    FChangedWhileUpdating = false;
    OnChanging(this);
  } else if (FChangedWhileUpdating) {
    FChangedWhileUpdating = false;
    OnChange(this);
  }
}
