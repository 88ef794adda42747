#pragma once
// Driving the program's forms from a test as a user does: commands posted to
// the menus, keys, real dialogs answered from a CBT hook, files on disk.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/HelpFile.h"
#include "app/Options.h"
#include "app/QVMain.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"
#include "tests/support/DialogAnswering.h"
#include "tests/support/Win32TempTree.h"
#include "tests/support/WineTestSupport.h"

namespace qvsession {

using qvtest::CbtDialogAnswerer;
using Strings = std::vector<std::string>;

constexpr DWORD Timeout = 20000;

inline bool Exists(const std::string& Path) { return qvtest::files::FileExists(Path); }
inline std::string ReadAll(const std::string& Path) { return qvtest::files::ReadWholeFile(Path); }

// Makes the program's two forms as at start-up, from the first run's
// settings (not from what an earlier test stored), and shows the main window.
inline void StartProgram()
{
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halbrand\\QV5");
  Application->SetTitle("Quorvik V5.0");
  Application->SetHelpFile(HelpFileBesideProgram());
  Application->CreateForm(QVMain);
  Application->CreateForm(dlgOptions);
  QVMain->Show();
  qvtest::PumpMessagesFor(300);
}

// Pumps through the application, so that shortcut keys reach the menus and
// a failing command ends where the program's own loop would end it.
inline bool AppPumpUntil(const std::function<bool()>& Condition, DWORD TimeoutMs = Timeout)
{
  const DWORD start = GetTickCount();
  while (!Condition()) {
    if (GetTickCount() - start > TimeoutMs) return false;
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Posts the command of a menu item of Form, as a click on it does.
inline void PostCommand(TComponent* Form, const char* Item)
{
  auto* item = dynamic_cast<TMenuItem*>(Form->FindComponent(Item));
  if (!item) throw std::logic_error(std::string("no menu item ") + Item);
  // A pop-up menu's commands arrive at the framework's pop-up list window.
  const bool popup = dynamic_cast<TPopupMenu*>(item->GetParentMenu()) != nullptr;
  const HWND target = popup ? PopupList().Window() : static_cast<TCustomForm*>(Form)->Handle();
  PostMessageA(target, WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
}

inline void PostKey(HWND Window, WPARAM Vk)
{
  PostMessageA(Window, WM_KEYDOWN, Vk, 1);
  PostMessageA(Window, WM_KEYUP, Vk, 0xC0000001);
}

using qvtest::SaveScreenshot;

#ifdef QV_SCREENSHOT_DIR
// Saves what the screen shows of a window (and what lies over it, such as an
// open menu) as a BMP under the build directory.
inline void Screenshot(HWND Window, const std::string& Name, int Extra = 0)
{
  CreateDirectoryA(QV_SCREENSHOT_DIR, nullptr);
  SaveScreenshot(Window, std::string(QV_SCREENSHOT_DIR) + "\\" + Name + ".bmp", Extra);
}
#endif

// Runs actions inside whatever modal loop is running (a dialog's, a menu's),
// each once its condition holds, in the order they were scheduled.
class TWhen {
public:
  static void Schedule(std::function<bool()> Ready, std::function<void()> Action)
  {
    Steps.push_back({std::move(Ready), std::move(Action)});
    if (!TimerId) {
      TimerId = SetTimer(nullptr, 0, 50, Tick);
      Since = GetTickCount();
    }
  }
  static bool Idle() { return Steps.empty(); }
  // Drops what a failed test left scheduled.
  static void Clear() { Steps.clear(); }

private:
  struct TStep {
    std::function<bool()> Ready;
    std::function<void()> Action;
  };
  static inline std::vector<TStep> Steps;
  static inline UINT_PTR TimerId = 0;
  static inline DWORD Since = 0;
  static inline bool Busy = false;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
  {
    if (Steps.empty()) {
      KillTimer(nullptr, TimerId);
      TimerId = 0;
      return;
    }
    if (Busy) return;  // an action's own modal loop
    if (!Steps.front().Ready()) {
      // A step that never becomes ready ends the modal form it waits in, so
      // that the test fails instead of hanging.
      TCustomForm* form = Screen->ActiveForm();
      if (GetTickCount() - Since > Timeout && form && form->Modal()) form->SetModalResult(mrAbort);
      return;
    }
    TStep step = std::move(Steps.front());
    Steps.erase(Steps.begin());
    Busy = true;
    step.Action();
    Busy = false;
    Since = GetTickCount();
    // A modal loop looks at a result set by the action only when its next
    // message arrives.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
  }
};

// The program started for one test, a tree of files of its own in the root
// of C: (Wine's browse dialog compares the last-write times along a path, and
// the temporary folder changes all the time), and the dialogs' answers.
class TSession {
public:
  TSession() : Dir(Files.Path()), Root(Files.AddDir("tree")), Collection(Dir + "\\scan.qv") { StartProgram(); }
  ~TSession()
  {
    TWhen::Clear();
    // The file dialogs make the folder they were answered in the current
    // one, and the current folder cannot be removed.
    SetCurrentDirectoryA("C:\\");
  }

  // Writes Size bytes into Relative below the scanned tree.
  std::string Put(const std::string& Relative, size_t Size)
  {
    return Files.AddFile("tree\\" + Relative, std::string(Size, 'x'));
  }
  Strings Lines() const { return QVMain->Changes->Items()->ToVector(); }
  int LineIndex(const std::string& Text) const
  {
    const Strings lines = Lines();
    const auto at = std::find(lines.begin(), lines.end(), Text);
    return at == lines.end() ? -1 : static_cast<int>(at - lines.begin());
  }
  bool ReportDone() const
  {
    TStrings* items = QVMain->Changes->Items();  // no copy: reports grow long
    return items->Count() > 0 && items->Get(items->Count() - 1).rfind("DONE, ", 0) == 0;
  }
  bool Drain(DWORD TimeoutMs = Timeout)
  {
    return AppPumpUntil([&] { return Answers.Pending() == 0; }, TimeoutMs);
  }
  // Scan (F2) of the tree, saved as File; Compare (F3) with File.
  void Scan(const std::string& File)
  {
    Answers.Push(CbtDialogAnswerer::ChooseFolder(Root + "\\"));
    Answers.Push(CbtDialogAnswerer::ChooseFile(File));
    PostKey(QVMain->Handle(), VK_F2);
  }
  void Compare(const std::string& File)
  {
    Answers.Push(CbtDialogAnswerer::ChooseFile(File));
    PostKey(QVMain->Handle(), VK_F3);
  }
  bool ScanSaved(const std::string& File)
  {
    Scan(File);
    return Drain() && AppPumpUntil([&] { return Exists(File); });
  }
  bool CompareDone(const std::string& File, DWORD TimeoutMs = Timeout)
  {
    Compare(File);
    return Drain() && AppPumpUntil([&] { return ReportDone(); }, TimeoutMs);
  }
  // Save Changes to File into File; true once it is written.
  bool SaveReport(const std::string& File, DWORD TimeoutMs = Timeout)
  {
    Answers.Push(CbtDialogAnswerer::ChooseFile(File));
    PostCommand(QVMain, "mnuSaveChangestoFile");
    return Drain(TimeoutMs) && AppPumpUntil([&] { return Exists(File); });
  }
  // What a saved report holds: every line ended by CR LF.
  static std::string ReportText(const Strings& Report)
  {
    std::string text;
    for (const std::string& line : Report) text += line + "\r\n";
    return text;
  }
  // Delete File on line Index, confirmed.
  void PostDelete(int Index)
  {
    QVMain->Changes->SetItemIndex(Index);
    Answers.Push(CbtDialogAnswerer::Press(IDOK));
    PostCommand(QVMain, "mnuDeleteFile");
  }
  // Opens the options dialog from the menu; its own modal loop runs
  // InDialog, which closes it. False when it did not run or did not close.
  static bool OpenOptions(std::function<void()> InDialog)
  {
    bool ran = false;
    TWhen::Schedule([] { return dlgOptions->HandleAllocated() && IsWindowVisible(dlgOptions->Handle()); },
                    [&] {
                      InDialog();
                      ran = true;
                    });
    PostCommand(QVMain, "mnuFileOptions");
    return AppPumpUntil([&] { return ran && !IsWindowVisible(dlgOptions->Handle()); });
  }
  static void Press(TButton* Button) { PostMessageA(Button->Handle(), BM_CLICK, 0, 0); }

  TApplicationScope Scope;
  CbtDialogAnswerer Answers;
  TWin32TempTree Files{"C:\\"};
  const std::string Dir, Root, Collection;
};

}  // namespace qvsession
