#pragma once
// The main window: the change list, the status bar, the menus, and the
// snapshot engine, for which it is the host.
#include <memory>
#include <string>

#include "engine/EngineHost.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"
#include "ui/menus/oxMenus.h"
#include "framework/controls/CommonDialogs.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/StatusBar.h"

class TBrowseDirectoryDlg;
class TFileSystem;
class TObjMgr;
class ToxForm;
class ToxPersist;
class TQVEngine;

class TQVMain : public TForm, public TEngineHost {
  QV_CLASS(TQVMain, TForm)
public:
  explicit TQVMain(TComponent* AOwner);
  ~TQVMain() override;

  TListBox* Changes = nullptr;
  TStatusBar* StatusBar = nullptr;
  ToxMenu* oxMenu = nullptr;
  ToxPopupMenu* oxPopupMenu = nullptr;
  TMenuItem* mnuSaveChangestoFile = nullptr;
  TMenuItem* mnuClear = nullptr;
  TMenuItem* mnuDeleteFile = nullptr;
  TMenuItem* mnuOpenFile = nullptr;
  TBrowseDirectoryDlg* dlgBrowse = nullptr;
  TSaveDialog* dlgSave = nullptr;
  TOpenDialog* dlgOpen = nullptr;
  ToxForm* oxForm = nullptr;
  ToxPersist* oxPersist = nullptr;
  TObjMgr* ObjMgr = nullptr;

  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void FormResize(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void mnuFileScanClick(TObject* Sender);
  void mnuFileCompareClick(TObject* Sender);
  void mnuFileOptionsClick(TObject* Sender);
  void mnuFileExitClick(TObject* Sender);
  void mnuHelpContentsClick(TObject* Sender);
  void mnuHelpAboutClick(TObject* Sender);
  void mnuHelpVisitHomePageClick(TObject* Sender);
  void oxPopupMenuPopup(TObject* Sender);
  void mnuSaveChangestoFileClick(TObject* Sender);
  void mnuClearClick(TObject* Sender);
  void mnuDeleteFileClick(TObject* Sender);
  void mnuOpenFileClick(TObject* Sender);

  void Loaded() override;
  void WndProc(TMessage& Message) override;

  // The engine's host.
  void SetStatus(const std::string& Text) override;
  void ProcessMessages() override;
  void SetHourGlass(bool On) override;
  void Beep() override;
  bool RecurseDirs() override;
  bool EnableBeeps() override;
  std::vector<std::string> ExcludedDirs() override;
  void ClearLines() override;
  void AddLine(const std::string& Text, bool Note) override;

  TQVEngine& Engine() { return *FEngine; }
  bool Walking() const;

private:
  std::unique_ptr<TFileSystem> FFs;
  std::unique_ptr<TQVEngine> FEngine;
  std::string FStatusText;
  bool FStatusShown = true;
  uint32_t FLastPump = 0;
  uint32_t FLastStatus = 0;
  bool FCloseAfterWalk = false;

  bool RefuseWhileWalking();
  template <class TWalk> void RunWalk(TWalk Walk);
  void ShowStatus();
  bool SelectedFileLine(int& Index, std::string& Path);
};

extern TQVMain* QVMain;
