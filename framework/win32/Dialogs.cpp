#include "framework/win32/Dialogs.h"

#include <commdlg.h>

#include <vector>

namespace qv {

UINT MessageBoxFlags(TMsgBoxKind kind) noexcept
{
  switch (kind) {
    case TMsgBoxKind::Error: return MB_OK | MB_ICONERROR;
    case TMsgBoxKind::Warning: return MB_OK | MB_ICONWARNING;
    case TMsgBoxKind::Information: return MB_OK | MB_ICONINFORMATION;
    case TMsgBoxKind::Confirmation: return MB_OKCANCEL | MB_ICONQUESTION;
  }
  return MB_OK;
}

int ShowMessageBox(const std::string& text, const std::string& caption, TMsgBoxKind kind, HWND owner)
{
  UINT flags = MessageBoxFlags(kind);
  if (IDialogAnswerer* answerer = DialogAnswerer()) {
    if (auto answer = answerer->AnswerMessageBox(text, caption, flags)) return *answer;
  }
  int result = MessageBoxA(owner, text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
  return result == 0 ? IDCANCEL : result;
}

std::string FilterToNulSeparated(const std::string& filter)
{
  std::string out = filter;
  for (char& c : out) {
    if (c == '|') c = '\0';
  }
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

namespace {

// Room for a long path; the dialog reports a too small buffer as a failure.
constexpr DWORD kFileBufferSize = 4096;

OPENFILENAMEA MakeOpenFileName(const TFileDialogRequest& request, HWND owner, const std::string& filter,
                               std::vector<char>& buffer)
{
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.size() > 2 ? filter.c_str() : nullptr;
  ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex < 0 ? 0 : request.filterIndex);
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  ofn.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
  ofn.Flags = request.flags | OFN_EXPLORER | OFN_ENABLESIZING;
  return ofn;
}

}  // namespace

TFileDialogAnswer RunFileDialog(const TFileDialogRequest& request, HWND owner)
{
  if (IDialogAnswerer* answerer = DialogAnswerer()) {
    if (auto answer = answerer->AnswerFileDialog(request)) return *answer;
  }
  std::string filter = FilterToNulSeparated(request.filter);
  std::vector<char> buffer(kFileBufferSize, '\0');
  request.fileName.copy(buffer.data(), buffer.size() - 1);
  OPENFILENAMEA ofn = MakeOpenFileName(request, owner, filter, buffer);
  BOOL ok = request.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  TFileDialogAnswer answer;
  answer.confirmed = ok != FALSE;
  answer.filterIndex = ok ? static_cast<int>(ofn.nFilterIndex) : request.filterIndex;
  answer.fileName = ok ? std::string(buffer.data()) : request.fileName;
  return answer;
}

bool RunFontDialog(LOGFONTA& font, COLORREF& color, DWORD flags, HWND owner)
{
  if (IDialogAnswerer* answerer = DialogAnswerer()) {
    if (auto answer = answerer->AnswerFontDialog(font, color)) return *answer;
  }
  LOGFONTA chosen = font;
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof(cf);
  cf.hwndOwner = owner;
  cf.lpLogFont = &chosen;
  cf.rgbColors = color;
  cf.Flags = flags | CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS;
  if (!ChooseFontA(&cf)) return false;
  font = chosen;
  color = cf.rgbColors;
  return true;
}

}  // namespace qv
