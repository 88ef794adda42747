#include "app/BrowseDr.h"

#include <array>

#include "app/BrowsePaths.h"
#include "app/ShellMemory.h"
#include "app/StatusTextFit.h"
#include "framework/forms/Forms.h"
#include "framework/win32/Handles.h"
#include "platform/win32/Win32Handles.h"

namespace {

static_assert((SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) == 21);

// The directory test on the real system.
class TWin32DirectoryProbe : public IDirectoryProbe {
public:
  uint32_t LogicalDrives() const override { return GetLogicalDrives(); }
  bool FindsDirectory(const std::string& Name) const override
  {
    WIN32_FIND_DATAA data{};
    const TFindHandle find(FindFirstFileA(Name.c_str(), &data));
    return find && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }
};

bool IsDirectory(const std::string& Value) { return IsExistingDirectory(Value, TWin32DirectoryProbe()); }

// The window a dialog of Owner belongs to: the owner itself when it is a
// window, else the application's main form. Handles are only made when
// Create says so: while a form is being read from its resource, asking for
// its window would create it too early.
HWND FindOwnerWindow(TComponent* Owner, bool Create)
{
  auto window = [Create](TWinControl* Control) -> HWND {
    if (!Control || (!Create && !Control->HandleAllocated())) return nullptr;
    return Control->Handle();
  };
  if (auto* control = dynamic_cast<TWinControl*>(Owner)) return window(control);
  return window(Application ? Application->MainForm() : nullptr);
}

// The root folder's id list, or null for the whole namespace: the look-up
// fails for idDesktopExpanded and for special folders this system lacks.
LPITEMIDLIST RootIdList(HWND Owner, TRootID Root)
{
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(Owner, RootFolderId(Root), &list))) return nullptr;
  return list;
}

std::string PathFromIdList(LPCITEMIDLIST IdList)
{
  std::array<char, MAX_PATH> path{};
  if (!IdList || !SHGetPathFromIDListA(IdList, path.data())) return {};
  return path.data();
}

// Paths as the dialog reports them and as they are sent to it may differ in
// case and in a trailing separator.
bool SamePath(std::string A, std::string B)
{
  for (std::string* s : {&A, &B})
    if (!s->empty() && s->back() == '\\') s->pop_back();
  return lstrcmpiA(A.c_str(), B.c_str()) == 0;
}

constexpr UINT ResendInterval = 100;
constexpr int ResendAttempts = 50;

// Width of Text in the font the control paints with.
int TextWidthIn(HDC DC, const std::string& Text)
{
  SIZE size{};
  GetTextExtentPoint32A(DC, Text.c_str(), static_cast<int>(Text.size()), &size);
  return size.cx;
}

}  // namespace

QV_IMPLEMENT_CLASS(TBrowseDirectoryDlg)

const TTypeInfo* TypeInfo_TBDSelChangedEvent()
{
  static const TTypeInfo* type = NewMethodType("TBDSelChangedEvent");
  return type;
}

void TBrowseDirectoryDlg::DeclareProperties(TClassBuilder<TBrowseDirectoryDlg>& c)
{
  using T = TBrowseDirectoryDlg;
  c.String("Selection", &T::Selection, &T::SetSelection);
  c.String("Title", &T::Title, &T::SetTitle);
  c.Ordinal("Root", TypeInfo_TRootID(), &T::Root, &T::SetRoot).Default(idDesktop);
  c.Ordinal("Options", TypeInfo_TBrowseFlags(), &T::Options, &T::SetOptions).Default(0);
  c.Boolean("Center", &T::Center, &T::SetCenter).Default(true);
  c.String("StatusText", &T::StatusText, &T::SetStatusText);
  c.Boolean("FitStatusText", &T::FitStatusText, &T::SetFitStatusText).Default(true);
  c.Boolean("EnableOKButton", &T::EnableOKButton, &T::SetEnableOKButton).Default(true);
  c.Ordinal("ImageIndex", TypeInfo_Integer(), &T::ImageIndex, nullptr).Default(-1);
  c.String("Caption", &T::Caption, &T::SetCaption);
  c.Boolean("ShowSelectionInStatus", &T::ShowSelectionInStatus, &T::SetShowSelectionInStatus).Default(false);
  c.Event("OnSelChanged", TypeInfo_TBDSelChangedEvent(), &T::OnSelChanged);
  c.Event("OnCreate", TypeInfo_TNotifyEvent(), &T::OnCreate);
}

