#pragma once
// The options dialog: the engine's three settings live in its controls.
#include <string>
#include <vector>

#include "framework/forms/Forms.h"
#include "framework/controls/Button.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/SpeedButton.h"

class TBalloonHint;
class TBrowseDirectoryDlg;
class ToxForm;
class ToxPersist;

class TdlgOptions : public TForm {
  QV_CLASS(TdlgOptions, TForm)
public:
  explicit TdlgOptions(TComponent* AOwner);

  TListBox* ExcludedDirs = nullptr;
  TCheckBox* EnableBeeps = nullptr;
  TCheckBox* RecurseDirs = nullptr;
  TSpeedButton* btnAdd = nullptr;
  TSpeedButton* btnRemove = nullptr;
  TButton* btnOK = nullptr;
  TButton* btnCancel = nullptr;
  TButton* Settings = nullptr;
  TBrowseDirectoryDlg* dlgBrowse = nullptr;
  ToxPersist* oxPersist = nullptr;
  ToxForm* oxForm = nullptr;
  TBalloonHint* BalloonHint = nullptr;

  void btnAddClick(TObject* Sender);
  void btnRemoveClick(TObject* Sender);
  // Opens the setup dialog of the main window's persistence component.
  void SettingsClick(TObject* Sender);

  // Adds a directory as the browse dialog returns it; false (with a
  // message) when it has no path or is listed already.
  bool AddDirectory(std::string Dir);

  void Loaded() override;
};

extern TdlgOptions* dlgOptions;
