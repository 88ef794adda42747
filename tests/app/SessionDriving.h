#pragma once
// Driving the program's forms from a test as a user does: commands posted to
// the menus, keys, real dialogs answered from a CBT hook, files on disk.
#include <windows.h>
#include <shlobj.h>
#include <commctrl.h>

#include <fstream>
#include <functional>
#include <string>

#include "app/Options.h"
#include "app/QVMain.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"
#include "tests/support/DialogAnswering.h"
#include "tests/support/WineTestSupport.h"

namespace qvsession {

inline void WriteFile(const std::string& Path, size_t Size)
{
  std::ofstream(Path, std::ios::binary) << std::string(Size, 'x');
}

inline std::string ReadFile(const std::string& Path)
{
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline bool Exists(const std::string& Path) { return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline void RemoveTree(const std::string& Dir)
{
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((Dir + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = Dir + "\\" + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(Dir.c_str());
}

// Makes the program's two forms as at start-up, from the first run's
// settings (not from what an earlier test stored), and shows the main window.
inline void StartProgram()
{
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halbrand\\QV5");
  Application->SetTitle("Quorvik V5.0");
  Application->CreateForm(QVMain);
  Application->CreateForm(dlgOptions);
  QVMain->Show();
  qvtest::PumpMessagesFor(300);
}

// Pumps through the application, so that shortcut keys reach the menus and
// a failing command ends where the program's own loop would end it.
inline bool AppPumpUntil(const std::function<bool()>& Condition, DWORD TimeoutMs)
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
  if (!item) return;
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

// The text of the browse dialog's highlighted folder.
inline std::string SelectedTreeItem(HWND Dialog)
{
  HWND tree = GetDlgItem(Dialog, 0x3741);
  const LPARAM item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
  char text[MAX_PATH] = {};
  TVITEMA tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = reinterpret_cast<HTREEITEM>(item);
  tv.pszText = text;
  tv.cchTextMax = sizeof text;
  if (!item || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv))) return "";
  return text;
}

// Selects a folder in the shell's browse dialog and confirms it.
inline qvtest::CbtDialogAnswerer::Answer ChooseFolder(const std::string& Path)
{
  return [Path](HWND dialog) {
    // The first browse dialog of a process fills its tree late, and a
    // selection made before that is lost: select until the tree shows it.
    std::string leaf = Path.substr(0, Path.size() - (Path.back() == '\\'));
    leaf = leaf.substr(leaf.rfind('\\') + 1);
    for (int attempt = 0; attempt < 20 && SelectedTreeItem(dialog) != leaf; ++attempt) {
      SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(Path.c_str()));
      qvtest::PumpMessagesFor(250);
    }
    qvtest::CbtDialogAnswerer::Press(IDOK)(dialog);
  };
}

// Saves what the screen shows of a window as a 24-bit BMP.
inline void SaveScreenshot(HWND Window, const std::string& FileName) { qvtest::SaveScreenshot(Window, FileName); }

}  // namespace qvsession
