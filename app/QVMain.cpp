#include "app/QVMain.h"

#include <shellapi.h>

#include "app/About.h"
#include "app/BrowseDr.h"
#include "app/HomePage.h"
#include "app/Options.h"
#include "app/ReportLines.h"
#include "engine/Errors.h"
#include "engine/QVEngine.h"
#include "engine/ReportFile.h"
#include "persist/OBJMGR2.h"
#include "persist/oxPerst.h"
#include "ui/caption/oxForm.h"
#include "platform/PlatformFileSystem.h"

TQVMain* QVMain = nullptr;

namespace {

// A walk of a few hundred thousand entries must not spend its time in the
// message loop: pending messages are handled every few tens of milliseconds,
// which keeps the window responsive all the same.
constexpr uint32_t PumpIntervalMs = 40;
constexpr uint32_t StatusIntervalMs = 100;

TObject* const NoteMark = reinterpret_cast<TObject*>(1);

// The system's own words for an error code, without the trailing line end.
std::string SystemErrorText(DWORD Error)
{
  char text[512] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, Error, 0, text,
                           sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' ')) text[--n] = 0;
  return n ? std::string(text, n) : "Error " + std::to_string(Error) + ".";
}

}  // namespace

QV_IMPLEMENT_CLASS(TQVMain)

void TQVMain::DeclareProperties(TClassBuilder<TQVMain>& c)
{
  c.Method("FormCreate", &TQVMain::FormCreate);
  c.Method("FormDestroy", &TQVMain::FormDestroy);
  c.Method("FormResize", &TQVMain::FormResize);
  c.Method("FormClose", &TQVMain::FormClose);
  c.Method("mnuFileScanClick", &TQVMain::mnuFileScanClick);
  c.Method("mnuFileCompareClick", &TQVMain::mnuFileCompareClick);
  c.Method("mnuFileOptionsClick", &TQVMain::mnuFileOptionsClick);
  c.Method("mnuFileExitClick", &TQVMain::mnuFileExitClick);
  c.Method("mnuHelpContentsClick", &TQVMain::mnuHelpContentsClick);
  c.Method("mnuHelpAboutClick", &TQVMain::mnuHelpAboutClick);
  c.Method("mnuHelpVisitHomePageClick", &TQVMain::mnuHelpVisitHomePageClick);
  c.Method("oxPopupMenuPopup", &TQVMain::oxPopupMenuPopup);
  c.Method("mnuSaveChangestoFileClick", &TQVMain::mnuSaveChangestoFileClick);
  c.Method("mnuClearClick", &TQVMain::mnuClearClick);
  c.Method("mnuDeleteFileClick", &TQVMain::mnuDeleteFileClick);
  c.Method("mnuOpenFileClick", &TQVMain::mnuOpenFileClick);
}

TQVMain::TQVMain(TComponent* AOwner) : TForm(AOwner) {}

TQVMain::~TQVMain() = default;

template <class T> static T* Find(TComponent* Owner, const char* Name)
{
  return dynamic_cast<T*>(Owner->FindComponent(Name));
}

void TQVMain::Loaded()
{
  inherited::Loaded();
  Changes = Find<TListBox>(this, "Changes");
  StatusBar = Find<TStatusBar>(this, "StatusBar");
  oxMenu = Find<ToxMenu>(this, "oxMenu");
  oxPopupMenu = Find<ToxPopupMenu>(this, "oxPopupMenu");
  mnuSaveChangestoFile = Find<TMenuItem>(this, "mnuSaveChangestoFile");
  mnuClear = Find<TMenuItem>(this, "mnuClear");
  mnuDeleteFile = Find<TMenuItem>(this, "mnuDeleteFile");
  mnuOpenFile = Find<TMenuItem>(this, "mnuOpenFile");
  dlgBrowse = Find<TBrowseDirectoryDlg>(this, "dlgBrowse");
  dlgSave = Find<TSaveDialog>(this, "dlgSave");
  dlgOpen = Find<TOpenDialog>(this, "dlgOpen");
  oxForm = Find<ToxForm>(this, "oxForm");
  oxPersist = Find<ToxPersist>(this, "oxPersist");
  ObjMgr = Find<TObjMgr>(this, "ObjMgr");
}

void TQVMain::FormCreate(TObject*)
{
  ObjMgr->Load();
  SetCaption(Application->Title());
  FFs = CreatePlatformFileSystem();
  FEngine = std::make_unique<TQVEngine>(*FFs, *this);
  // The window may grow to the whole screen, whatever the form file says.
  oxForm->SetMaxWidth(static_cast<uint16_t>(GetSystemMetrics(SM_CXSCREEN)));
  oxForm->SetMaxHeight(static_cast<uint16_t>(GetSystemMetrics(SM_CYSCREEN)));
}

