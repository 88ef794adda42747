#pragma once
// Answers real modal dialogs (message boxes, file and font dialogs) shown on
// this thread. A WH_CBT hook notices each dialog when it is activated and sets
// a short timer on it; the timer runs the next queued answer inside the
// dialog's own modal loop, so the code under test needs no changes.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace qvtest {

class CbtDialogAnswerer {
public:
  using Answer = std::function<void(HWND dialog)>;

  CbtDialogAnswerer();
  ~CbtDialogAnswerer();
  CbtDialogAnswerer(const CbtDialogAnswerer&) = delete;
  CbtDialogAnswerer& operator=(const CbtDialogAnswerer&) = delete;

  void Push(Answer answer) { answers_.push_back(std::move(answer)); }
  // Captions of the dialogs answered so far, and the text of message boxes.
  const std::vector<std::string>& Captions() const { return captions_; }
  const std::vector<std::string>& Texts() const { return texts_; }
  size_t Pending() const { return answers_.size(); }

  // Ready-made answers.
  static Answer Press(int buttonId);
  // Clicks IDYES when present, else IDOK (the overwrite question, a message box).
  static Answer Confirm();
  static Answer Cancel() { return Press(IDCANCEL); }
  // Types a path into the file dialog's name box and presses OK.
  static Answer ChooseFile(const std::string& path);
  // Picks a size in the font dialog's size box and presses OK.
  static Answer ChooseFontSize(const std::string& points);
  // Highlights a folder in the shell's browse dialog and presses OK.
  static Answer ChooseFolder(const std::string& path);

private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK TimerProc(HWND window, UINT, UINT_PTR id, DWORD);
  void Answered(HWND dialog);

  HHOOK hook_ = nullptr;
  std::deque<Answer> answers_;
  std::vector<std::string> captions_;
  std::vector<std::string> texts_;
};

// The static text of a message box (control id 0xFFFF).
std::string MessageBoxText(HWND dialog);

// The browse dialog's highlighted folder, and waiting (bounded) until that
// is the last name of path (a drive always matches).
std::string HighlightedFolder(HWND dialog);
bool WaitForHighlight(HWND dialog, const std::string& path, DWORD timeoutMs = 10000);
// Highlights path as a user does. The dialog fills its tree late and drops a
// selection that arrives before (and sometimes later ones too under load),
// so the selection is sent again until the tree shows it.
bool SelectFolder(HWND dialog, const std::string& path);

}  // namespace qvtest
