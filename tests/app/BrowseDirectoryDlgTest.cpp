// The folder-browse component against Wine's real dialog. A CBT hook answers
// each dialog from inside its modal loop: the answer looks at the open dialog
// (and may change the component's properties), then presses OK or Cancel.
#include "app/BrowseDr.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/win32/DialogSeam.h"
#include "framework/objects/FormFile.h"
#include "framework/forms/Forms.h"
#include "framework/objects/Writer.h"
#include "framework/objects/ObjectText.h"
#include "framework/objects/Streams.h"
#include "tests/support/DialogAnswering.h"
#include "tests/support/WineTestSupport.h"

using qvtest::CbtDialogAnswerer;
using qvtest::WindowText;

namespace {

constexpr int TitleLineId = 0x3742;

// A directory tree in the root of drive C:, removed again at the end. Not in
// the temporary folder: Wine's dialog compares folders including their
// last-write times, so a BFFM_SETSELECTION fails when a folder on the way
// (the busy temporary folder, say) changes while the dialog is open.
class TempTree {
public:
  TempTree()
  {
    // A new name for every tree: a folder removed and made again under the
    // same name by the previous test was seen refusing selections into it.
    static int made = 0;
    FRoot = "C:\\QvBrowse" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++made);
    Make("");
  }
  ~TempTree() { Remove(FRoot); }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // Makes Relative (one level) and returns its full path.
  std::string Make(const std::string& Relative)
  {
    const std::string path = Relative.empty() ? FRoot : FRoot + "\\" + Relative;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
  }
  const std::string& Root() const { return FRoot; }

private:
  static void Remove(const std::string& Dir)
  {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((Dir + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          Remove(Dir + "\\" + name);
        else
          DeleteFileA((Dir + "\\" + name).c_str());
      } while (FindNextFileA(find, &data));
      FindClose(find);
    }
    RemoveDirectoryA(Dir.c_str());
  }
  std::string FRoot;
};

// What an answer saw of the open dialog.
struct Seen {
  bool answered = false;
  std::string caption;
  std::string componentCaption;
  RECT bounds{};
  bool okEnabled = false;
  HWND statusLine = nullptr;
  bool statusVisible = false;
  std::string statusText;
  std::string title;
  HWND owner = nullptr;
  HWND handle = nullptr;
};

std::string ControlText(HWND Dialog, int Id)
{
  HWND control = GetDlgItem(Dialog, Id);
  return control ? WindowText(control) : std::string();
}

Seen Look(HWND Dialog, const TBrowseDirectoryDlg& Browse)
{
  Seen seen;
  seen.answered = true;
  seen.caption = WindowText(Dialog);
  seen.componentCaption = Browse.Caption();
  GetWindowRect(Dialog, &seen.bounds);
  seen.okEnabled = IsWindowEnabled(GetDlgItem(Dialog, IDOK)) != FALSE;
  seen.statusLine = GetDlgItem(Dialog, BrowseStatusLineId);
  seen.statusVisible = seen.statusLine && IsWindowVisible(seen.statusLine);
  seen.statusText = ControlText(Dialog, BrowseStatusLineId);
  seen.title = ControlText(Dialog, TitleLineId);
  seen.owner = GetWindow(Dialog, GW_OWNER);
  seen.handle = Browse.Handle();
  return seen;
}

// The text of the dialog's highlighted folder.
std::string HighlightedItem(HWND Dialog)
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

// The last name of a folder path, "" for a drive.
std::string LeafName(const std::string& Path)
{
  const std::string trimmed = Path.substr(0, Path.size() - (!Path.empty() && Path.back() == '\\'));
  const size_t slash = trimmed.rfind('\\');
  return slash == std::string::npos ? std::string() : trimmed.substr(slash + 1);
}

// Waits (bounded) until the dialog highlights Path's folder: the dialog can
// take its tree a while to fill, on a loaded machine more than the answer's
// delay.
bool WaitForHighlight(HWND Dialog, const std::string& Path)
{
  const std::string leaf = LeafName(Path);
  return leaf.empty() ||
         qvtest::PumpUntil([&] { return lstrcmpiA(HighlightedItem(Dialog).c_str(), leaf.c_str()) == 0; }, 10000);
}

