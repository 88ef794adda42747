#include "tests/support/DialogAnswering.h"

#include <shlobj.h>
#include <commctrl.h>

#include "tests/support/WineTestSupport.h"

namespace qvtest {

namespace {
CbtDialogAnswerer* activeAnswerer = nullptr;
constexpr UINT_PTR kAnswerTimer = 0x5A17;
constexpr int kFileNameBox = 0x47c;
constexpr int kFontSizeBox = 0x472;
constexpr int kFolderTree = 0x3741;

// The last name of a folder path, "" for a drive.
std::string LeafName(const std::string& path)
{
  const std::string trimmed = path.substr(0, path.size() - (!path.empty() && path.back() == '\\'));
  const size_t slash = trimmed.rfind('\\');
  return slash == std::string::npos ? std::string() : trimmed.substr(slash + 1);
}

}  // namespace

CbtDialogAnswerer::CbtDialogAnswerer()
{
  activeAnswerer = this;
  hook_ = SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
}

CbtDialogAnswerer::~CbtDialogAnswerer()
{
  if (hook_) UnhookWindowsHookEx(hook_);
  if (activeAnswerer == this) activeAnswerer = nullptr;
}

LRESULT CALLBACK CbtDialogAnswerer::HookProc(int code, WPARAM wParam, LPARAM lParam)
{
  if (code == HCBT_ACTIVATE && activeAnswerer) {
    HWND window = reinterpret_cast<HWND>(wParam);
    // The delay lets the dialog finish its WM_INITDIALOG work first.
    if (ClassName(window) == "#32770") SetTimer(window, kAnswerTimer, 100, TimerProc);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK CbtDialogAnswerer::TimerProc(HWND window, UINT, UINT_PTR id, DWORD)
{
  KillTimer(window, id);
  if (activeAnswerer && IsWindow(window)) activeAnswerer->Answered(window);
}

void CbtDialogAnswerer::Answered(HWND dialog)
{
  if (answers_.empty()) return;
  captions_.push_back(WindowText(dialog));
  texts_.push_back(MessageBoxText(dialog));
  Answer answer = std::move(answers_.front());
  answers_.pop_front();
  answer(dialog);
}

CbtDialogAnswerer::Answer CbtDialogAnswerer::Press(int buttonId)
{
  return [buttonId](HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
  };
}

CbtDialogAnswerer::Answer CbtDialogAnswerer::Confirm()
{
  return [](HWND dialog) {
    int id = GetDlgItem(dialog, IDYES) ? IDYES : IDOK;
    Press(id)(dialog);
  };
}

CbtDialogAnswerer::Answer CbtDialogAnswerer::ChooseFile(const std::string& path)
{
  return [path](HWND dialog) {
    SendMessageA(GetDlgItem(dialog, kFileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    Press(IDOK)(dialog);
  };
}

CbtDialogAnswerer::Answer CbtDialogAnswerer::ChooseFontSize(const std::string& points)
{
  return [points](HWND dialog) {
    HWND size = GetDlgItem(dialog, kFontSizeBox);
    // The size box ignores WM_SETTEXT; a selection plus its notification works.
    SendMessageA(size, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(points.c_str()));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kFontSizeBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(size));
    Press(IDOK)(dialog);
  };
}

CbtDialogAnswerer::Answer CbtDialogAnswerer::ChooseFolder(const std::string& path)
{
  return [path](HWND dialog) {
    SelectFolder(dialog, path);
    Press(IDOK)(dialog);
  };
}

std::string MessageBoxText(HWND dialog)
{
  HWND text = GetDlgItem(dialog, 0xFFFF);
  return text ? WindowText(text) : std::string();
}

std::string HighlightedFolder(HWND dialog)
{
  HWND tree = GetDlgItem(dialog, kFolderTree);
  char text[MAX_PATH] = {};
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (!item.hItem || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return "";
  return text;
}

bool WaitForHighlight(HWND dialog, const std::string& path, DWORD timeoutMs)
{
  const std::string leaf = LeafName(path);
  return PumpUntil([&] { return leaf.empty() || lstrcmpiA(HighlightedFolder(dialog).c_str(), leaf.c_str()) == 0; },
                   timeoutMs);
}

bool SelectFolder(HWND dialog, const std::string& path)
{
  for (int attempt = 0; attempt < 40; ++attempt) {
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
    if (WaitForHighlight(dialog, path, 250)) return true;
  }
  return false;
}

}  // namespace qvtest