void TQVMain::FormDestroy(TObject*)
{
  ObjMgr->Save();
  FEngine.reset();
}

void TQVMain::FormResize(TObject*)
{
  if (!Changes) return;
  Changes->SetWidth(Width() - 24);
  Changes->SetHeight(Height() - 82);
}

// Closing during a walk stops the walk first; the window closes once the
// command has unwound, so nothing is freed under it.
void TQVMain::FormClose(TObject*, TCloseAction& Action)
{
  if (!Walking()) return;
  FEngine->RequestStop();
  FCloseAfterWalk = true;
  Action = caNone;
}

void TQVMain::WndProc(TMessage& Message)
{
  inherited::WndProc(Message);
  // The window can be dragged by any part of its client area that no control covers.
  if (Message.Msg == WM_NCHITTEST && Message.Result == HTCLIENT) Message.Result = HTCAPTION;
}

bool TQVMain::Walking() const { return FEngine && FEngine->Busy(); }

bool TQVMain::RefuseWhileWalking()
{
  if (!Walking()) return false;
  Application->MessageBox("Please wait until the running scan or compare has finished.", qv::TMsgBoxKind::Information);
  return true;
}

template <class TWalk> void TQVMain::RunWalk(TWalk Walk)
{
  FLastPump = GetTickCount() - PumpIntervalMs;
  // The list draws itself only when the message loop turns (see
  // ProcessMessages), not once for every line the walk adds.
  Changes->Items()->BeginUpdate();
  try {
    Walk();
  } catch (const EWalkStopped&) {
  } catch (...) {
    Changes->Items()->EndUpdate();
    throw;
  }
  Changes->Items()->EndUpdate();
  if (FCloseAfterWalk) {
    FCloseAfterWalk = false;
    Close();
  }
}

void TQVMain::mnuFileScanClick(TObject*)
{
  if (RefuseWhileWalking() || !dlgBrowse->Execute()) return;
  // A folder outside the file system (a printer, the network neighbourhood) has no path to walk.
  if (dlgBrowse->Selection().empty()) {
    Application->MessageBox("The selected folder has no file-system path and cannot be scanned.",
                            qv::TMsgBoxKind::Warning);
    return;
  }
  bool scanned = false;
  uint32_t seconds = 0;
  RunWalk([&] {
    seconds = FEngine->Scan(dlgBrowse->Selection());
    scanned = true;
  });
  if (!scanned) return;
  dlgSave->FTitle = TQVEngine::ScanTitle(FEngine->Count(), seconds);
  dlgSave->FFilterIndex = 1;
  dlgSave->FDefaultExt = "qv";
  // The dialog's name is the last collection saved, which is remembered
  // across runs: a save that fails must not leave a name that names nothing.
  const std::string saved = dlgSave->FileName();
  if (dlgSave->Execute()) {
    try {
      FEngine->SaveCollection(dlgSave->FileName());
    } catch (...) {
      dlgSave->SetFileName(saved);
      throw;
    }
  }
  if (EnableBeeps()) Beep();
}

void TQVMain::mnuFileCompareClick(TObject*)
{
  if (RefuseWhileWalking() || !dlgOpen->Execute()) return;
  RunWalk([&] { FEngine->Compare(dlgOpen->FileName()); });
}

// OK stores the dialog's settings at once; Cancel loads the stored ones back
// from the message loop. What the dialog shows is stored before it opens, so
// Cancel also reverts when nothing was stored yet (the first run).
void TQVMain::mnuFileOptionsClick(TObject*)
{
  dlgOptions->oxPersist->Save();
  if (dlgOptions->ShowModal() == mrCancel)
    dlgOptions->oxPersist->PostLoad();
  else
    dlgOptions->oxPersist->Save();
}

void TQVMain::mnuFileExitClick(TObject*) { Close(); }

void TQVMain::mnuHelpContentsClick(TObject*) { Application->HelpContext(0); }

void TQVMain::mnuHelpAboutClick(TObject*) { TAboutBox::Execute(); }

void TQVMain::mnuHelpVisitHomePageClick(TObject*)
{
  ShellExecuteA(Handle(), "open", QuorvikHomePage, nullptr, nullptr, SW_SHOWMAXIMIZED);
}