// What a user does: highlight Path, again if the dialog dropped it.
void SelectInDialog(HWND Dialog, const std::string& Path)
{
  const std::string leaf = LeafName(Path);
  for (int attempt = 0; attempt < 40; ++attempt) {
    SendMessageA(Dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(Path.c_str()));
    if (lstrcmpiA(HighlightedItem(Dialog).c_str(), leaf.c_str()) == 0) return;
    qvtest::PumpMessagesFor(250);
  }
  ADD_FAILURE() << "The dialog never highlighted " << Path;
}

// Width of Text in the status line's own font.
int StatusTextWidth(HWND Line, const std::string& Text)
{
  HDC dc = GetDC(Line);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(Line, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, Text.c_str(), static_cast<int>(Text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(Line, dc);
  return size.cx;
}

int ClientWidth(HWND Window)
{
  RECT r{};
  GetClientRect(Window, &r);
  return r.right;
}

bool RunningOnWine()
{
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

bool StartsWith(const std::string& S, const std::string& Prefix) { return S.rfind(Prefix, 0) == 0; }
bool EndsWith(const std::string& S, const std::string& Suffix)
{
  return S.size() >= Suffix.size() && S.compare(S.size() - Suffix.size(), Suffix.size(), Suffix) == 0;
}

// Records the application's error boxes instead of showing them.
class RecordingAnswerer : public qv::IDialogAnswerer {
public:
  std::optional<int> AnswerMessageBox(const std::string& Text, const std::string&, UINT) override
  {
    Texts.push_back(Text);
    return IDOK;
  }
  std::vector<std::string> Texts;
};

// Saves the screen as a 24-bit BMP (for a look at the real dialog).
void SaveScreen(const std::string& FileName)
{
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER header{sizeof(header), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const int stride = (width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<size_t>(stride) * height);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  if (FILE* out = std::fopen(FileName.c_str(), "wb")) {
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&header, sizeof(header), 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
  }
}

class BrowseDialogTest : public ::testing::Test {
protected:
  // Execute with one answer: Inspect sees the open dialog, then Button closes it.
  bool Run(TBrowseDirectoryDlg& Browse, const std::function<void(HWND)>& Inspect, int Button = IDOK)
  {
    answerer.Push([&Browse, Inspect, Button](HWND Dialog) {
      // The component's own preselection must have arrived before anything is looked at.
      EXPECT_TRUE(WaitForHighlight(Dialog, Browse.Selection())) << Browse.Selection();
      if (Inspect) Inspect(Dialog);
      CbtDialogAnswerer::Press(Button)(Dialog);
    });
    const bool result = Browse.Execute();
    EXPECT_EQ(answerer.Pending(), 0u);
    return result;
  }
  bool RunAndLook(TBrowseDirectoryDlg& Browse, Seen& Out, int Button = IDOK)
  {
    return Run(
        Browse, [&](HWND Dialog) { Out = Look(Dialog, Browse); }, Button);
  }

  TApplicationScope app;
  TempTree tree;
  CbtDialogAnswerer answerer;
};

}  // namespace

// --- Properties ---------------------------------------------------------------

TEST(BrowseDirectoryDlgProps, DeclaredInOrderWithDefaults)
{
  TBrowseDirectoryDlg browse(nullptr);
  std::vector<std::string> names;
  for (const TPropInfo& p : TBrowseDirectoryDlg::StaticClass().OwnProps) names.push_back(p.Name);
  const std::vector<std::string> expected = {"Selection",
                                             "Title",
                                             "Root",
                                             "Options",
                                             "Center",
                                             "StatusText",
                                             "FitStatusText",
                                             "EnableOKButton",
                                             "ImageIndex",
                                             "Caption",
                                             "ShowSelectionInStatus",
                                             "OnSelChanged",
                                             "OnCreate"};
  EXPECT_EQ(names, expected);
  for (const TPropInfo& p : TBrowseDirectoryDlg::StaticClass().OwnProps)
    EXPECT_TRUE(IsDefaultPropValue(browse, p)) << p.Name;
  EXPECT_EQ(GetOrdProp(browse, "Root"), idDesktop);
  EXPECT_EQ(GetOrdProp(browse, "Center"), 1);
  EXPECT_EQ(GetOrdProp(browse, "FitStatusText"), 1);
  EXPECT_EQ(GetOrdProp(browse, "EnableOKButton"), 1);
  EXPECT_EQ(GetOrdProp(browse, "ShowSelectionInStatus"), 0);
  EXPECT_EQ(GetOrdProp(browse, "ImageIndex"), -1);
  EXPECT_EQ(GetOrdProp(browse, "Options"), 0);
}

TEST(BrowseDirectoryDlgProps, TypesAreNamedForStorage)
{
  TBrowseDirectoryDlg browse(nullptr);
  const TPropInfo& root = FindPropInfo(browse, "Root");
  EXPECT_EQ(root.PropType->Name, "TRootID");
  EXPECT_EQ(FindPropInfo(browse, "Options").PropType->Name, "TBrowseFlags");
  EXPECT_EQ(FindPropInfo(browse, "OnSelChanged").PropType->Name, "TBDSelChangedEvent");
  browse.SetRoot(idDrives);
  EXPECT_EQ(GetEnumName(root.PropType, GetOrdProp(browse, root)), "idDrives");
  SetOrdProp(browse, root, GetEnumValue(root.PropType, "idNetwork"));
  EXPECT_EQ(browse.Root(), idNetwork);
  EXPECT_FALSE(FindPropInfo(browse, "ImageIndex").IsWritable());
}

TEST(BrowseDirectoryDlgProps, FormFileSetsThemAndWritesThemBack)
{
  TComponent holder(nullptr);
  ReadFormText(&holder, "object Holder: TComponent\n"
                        "  object dlgBrowse: TBrowseDirectoryDlg\n"
                        "    Title = 'Select the root directory for scanning...'\n"
                        "    Root = idDrives\n"
                        "    Options = [bfDirectoriesOnly, bfIncludeFiles]\n"
                        "    Center = False\n"
                        "    Caption = 'Select Scan Directory'\n"
                        "  end\n"
                        "end\n");
  auto* browse = dynamic_cast<TBrowseDirectoryDlg*>(holder.FindComponent("dlgBrowse"));
  ASSERT_NE(browse, nullptr);
  EXPECT_EQ(browse->Title(), "Select the root directory for scanning...");
  EXPECT_EQ(browse->Root(), idDrives);
  EXPECT_EQ(browse->Options(), (TBrowseFlags{bfDirectoriesOnly, bfIncludeFiles}));
  EXPECT_FALSE(browse->Center());
  EXPECT_EQ(browse->Caption(), "Select Scan Directory");

  TMemoryStream stream;
  WriteComponentToStream(stream, browse);
  const std::string text = ObjectBinaryToText(stream.DataString());
  EXPECT_NE(text.find("Root = idDrives"), std::string::npos) << text;
  EXPECT_NE(text.find("Options = [bfDirectoriesOnly, bfIncludeFiles]"), std::string::npos) << text;
  EXPECT_EQ(text.find("ImageIndex"), std::string::npos) << text;
  EXPECT_EQ(text.find("FitStatusText"), std::string::npos) << text;
}

// --- Selection without a dialog ---------------------------------------------------

TEST_F(BrowseDialogTest, SelectionOfAnExistingDirectoryGetsABackslash)
{
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.Make("Data");
  browse.SetSelection(data);
  EXPECT_EQ(browse.Selection(), data + "\\");
  browse.SetSelection("C:\\");
  EXPECT_EQ(browse.Selection(), "C:\\");
  browse.SetSelection(data + "\\Missing");
  EXPECT_EQ(browse.Selection(), data + "\\Missing");
  browse.SetSelection("c:\\");
  EXPECT_EQ(browse.Selection(), "c:\\");
}

TEST_F(BrowseDialogTest, WildcardSelectionIsNotTakenForADirectory)
{
  TBrowseDirectoryDlg browse(nullptr);
  tree.Make("Data");
  browse.SetSelection(tree.Root() + "\\Dat*");
  EXPECT_EQ(browse.Selection(), tree.Root() + "\\Dat*");
}

TEST_F(BrowseDialogTest, MissingDriveIsNotADirectory)
{
  TBrowseDirectoryDlg browse(nullptr);
  const DWORD drives = GetLogicalDrives();
  char letter = 0;
  for (int i = 25; i >= 3 && !letter; --i)
    if (!(drives & (1u << i))) letter = static_cast<char>('A' + i);
  ASSERT_NE(letter, 0);
  const std::string missing = std::string(1, letter) + ":\\";
  browse.SetSelection(missing);
  EXPECT_EQ(browse.Selection(), missing);
  browse.SetSelection(std::string(1, letter) + ":\\Data");
  EXPECT_EQ(browse.Selection(), std::string(1, letter) + ":\\Data");
}

// --- The open dialog -----------------------------------------------------------

TEST_F(BrowseDialogTest, CancelEmptiesSelection)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetSelection(tree.Make("Data"));
  Seen seen;
  EXPECT_FALSE(RunAndLook(browse, seen, IDCANCEL));
  EXPECT_TRUE(seen.answered);
  EXPECT_EQ(browse.Selection(), "");
  EXPECT_EQ(browse.ImageIndex(), -1);
  EXPECT_EQ(browse.Handle(), nullptr);
}

TEST_F(BrowseDialogTest, PreselectedFolderIsChosenWithTrailingBackslash)
{
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.Make("Data");
  browse.SetSelection(data);
  Seen seen;
  EXPECT_TRUE(RunAndLook(browse, seen));
  EXPECT_EQ(browse.Selection(), data + "\\");
  EXPECT_NE(seen.handle, nullptr);
  EXPECT_EQ(browse.Handle(), nullptr);
}

TEST_F(BrowseDialogTest, FolderChosenInTheDialogEndsWithBackslash)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetRoot(idDrives);
  const std::string data = tree.Make("Data");
  const std::string other = tree.Make("Other");
  browse.SetSelection(data);
  EXPECT_TRUE(Run(browse, [&](HWND Dialog) { SelectInDialog(Dialog, other); }));
  EXPECT_EQ(browse.Selection(), other + "\\");
}

TEST_F(BrowseDialogTest, SelectionSetWhileOpenMovesTheHighlight)
{
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.Make("Data");
  const std::string other = tree.Make("Other");
  browse.SetSelection(data);
  std::vector<std::string> highlighted;
  browse.OnSelChanged = [&](TObject*, const std::string& NewSel) { highlighted.push_back(NewSel); };
  EXPECT_TRUE(Run(browse, [&](HWND Dialog) {
    browse.SetSelection(other);
    EXPECT_TRUE(WaitForHighlight(Dialog, other));
  }));
  EXPECT_EQ(browse.Selection(), other + "\\");
  ASSERT_FALSE(highlighted.empty());
  EXPECT_EQ(highlighted.back(), other);
}

TEST_F(BrowseDialogTest, DriveSelectionOpensOnTheDrive)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetRoot(idDrives);
  browse.SetSelection("C:");
  std::vector<std::string> highlighted;
  browse.OnSelChanged = [&](TObject*, const std::string& NewSel) { highlighted.push_back(NewSel); };
  EXPECT_TRUE(Run(browse, nullptr));
  EXPECT_EQ(browse.Selection(), "C:\\");
  ASSERT_FALSE(highlighted.empty());
  EXPECT_EQ(highlighted.back(), "C:\\");
}