TBrowseDirectoryDlg::TBrowseDirectoryDlg(TComponent* AOwner) : TComponent(AOwner)
{
  if (!ComponentState().Contains(csDesigning)) FOwnerWindow = FindOwnerWindow(AOwner, false);
}

TBrowseDirectoryDlg::~TBrowseDirectoryDlg() = default;

bool TBrowseDirectoryDlg::Execute()
{
  const HWND owner = ResolveOwnerWindow();
  const TShellAllocator allocator;
  const TShellBlock<char> name(allocator.get(), static_cast<char*>(allocator.get()->Alloc(MAX_PATH)));
  if (!name) throw EOutOfResources("Out of memory for the folder name");
  name.get()[0] = '\0';
  const TShellBlock<ITEMIDLIST> root(allocator.get(), RootIdList(owner, FRoot));

  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.get();
  info.pszDisplayName = name.get();
  info.lpszTitle = FTitle.c_str();
  info.ulFlags = BrowseFlagBits(FOptions) | (FStatusText.empty() ? 0 : BrowseStatusTextFlag);
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(this);
  // Not every shell reports an image (Wine does not): then it stays "none"
  // rather than a made-up index 0.
  info.iImage = -1;

  std::string path;
  const bool chosen = RunDialog(allocator.get(), info, path);
  SetSelection(chosen ? path : std::string());
  return chosen;
}

bool TBrowseDirectoryDlg::RunDialog(IMalloc* Allocator, BROWSEINFOA& Info, std::string& Path)
{
  // The window exists only while the shell's dialog runs, however it ends.
  struct TForgetHandle {
    HWND& Handle;
    ~TForgetHandle() { Handle = nullptr; }
  } forget{FHandle};
  FHighlighted = false;
  FResendsLeft = 0;
  const TShellBlock<ITEMIDLIST> chosen(Allocator, SHBrowseForFolderA(&Info));
  if (!chosen) return false;
  // Confirmed with no folder highlighted, Wine's dialog hands back the
  // Desktop, a folder the user never chose: that is a choice without a path.
  if (FHighlighted && SHGetPathFromIDListA(chosen.get(), Info.pszDisplayName)) Path = Info.pszDisplayName;
  FImageIndex = Info.iImage;
  return true;
}

HWND TBrowseDirectoryDlg::ResolveOwnerWindow() const
{
  // The window found at creation may have been destroyed and made anew since.
  if (FOwnerWindow && IsWindow(FOwnerWindow)) return FOwnerWindow;
  if (ComponentState().Contains(csDesigning)) return nullptr;
  return FindOwnerWindow(Owner(), true);
}

int CALLBACK TBrowseDirectoryDlg::BrowseCallback(HWND Wnd, UINT Msg, LPARAM Param, LPARAM Data)
{
  // The shell's modal loop is below us: nothing may unwind through it.
  try {
    auto* self = reinterpret_cast<TBrowseDirectoryDlg*>(Data);
    if (Msg == BFFM_INITIALIZED)
      self->DoInitialized(Wnd);
    else if (Msg == BFFM_SELCHANGED)
      self->DoSelChanged(Wnd, reinterpret_cast<LPCITEMIDLIST>(Param));
  } catch (...) {
    HandleCallbackException();
  }
  return 0;
}

void TBrowseDirectoryDlg::DoInitialized(HWND Wnd)
{
  FHandle = Wnd;
  if (FCenter) CenterWindow(Wnd);
  SendEnableOK();
  if (!FStatusText.empty()) SendStatusText();
  if (!FSelection.empty()) SendSelection();
  if (!FCaption.empty()) SendMessageA(Wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FCaption.c_str()));
  OnCreate(this);
}

void TBrowseDirectoryDlg::DoSelChanged(HWND Wnd, LPCITEMIDLIST IdList)
{
  (void)Wnd;
  FHighlighted = IdList != nullptr;
  const bool resending = FResendsLeft > 0;
  if (!resending && !FShowSelectionInStatus && !OnSelChanged) return;
  const std::string path = PathFromIdList(IdList);
  // Arrived, or the user moved the highlight himself: either way, done.
  if (resending && (!FSending || SamePath(path, FSentSelection))) StopResending();
  if (!FShowSelectionInStatus && !OnSelChanged) return;
  if (FShowSelectionInStatus) SetStatusText(path);
  OnSelChanged(this, path);
}

