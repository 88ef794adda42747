#include "app/Options.h"

#include "app/BrowseDr.h"
#include "app/QVMain.h"
#include "app/ReportLines.h"
#include "persist/oxPerst.h"
#include "ui/caption/oxForm.h"
#include "ui/hints/Balloon.h"

TdlgOptions* dlgOptions = nullptr;

QV_IMPLEMENT_CLASS(TdlgOptions)

void TdlgOptions::DeclareProperties(TClassBuilder<TdlgOptions>& c)
{
  c.Method("btnAddClick", &TdlgOptions::btnAddClick);
  c.Method("btnRemoveClick", &TdlgOptions::btnRemoveClick);
  c.Method("SettingsClick", &TdlgOptions::SettingsClick);
}

TdlgOptions::TdlgOptions(TComponent* AOwner) : TForm(AOwner) {}

void TdlgOptions::Loaded()
{
  inherited::Loaded();
  ExcludedDirs = dynamic_cast<TListBox*>(FindComponent("ExcludedDirs"));
  EnableBeeps = dynamic_cast<TCheckBox*>(FindComponent("EnableBeeps"));
  RecurseDirs = dynamic_cast<TCheckBox*>(FindComponent("RecurseDirs"));
  btnAdd = dynamic_cast<TSpeedButton*>(FindComponent("btnAdd"));
  btnRemove = dynamic_cast<TSpeedButton*>(FindComponent("btnRemove"));
  btnOK = dynamic_cast<TButton*>(FindComponent("btnOK"));
  btnCancel = dynamic_cast<TButton*>(FindComponent("btnCancel"));
  Settings = dynamic_cast<TButton*>(FindComponent("Settings"));
  dlgBrowse = dynamic_cast<TBrowseDirectoryDlg*>(FindComponent("dlgBrowse"));
  oxPersist = dynamic_cast<ToxPersist*>(FindComponent("oxPersist"));
  oxForm = dynamic_cast<ToxForm*>(FindComponent("oxForm"));
  BalloonHint = dynamic_cast<TBalloonHint*>(FindComponent("BalloonHint"));
}

bool TdlgOptions::AddDirectory(std::string Dir)
{
  // A folder outside the file system has no path; an empty line would never match.
  if (Dir.empty()) {
    Application->MessageBox("The selected folder has no file-system path and cannot be excluded.",
                            qv::TMsgBoxKind::Warning);
    return false;
  }
  if (Dir.back() == '\\') Dir.pop_back();
  TStrings* items = ExcludedDirs->Items();
  for (int i = 0; i < items->Count(); ++i) {
    const std::string listed = items->Get(i);
    if (CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Dir.c_str(), -1, listed.c_str(), -1) == CSTR_EQUAL) {
      Application->MessageBox(AlreadyListedWarning(Dir), qv::TMsgBoxKind::Warning);
      return false;
    }
  }
  items->Add(Dir);
  return true;
}

void TdlgOptions::btnAddClick(TObject*)
{
  if (dlgBrowse->Execute()) AddDirectory(dlgBrowse->Selection());
}

void TdlgOptions::btnRemoveClick(TObject*)
{
  const int index = ExcludedDirs->ItemIndex();
  if (index >= 0) ExcludedDirs->Items()->Delete(index);
}

void TdlgOptions::SettingsClick(TObject*)
{
  if (QVMain && QVMain->oxPersist) QVMain->oxPersist->Execute();
}