TEST_F(BrowseDialogTest, ChosenFolderSetsItsSystemImageIndex)
{
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.Make("Data");
  browse.SetSelection(data);
  EXPECT_EQ(browse.ImageIndex(), -1);
  EXPECT_TRUE(Run(browse, nullptr));
  if (RunningOnWine()) {
    // Wine's dialog leaves the image index alone: the component must not
    // invent one.
    EXPECT_EQ(browse.ImageIndex(), -1);
  } else {
    SHFILEINFOA info{};
    SHGetFileInfoA(data.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    EXPECT_EQ(browse.ImageIndex(), info.iIcon);
  }
}

TEST_F(BrowseDialogTest, CentredOnTheScreen)
{
  TBrowseDirectoryDlg browse(nullptr);
  Seen seen;
  RunAndLook(browse, seen, IDCANCEL);
  const int width = seen.bounds.right - seen.bounds.left;
  const int height = seen.bounds.bottom - seen.bounds.top;
  EXPECT_EQ(seen.bounds.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(seen.bounds.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST_F(BrowseDialogTest, NotMovedWhenCenterIsOff)
{
  TBrowseDirectoryDlg centred(nullptr);
  Seen atCentre;
  RunAndLook(centred, atCentre, IDCANCEL);
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetCenter(false);
  // The dialog's own place, seen when it is activated and before the callback ran.
  RECT before{};
  browse.OnCreate = [&](TObject* Sender) {
    GetWindowRect(static_cast<TBrowseDirectoryDlg*>(Sender)->Handle(), &before);
  };
  Seen seen;
  RunAndLook(browse, seen, IDCANCEL);
  EXPECT_EQ(seen.bounds.left, before.left);
  EXPECT_EQ(seen.bounds.top, before.top);
  EXPECT_EQ(seen.bounds.right - seen.bounds.left, atCentre.bounds.right - atCentre.bounds.left);
}

TEST_F(BrowseDialogTest, CaptionIsSetAndReadFromTheWindow)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetCaption("Select Scan Directory");
  std::string afterChange;
  EXPECT_FALSE(Run(
      browse,
      [&](HWND Dialog) {
        EXPECT_EQ(WindowText(Dialog), "Select Scan Directory");
        SetWindowTextA(Dialog, "Changed by the user");
        EXPECT_EQ(browse.Caption(), "Changed by the user");
        browse.SetCaption("Another");
        afterChange = WindowText(Dialog);
      },
      IDCANCEL));
  EXPECT_EQ(afterChange, "Another");
  EXPECT_EQ(browse.Caption(), "Another");
}

TEST_F(BrowseDialogTest, EmptyCaptionKeepsTheDialogsOwn)
{
  TBrowseDirectoryDlg browse(nullptr);
  Seen seen;
  RunAndLook(browse, seen, IDCANCEL);
  EXPECT_EQ(seen.caption, "Browse for Folder");
  EXPECT_EQ(seen.componentCaption, "Browse for Folder");
  EXPECT_EQ(browse.Caption(), "");
}

TEST_F(BrowseDialogTest, TitleShowsAboveTheTree)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetTitle("Select the root directory for scanning...");
  Seen seen;
  RunAndLook(browse, seen, IDCANCEL);
  EXPECT_EQ(seen.title, "Select the root directory for scanning...");
}

TEST_F(BrowseDialogTest, OkButtonFollowsEnableOKButton)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetEnableOKButton(false);
  bool disabledAtStart = true, enabledLater = false, disabledAgain = true;
  Run(
      browse,
      [&](HWND Dialog) {
        HWND ok = GetDlgItem(Dialog, IDOK);
        disabledAtStart = !IsWindowEnabled(ok);
        browse.SetEnableOKButton(true);
        enabledLater = IsWindowEnabled(ok) != FALSE;
        browse.SetEnableOKButton(false);
        disabledAgain = !IsWindowEnabled(ok);
      },
      IDCANCEL);
  EXPECT_TRUE(disabledAtStart);
  EXPECT_TRUE(enabledLater);
  EXPECT_TRUE(disabledAgain);
}

TEST_F(BrowseDialogTest, OkButtonEnabledByDefault)
{
  TBrowseDirectoryDlg browse(nullptr);
  Seen seen;
  RunAndLook(browse, seen, IDCANCEL);
  EXPECT_TRUE(seen.okEnabled);
}

TEST_F(BrowseDialogTest, NoStatusLineWithoutStatusText)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetShowSelectionInStatus(true);
  browse.SetSelection(tree.Make("Data"));
  Seen seen;
  RunAndLook(browse, seen, IDCANCEL);
  EXPECT_FALSE(seen.statusVisible);
}

