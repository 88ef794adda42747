#pragma once
// TBrowseDirectoryDlg: a non-visual component around the shell's folder-browse
// dialog. Execute runs it modally and leaves the chosen folder's path in
// Selection (with a trailing '\'); while it is open the component centres it,
// preselects Selection, sets its caption and OK button and keeps a status line
// whose text is shortened to the line's width.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "app/BrowseTypes.h"
#include "framework/objects/Classes.h"

// Called with the path of the newly highlighted folder (empty for a folder
// outside the file system).
using TBDSelChangedEvent = TEvent<void(TObject* Sender, const std::string& NewSel)>;
const TTypeInfo* TypeInfo_TBDSelChangedEvent();

// Control identifier of the dialog's status line.
constexpr int BrowseStatusLineId = 14147;

class TBrowseDirectoryDlg : public TComponent {
  QV_CLASS(TBrowseDirectoryDlg, TComponent)
public:
  explicit TBrowseDirectoryDlg(TComponent* AOwner);
  ~TBrowseDirectoryDlg() override;

  // True when the user chose a folder. Selection then holds its path, or is
  // empty for a cancelled dialog (and for a folder without a path).
  virtual bool Execute();

  const std::string& Selection() const { return FSelection; }
  void SetSelection(const std::string& Value);
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  TRootID Root() const { return FRoot; }
  void SetRoot(TRootID Value) { FRoot = Value; }
  TBrowseFlags Options() const { return FOptions; }
  void SetOptions(TBrowseFlags Value) { FOptions = Value; }
  bool Center() const { return FCenter; }
  void SetCenter(bool Value) { FCenter = Value; }
  const std::string& StatusText() const { return FStatusText; }
  void SetStatusText(const std::string& Value);
  bool FitStatusText() const { return FFitStatusText; }
  void SetFitStatusText(bool Value);
  bool EnableOKButton() const { return FEnableOKButton; }
  void SetEnableOKButton(bool Value);
  // System image-list index of the folder chosen last; -1 before.
  int ImageIndex() const { return FImageIndex; }
  // While the dialog is open: the window's current caption.
  std::string Caption() const;
  void SetCaption(const std::string& Value);
  bool ShowSelectionInStatus() const { return FShowSelectionInStatus; }
  void SetShowSelectionInStatus(bool Value) { FShowSelectionInStatus = Value; }

  TBDSelChangedEvent OnSelChanged;
  // Called once the dialog window exists and the settings above are applied.
  TNotifyEvent OnCreate;

  // The dialog window while Execute runs, else null.
  HWND Handle() const { return FHandle; }

protected:
  virtual void DoInitialized(HWND Wnd);
  virtual void DoSelChanged(HWND Wnd, LPCITEMIDLIST IdList);

private:
  static int CALLBACK BrowseCallback(HWND Wnd, UINT Msg, LPARAM Param, LPARAM Data);
  HWND ResolveOwnerWindow() const;
  // Runs the shell's dialog; true and the chosen folder's path when confirmed.
  bool RunDialog(IMalloc* Allocator, BROWSEINFOA& Info, std::string& Path);
  void CenterWindow(HWND Wnd) const;
  void SendEnableOK() const;
  void SendStatusText() const;
  void SendSelection() const;
  std::string FittedStatusText() const;

  std::string FSelection;
  std::string FTitle;
  TRootID FRoot = idDesktop;
  TBrowseFlags FOptions;
  bool FCenter = true;
  std::string FStatusText;
  bool FFitStatusText = true;
  bool FEnableOKButton = true;
  int FImageIndex = -1;
  std::string FCaption;
  bool FShowSelectionInStatus = false;
  HWND FHandle = nullptr;
  // Whether the user (or a preselection) highlighted a folder in the open dialog.
  bool FHighlighted = false;
  // The owner's window as far as it existed when this component was made.
  HWND FOwnerWindow = nullptr;
};