void TBrowseDirectoryDlg::CenterWindow(HWND Wnd) const
{
  RECT bounds{};
  GetWindowRect(Wnd, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  // C++ division truncates toward zero, also for a window wider than the screen.
  SetWindowPos(Wnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TBrowseDirectoryDlg::SendEnableOK() const
{
  SendMessageA(FHandle, BFFM_ENABLEOK, 0, FEnableOKButton ? TRUE : FALSE);
}

void TBrowseDirectoryDlg::SendStatusText() const
{
  const std::string text = FittedStatusText();
  SendMessageA(FHandle, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TBrowseDirectoryDlg::SendSelection()
{
  FSentSelection = SelectionForDialog(FSelection);
  // Wine's dialog can fill its tree only after it has been initialised, and
  // drops a selection that comes before. The dialog answers with
  // BFFM_SELCHANGED within this call when it takes the selection.
  FResendsLeft = ResendAttempts;
  FSending = true;
  SendMessageA(FHandle, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(FSentSelection.c_str()));
  FSending = false;
  if (FResendsLeft > 0 && FHandle) SetTimer(FHandle, reinterpret_cast<UINT_PTR>(this), ResendInterval, ResendSelection);
}

void CALLBACK TBrowseDirectoryDlg::ResendSelection(HWND Wnd, UINT Msg, UINT_PTR Id, DWORD Time)
{
  (void)Msg;
  (void)Time;
  // The timer lives on the dialog window, which is gone before Execute returns.
  auto* self = reinterpret_cast<TBrowseDirectoryDlg*>(Id);
  if (self->FHandle != Wnd || self->FResendsLeft <= 0) {
    KillTimer(Wnd, Id);
    return;
  }
  --self->FResendsLeft;
  self->FSending = true;
  SendMessageA(Wnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(self->FSentSelection.c_str()));
  self->FSending = false;
  if (self->FResendsLeft <= 0) KillTimer(Wnd, Id);
}

void TBrowseDirectoryDlg::StopResending()
{
  FResendsLeft = 0;
  if (FHandle) KillTimer(FHandle, reinterpret_cast<UINT_PTR>(this));
}

std::string TBrowseDirectoryDlg::FittedStatusText() const
{
  const HWND line = FFitStatusText && FHandle ? GetDlgItem(FHandle, BrowseStatusLineId) : nullptr;
  if (!line) return FStatusText;
  RECT client{};
  GetClientRect(line, &client);
  const qv::WindowDC dc(line);
  if (!dc) return FStatusText;
  const HFONT font = reinterpret_cast<HFONT>(SendMessageA(line, WM_GETFONT, 0, 0));
  const qv::SelectionGuard select(dc.get(), font);
  return ::FitStatusText(
      FStatusText, client.right, [&dc](const std::string& Text) { return TextWidthIn(dc.get(), Text); }, IsDirectory);
}

void TBrowseDirectoryDlg::SetSelection(const std::string& Value)
{
  // Compared after normalising, so a handler that sets the highlighted path
  // again does not send the dialog round in circles.
  const std::string normalized = NormalizeSelection(Value, IsDirectory);
  if (normalized == FSelection) return;
  FSelection = normalized;
  if (FHandle && !FSelection.empty()) SendSelection();
}

void TBrowseDirectoryDlg::SetStatusText(const std::string& Value)
{
  if (Value == FStatusText) return;
  FStatusText = Value;
  if (FHandle) SendStatusText();
}

void TBrowseDirectoryDlg::SetFitStatusText(bool Value)
{
  if (Value == FFitStatusText) return;
  FFitStatusText = Value;
  if (FHandle) SendStatusText();
}

void TBrowseDirectoryDlg::SetEnableOKButton(bool Value)
{
  if (Value == FEnableOKButton) return;
  FEnableOKButton = Value;
  if (FHandle) SendEnableOK();
}

std::string TBrowseDirectoryDlg::Caption() const
{
  if (!FHandle) return FCaption;
  std::array<char, 257> text{};
  const int length = GetWindowTextA(FHandle, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), static_cast<size_t>(length > 0 ? length : 0));
}

void TBrowseDirectoryDlg::SetCaption(const std::string& Value)
{
  if (Value == FCaption) return;
  FCaption = Value;
  if (FHandle) SendMessageA(FHandle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FCaption.c_str()));
}