TEST_F(BrowseDialogTest, StatusTextShowsInTheStatusLine)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetStatusText("Pick one");
  std::string changed;
  Seen seen;
  Run(
      browse,
      [&](HWND Dialog) {
        seen = Look(Dialog, browse);
        browse.SetStatusText("Another line");
        changed = ControlText(Dialog, BrowseStatusLineId);
      },
      IDCANCEL);
  EXPECT_TRUE(seen.statusVisible);
  EXPECT_EQ(seen.statusText, "Pick one");
  EXPECT_EQ(changed, "Another line");
}

TEST_F(BrowseDialogTest, ShowSelectionInStatusShowsTheHighlightedPath)
{
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.Make("Data");
  const std::string other = tree.Make("Other");
  browse.SetStatusText("-");
  browse.SetShowSelectionInStatus(true);
  browse.SetFitStatusText(false);
  browse.SetSelection(data);
  std::string atStart, statusAtStart, afterMove;
  Run(
      browse,
      [&](HWND Dialog) {
        atStart = browse.StatusText();
        statusAtStart = ControlText(Dialog, BrowseStatusLineId);
        SelectInDialog(Dialog, other);
        afterMove = ControlText(Dialog, BrowseStatusLineId);
      },
      IDCANCEL);
  EXPECT_EQ(atStart, data);
  EXPECT_EQ(statusAtStart, data);
  EXPECT_EQ(afterMove, other);
  EXPECT_EQ(browse.StatusText(), other);
}