bool TQVMain::SelectedFileLine(int& Index, std::string& Path)
{
  Index = Changes->ItemIndex();
  if (Index < 0 || Index >= Changes->Items()->Count() || Changes->Items()->Objects(Index) == NoteMark) return false;
  Path = LinePath(Changes->Items()->Get(Index));
  return true;
}

void TQVMain::oxPopupMenuPopup(TObject*)
{
  const bool lines = Changes->Items()->Count() > 0;
  int index;
  std::string path;
  const bool fileLine = SelectedFileLine(index, path);
  mnuSaveChangestoFile->SetEnabled(lines);
  mnuClear->SetEnabled(lines);
  mnuDeleteFile->SetEnabled(fileLine);
  mnuOpenFile->SetEnabled(fileLine);
}

void TQVMain::mnuSaveChangestoFileClick(TObject*)
{
  // The save dialog's file name is the collection's, which is remembered
  // across runs; the report's name must not replace it.
  const std::string collection = dlgSave->FileName();
  struct TRestore {
    TSaveDialog* Dialog;
    std::string Name;
    ~TRestore() { Dialog->SetFileName(Name); }
  } restore{dlgSave, collection};
  dlgSave->FTitle = "Save As...";
  dlgSave->SetFileName("");
  dlgSave->FFilterIndex = 2;
  dlgSave->FDefaultExt = "txt";
  if (!dlgSave->Execute()) return;
  SaveReportLines(*FFs, dlgSave->FileName(), Changes->Items()->ToVector());
}

void TQVMain::mnuClearClick(TObject*)
{
  if (!RefuseWhileWalking()) Changes->Items()->Clear();
}

// A file that cannot be deleted keeps its line, and the user learns why.
void TQVMain::mnuDeleteFileClick(TObject*)
{
  int index;
  std::string path;
  if (!SelectedFileLine(index, path)) return;
  if (Application->MessageBox(DeleteFilePrompt(path), qv::TMsgBoxKind::Confirmation) != IDOK) return;
  if (!DeleteFileA(path.c_str())) {
    const DWORD error = GetLastError();
    Application->MessageBox("Cannot delete file \"" + path + "\".\n\n" + SystemErrorText(error),
                            qv::TMsgBoxKind::Error);
    return;
  }
  // The list may have changed while the question was open.
  if (index < Changes->Items()->Count() && LinePath(Changes->Items()->Get(index)) == path)
    Changes->Items()->Delete(index);
}

void TQVMain::mnuOpenFileClick(TObject*)
{
  int index;
  std::string path;
  if (!SelectedFileLine(index, path)) return;
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(Changes->Handle(), "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result <= 32) Application->MessageBox("File Extension not registered.", qv::TMsgBoxKind::Information);
}

// --- The engine's host -------------------------------------------------------

void TQVMain::ShowStatus()
{
  StatusBar->SetSimpleText(FStatusText);
  FStatusShown = true;
  FLastStatus = GetTickCount();
}

// Status texts change with every directory; showing each would cost more
// than the walk itself, so the newest is shown a few times a second, and an
// empty text (the end of a command) at once.
void TQVMain::SetStatus(const std::string& Text)
{
  FStatusText = Text;
  FStatusShown = false;
  if (Text.empty() || GetTickCount() - FLastStatus >= StatusIntervalMs) ShowStatus();
}

void TQVMain::ProcessMessages()
{
  const uint32_t now = GetTickCount();
  if (now - FLastPump < PumpIntervalMs) return;
  if (!FStatusShown) ShowStatus();
  TStrings* lines = Changes->Items();
  const bool updating = lines->UpdateCount() > 0;
  if (updating) lines->EndUpdate();
  Application->ProcessMessages();
  if (updating) lines->BeginUpdate();
  FLastPump = GetTickCount();
}

void TQVMain::SetHourGlass(bool On) { Screen->SetCursor(On ? crHourGlass : crDefault); }

void TQVMain::Beep() { MessageBeep(0); }

bool TQVMain::RecurseDirs() { return dlgOptions->RecurseDirs->Checked(); }

bool TQVMain::EnableBeeps() { return dlgOptions->EnableBeeps->Checked(); }

std::vector<std::string> TQVMain::ExcludedDirs() { return dlgOptions->ExcludedDirs->Items()->ToVector(); }

void TQVMain::ClearLines() { Changes->Items()->Clear(); }

void TQVMain::AddLine(const std::string& Text, bool Note)
{
  Changes->Items()->AddObject(Text, Note ? NoteMark : nullptr);
}
