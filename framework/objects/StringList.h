#pragma once
// String lists: TStrings (the abstract list interface, as list boxes and
// memos expose it) and TStringList (the stored list). Each line carries an
// object pointer that the list does not own; integer marks are stored in the
// same slot through PutData/Data.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/objects/Classes.h"

class TStream;

class TStrings : public TPersistent {
  QV_CLASS(TStrings, TPersistent)
public:
  virtual int Count() const = 0;
  virtual std::string Get(int Index) const = 0;
  virtual void Put(int Index, const std::string& S);
  virtual TObject* Objects(int Index) const;
  virtual void PutObject(int Index, TObject* AObject);
  intptr_t Data(int Index) const { return reinterpret_cast<intptr_t>(Objects(Index)); }
  void PutData(int Index, intptr_t Value) { PutObject(Index, reinterpret_cast<TObject*>(Value)); }
  std::string operator[](int Index) const { return Get(Index); }

  virtual void Insert(int Index, const std::string& S) = 0;
  void InsertObject(int Index, const std::string& S, TObject* AObject);
  virtual int Add(const std::string& S);
  int AddObject(const std::string& S, TObject* AObject);
  void AddStrings(const TStrings& Strings);
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int Index1, int Index2);
  void Move(int CurIndex, int NewIndex);
  // First line equal to S, letter case ignored; -1 when none.
  virtual int IndexOf(std::string_view S) const;
  int IndexOfObject(const TObject* AObject) const;
  bool Equals(const TStrings& Other) const;

  // Every line followed by CR LF.
  std::string Text() const;
  // Replaces the lines; lines end at CR LF, lone CR or lone LF, and the text
  // ends at its first NUL.
  virtual void SetText(std::string_view Value);
  std::vector<std::string> ToVector() const;

  // Updates nest; the list reports one change when the outermost update ends
  // (and only if something changed meanwhile).
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;

protected:
  virtual void SetUpdateState(bool Updating);
  void Error(const std::string& Message, int Index) const;

private:
  int FUpdateCount = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
  QV_CLASS(TStringList, TStrings)
public:
  TStringList() = default;
  int Count() const override { return static_cast<int>(FItems.size()); }
  std::string Get(int Index) const override;
  void Put(int Index, const std::string& S) override;
  TObject* Objects(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  int Add(const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  int IndexOf(std::string_view S) const override;
  void SetText(std::string_view Value) override;

  // Sorted lists keep lines in ascending order (letter case ignored).
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  // Binary search of a sorted list; Index is where S is or would go.
  bool Find(std::string_view S, int& Index) const;
  virtual void Sort();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  void SetUpdateState(bool Updating) override;
  void Changing();
  void Changed();

private:
  struct TItem {
    std::string Text;
    TObject* Object = nullptr;
  };
  void CheckIndex(int Index) const;
  void InsertItem(int Index, const std::string& S);

  std::vector<TItem> FItems;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  bool FChangedWhileUpdating = false;
};