TEST_F(BrowseDialogTest, OnSelChangedGetsEveryHighlightedPath)
{
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.Make("Data");
  const std::string other = tree.Make("Other");
  browse.SetSelection(data);
  std::vector<std::string> highlighted;
  TObject* sender = nullptr;
  browse.OnSelChanged = [&](TObject* Sender, const std::string& NewSel) {
    sender = Sender;
    highlighted.push_back(NewSel);
  };
  Run(
      browse, [&](HWND Dialog) { SelectInDialog(Dialog, other); }, IDCANCEL);
  ASSERT_GE(highlighted.size(), 2u);
  EXPECT_EQ(highlighted[highlighted.size() - 2], data);
  EXPECT_EQ(highlighted.back(), other);
  EXPECT_EQ(sender, &browse);
  EXPECT_EQ(browse.StatusText(), "");
}

TEST_F(BrowseDialogTest, OnCreateComesAfterTheSettings)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetCaption("Select Scan Directory");
  browse.SetEnableOKButton(false);
  std::string caption;
  bool okEnabled = true;
  int calls = 0;
  browse.OnCreate = [&](TObject* Sender) {
    HWND dialog = static_cast<TBrowseDirectoryDlg*>(Sender)->Handle();
    caption = WindowText(dialog);
    okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
    ++calls;
  };
  Run(browse, nullptr, IDCANCEL);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(caption, "Select Scan Directory");
  EXPECT_FALSE(okEnabled);
}

TEST_F(BrowseDialogTest, LongDirectoryIsShortenedFromTheLeftInTheStatusLine)
{
  TBrowseDirectoryDlg browse(nullptr);
  std::string deep = "Data";
  tree.Make(deep);
  for (const char* part :
       {"AVeryLongFolderNameNumberOne", "AnotherQuiteLongFolderName", "YetAnotherLongFolderName", "Deepest"}) {
    deep += std::string("\\") + part;
    tree.Make(deep);
  }
  const std::string path = tree.Root() + "\\" + deep;
  browse.SetStatusText(path);
  std::string shown, unfitted;
  int width = 0, lineWidth = 0;
  Run(
      browse,
      [&](HWND Dialog) {
        HWND line = GetDlgItem(Dialog, BrowseStatusLineId);
        shown = WindowText(line);
        width = StatusTextWidth(line, shown);
        lineWidth = ClientWidth(line);
        browse.SetFitStatusText(false);
        unfitted = WindowText(line);
      },
      IDCANCEL);
  EXPECT_TRUE(StartsWith(shown, "C:\\...\\")) << shown;
  EXPECT_TRUE(EndsWith(shown, "\\Deepest")) << shown;
  EXPECT_LE(width, lineWidth) << shown;
  EXPECT_GT(lineWidth, 0);
  EXPECT_EQ(unfitted, path);
  // The setting stays with the component for the next time.
  EXPECT_EQ(browse.StatusText(), path);
}

TEST_F(BrowseDialogTest, LongPlainTextIsCutAtTheEnd)
{
  TBrowseDirectoryDlg browse(nullptr);
  const std::string text = "This status text is far too long for the status line of the folder-browse dialog, "
                           "so the component cuts it at the end and marks the cut";
  browse.SetStatusText(text);
  std::string shown;
  int width = 0, lineWidth = 0, oneMoreWidth = 0;
  Run(
      browse,
      [&](HWND Dialog) {
        HWND line = GetDlgItem(Dialog, BrowseStatusLineId);
        shown = WindowText(line);
        width = StatusTextWidth(line, shown);
        lineWidth = ClientWidth(line);
        const size_t kept = shown.size() >= 3 ? shown.size() - 3 : 0;
        oneMoreWidth = StatusTextWidth(line, text.substr(0, kept + 1) + "...");
      },
      IDCANCEL);
  ASSERT_TRUE(EndsWith(shown, "...")) << shown;
  EXPECT_TRUE(StartsWith(text, shown.substr(0, shown.size() - 3))) << shown;
  EXPECT_LE(width, lineWidth);
  // The cut is the shortest one: one more character would not have fitted.
  EXPECT_GT(oneMoreWidth, lineWidth);
}

TEST_F(BrowseDialogTest, DesktopExpandedRootStillBrowsesTheWholeNamespace)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetRoot(idDesktopExpanded);
  const std::string data = tree.Make("Data");
  browse.SetSelection(data);
  EXPECT_TRUE(Run(browse, nullptr));
  EXPECT_EQ(browse.Selection(), data + "\\");
}

TEST_F(BrowseDialogTest, HandlerFailureIsReportedAndTheDialogGoesOn)
{
  RecordingAnswerer boxes;
  qv::ScopedDialogAnswerer scope(boxes);
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.Make("Data");
  browse.SetSelection(data);
  browse.OnCreate = [](TObject*) { throw Exception("Handler failed"); };
  browse.OnSelChanged = [](TObject*, const std::string&) { throw Exception("Selection failed"); };
  EXPECT_TRUE(Run(browse, nullptr));
  EXPECT_EQ(browse.Selection(), data + "\\");
  ASSERT_GE(boxes.Texts.size(), 2u);
  EXPECT_EQ(boxes.Texts.front(), "Selection failed.");
  EXPECT_EQ(boxes.Texts.back(), "Handler failed.");
}

TEST_F(BrowseDialogTest, OwnedByTheFormThatOwnsTheComponent)
{
  TForm* form = TCustomForm::Create<TForm>(Application);
  form->HandleNeeded();
  auto* browse = new TBrowseDirectoryDlg(form);
  Seen seen;
  RunAndLook(*browse, seen, IDCANCEL);
  EXPECT_EQ(seen.owner, form->Handle());
}

TEST_F(BrowseDialogTest, OwnerFormWindowMadeAgainIsFoundAgain)
{
  TForm* form = TCustomForm::Create<TForm>(Application);
  form->HandleNeeded();
  auto* browse = new TBrowseDirectoryDlg(form);
  form->RecreateWnd();
  form->HandleNeeded();
  Seen seen;
  RunAndLook(*browse, seen, IDCANCEL);
  EXPECT_EQ(seen.owner, form->Handle());
}

TEST_F(BrowseDialogTest, OtherwiseOwnedByTheMainForm)
{
  TForm* main = nullptr;
  Application->CreateForm(main);
  TComponent holder(nullptr);
  auto* browse = new TBrowseDirectoryDlg(&holder);
  Seen seen;
  RunAndLook(*browse, seen, IDCANCEL);
  EXPECT_EQ(seen.owner, main->Handle());
}

TEST_F(BrowseDialogTest, ScanDialogAsTheUserSeesIt)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetTitle("Select the root directory for scanning...");
  browse.SetCaption("Select Scan Directory");
  browse.SetRoot(idDrives);
  std::string deep = "Data";
  tree.Make(deep);
  for (const char* part : {"Projects", "Quorvik", "SomeRatherLongFolderName", "Deep"}) {
    deep += std::string("\\") + part;
    tree.Make(deep);
  }
  browse.SetStatusText("-");
  browse.SetShowSelectionInStatus(true);
  browse.SetSelection(tree.Root() + "\\" + deep);
  const char* shots = std::getenv("QV_SCREENSHOT_DIR");
  Seen seen;
  Run(
      browse,
      [&](HWND Dialog) {
        seen = Look(Dialog, browse);
        if (shots) {
          RedrawWindow(Dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
          qvtest::PumpMessagesFor(300);
          SaveScreen(std::string(shots) + "\\browse-dialog.bmp");
        }
      },
      IDCANCEL);
  EXPECT_EQ(seen.caption, "Select Scan Directory");
  EXPECT_TRUE(StartsWith(seen.statusText, "C:\\...\\")) << seen.statusText;
  EXPECT_TRUE(EndsWith(seen.statusText, "\\Deep")) << seen.statusText;
}
