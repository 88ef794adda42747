// The folder-browse component against Wine's real dialog. A CBT hook answers
// each dialog from inside its modal loop: the answer looks at the open dialog
// (and may change the component's properties), then presses OK or Cancel.
#include "app/BrowseDr.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
#include "tests/support/Win32TempTree.h"
#include "tests/support/WineTestSupport.h"

using qvtest::CbtDialogAnswerer;
using qvtest::WindowText;
using ::testing::AllOf;
using ::testing::EndsWith;
using ::testing::StartsWith;

namespace {

constexpr int TitleLineId = 0x3742;

// What an answer saw of the open dialog.
struct Seen {
  std::string caption;
  std::string componentCaption;
  RECT bounds{};
  bool okEnabled = false;
  bool statusVisible = false;
  std::string statusText;
  HWND owner = nullptr;
};

std::string ControlText(HWND Dialog, int Id)
{
  HWND control = GetDlgItem(Dialog, Id);
  return control ? WindowText(control) : std::string();
}

Seen Look(HWND Dialog, const TBrowseDirectoryDlg& Browse)
{
  Seen seen;
  seen.caption = WindowText(Dialog);
  seen.componentCaption = Browse.Caption();
  GetWindowRect(Dialog, &seen.bounds);
  seen.okEnabled = IsWindowEnabled(GetDlgItem(Dialog, IDOK)) != FALSE;
  HWND status = GetDlgItem(Dialog, BrowseStatusLineId);
  seen.statusVisible = status && IsWindowVisible(status);
  seen.statusText = ControlText(Dialog, BrowseStatusLineId);
  seen.owner = GetWindow(Dialog, GW_OWNER);
  return seen;
}

// The status line's text, its width in the line's own font and the line's
// width; Probe is measured too.
struct TStatusFit {
  std::string shown;
  int width = 0, lineWidth = 0, probeWidth = 0;
};

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

TStatusFit MeasureStatus(HWND Dialog, const std::function<std::string(const std::string& Shown)>& Probe = nullptr)
{
  HWND line = GetDlgItem(Dialog, BrowseStatusLineId);
  TStatusFit fit;
  fit.shown = WindowText(line);
  fit.width = StatusTextWidth(line, fit.shown);
  RECT r{};
  GetClientRect(line, &r);
  fit.lineWidth = r.right;
  if (Probe) fit.probeWidth = StatusTextWidth(line, Probe(fit.shown));
  return fit;
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

class BrowseDialogTest : public ::testing::Test {
protected:
  // Execute with one answer: Inspect sees the open dialog, then Button closes it.
  bool Run(TBrowseDirectoryDlg& Browse, const std::function<void(HWND)>& Inspect, int Button = IDOK)
  {
    answerer.Push([&Browse, Inspect, Button](HWND Dialog) {
      // The component's own preselection must have arrived before anything is looked at.
      EXPECT_TRUE(qvtest::WaitForHighlight(Dialog, Browse.Selection())) << Browse.Selection();
      if (Inspect) Inspect(Dialog);
      CbtDialogAnswerer::Press(Button)(Dialog);
    });
    const bool result = Browse.Execute();
    EXPECT_EQ(answerer.Pending(), 0u);
    return result;
  }
  Seen RunAndLook(TBrowseDirectoryDlg& Browse, int Button = IDCANCEL)
  {
    Seen seen;
    Run(
        Browse, [&](HWND Dialog) { seen = Look(Dialog, Browse); }, Button);
    return seen;
  }
  // Folders nested below Data, one per part; returns the deepest one.
  std::string MakeDeep(const std::vector<std::string>& Parts)
  {
    std::string path = tree.AddDir("Data");
    for (const std::string& part : Parts) path = tree.AddDir(path.substr(tree.Path().size() + 1) + "\\" + part);
    return path;
  }

  TApplicationScope app;
  // In the root of C: and with a fresh name for every tree: Wine's dialog
  // compares the folders on the way including their last-write times (so a
  // selection fails when the busy temporary folder changes while it is
  // open), and a folder removed and made again under the same name by the
  // previous test was seen refusing selections into it.
  TWin32TempTree tree{"C:\\"};
  CbtDialogAnswerer answerer;
};

}  // namespace

// --- Properties ---------------------------------------------------------------

TEST(BrowseDirectoryDlgProps, DeclaredInOrderWithDefaults)
{
  TBrowseDirectoryDlg browse(nullptr);
  std::string names;
  for (const TPropInfo& p : TBrowseDirectoryDlg::StaticClass().OwnProps) names += std::string(p.Name) + " ";
  EXPECT_EQ(names, "Selection Title Root Options Center StatusText FitStatusText EnableOKButton ImageIndex Caption "
                   "ShowSelectionInStatus OnSelChanged OnCreate ");
  for (const TPropInfo& p : TBrowseDirectoryDlg::StaticClass().OwnProps)
    EXPECT_TRUE(IsDefaultPropValue(browse, p)) << p.Name;
  // What a form file without the line means; the dialog tests below catch
  // the other defaults by their effect, but Wine's dialog enables OK by itself.
  EXPECT_EQ(GetOrdProp(browse, "Options"), 0);
  EXPECT_EQ(GetOrdProp(browse, "EnableOKButton"), 1);
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

TEST_F(BrowseDialogTest, SelectionGetsABackslashOnlyWhenItNamesAnExistingDirectory)
{
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.AddDir("Data");
  char letter = 0;  // a drive that is not there, from the end of the alphabet
  for (int i = 25; i >= 3 && !letter; --i)
    if (!(GetLogicalDrives() & (1u << i))) letter = static_cast<char>('A' + i);
  ASSERT_NE(letter, 0);
  const std::string missingDrive = std::string(1, letter) + ":\\";
  const std::vector<std::pair<std::string, std::string>> cases = {{data, data + "\\"},
                                                                  {"C:\\", "C:\\"},
                                                                  {"c:\\", "c:\\"},
                                                                  {data + "\\Missing", data + "\\Missing"},
                                                                  {tree.Path("Dat*"), tree.Path("Dat*")},
                                                                  {missingDrive, missingDrive},
                                                                  {missingDrive + "Data", missingDrive + "Data"}};
  for (const auto& [value, expected] : cases) {
    browse.SetSelection(value);
    EXPECT_EQ(browse.Selection(), expected) << value;
  }
}

// --- The open dialog -----------------------------------------------------------

TEST_F(BrowseDialogTest, CancelledDialogIsCentredWithItsOwnCaptionAndEmptiesTheSelection)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetSelection(tree.AddDir("Data"));
  const Seen seen = RunAndLook(browse);
  const int width = seen.bounds.right - seen.bounds.left;
  EXPECT_EQ(seen.bounds.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(seen.bounds.top, (GetSystemMetrics(SM_CYSCREEN) - (seen.bounds.bottom - seen.bounds.top)) / 2);
  EXPECT_EQ(seen.caption, "Browse for Folder");
  EXPECT_EQ(seen.componentCaption, "Browse for Folder");
  EXPECT_TRUE(seen.okEnabled);
  EXPECT_EQ(browse.Caption(), "");
  EXPECT_EQ(browse.Selection(), "");
  EXPECT_EQ(browse.ImageIndex(), -1);
  EXPECT_EQ(browse.Handle(), nullptr);

  // With Center off the dialog stays where it was when it was activated.
  TBrowseDirectoryDlg uncentred(nullptr);
  uncentred.SetCenter(false);
  RECT before{};
  uncentred.OnCreate = [&](TObject* Sender) {
    GetWindowRect(static_cast<TBrowseDirectoryDlg*>(Sender)->Handle(), &before);
  };
  const Seen left = RunAndLook(uncentred);
  EXPECT_EQ(left.bounds.left, before.left);
  EXPECT_EQ(left.bounds.top, before.top);
  EXPECT_EQ(left.bounds.right - left.bounds.left, width);
}

TEST_F(BrowseDialogTest, PreselectedFolderOrDriveIsChosenWithTrailingBackslash)
{
  struct TCase {
    TRootID root;
    std::string selection, highlighted;
  };
  const std::string data = tree.AddDir("Data"), expanded = tree.AddDir("Expanded");
  for (const TCase& c :
       {TCase{idDesktop, data, data}, TCase{idDesktopExpanded, expanded, expanded}, TCase{idDrives, "C:", "C:\\"}}) {
    SCOPED_TRACE(c.selection);
    TBrowseDirectoryDlg browse(nullptr);
    browse.SetRoot(c.root);
    browse.SetSelection(c.selection);
    std::vector<std::string> highlighted;
    browse.OnSelChanged = [&](TObject*, const std::string& NewSel) { highlighted.push_back(NewSel); };
    HWND open = nullptr;
    EXPECT_TRUE(Run(browse, [&](HWND) { open = browse.Handle(); }));
    const std::string chosen = c.selection + "\\";
    EXPECT_EQ(browse.Selection(), chosen);
    EXPECT_NE(open, nullptr);
    EXPECT_EQ(browse.Handle(), nullptr);
    ASSERT_FALSE(highlighted.empty());
    EXPECT_EQ(highlighted.back(), c.highlighted);
    if (RunningUnderWine()) {
      // Wine's dialog leaves the image index alone: the component must not
      // invent one.
      EXPECT_EQ(browse.ImageIndex(), -1);
    } else {
      SHFILEINFOA info{};
      SHGetFileInfoA(chosen.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
      EXPECT_EQ(browse.ImageIndex(), info.iIcon);
    }
  }
}

TEST_F(BrowseDialogTest, HighlightMovedByTheSelectionOrInTheDialogReachesOnSelChanged)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetRoot(idDrives);
  const std::string data = tree.AddDir("Data");
  const std::string other = tree.AddDir("Other");
  browse.SetSelection(data);
  std::vector<std::string> highlighted;
  TObject* sender = nullptr;
  browse.OnSelChanged = [&](TObject* Sender, const std::string& NewSel) {
    sender = Sender;
    highlighted.push_back(NewSel);
  };
  EXPECT_TRUE(Run(browse, [&](HWND Dialog) {
    // Set while open, the selection moves the highlight; then the user moves it back.
    browse.SetSelection(other);
    EXPECT_TRUE(qvtest::WaitForHighlight(Dialog, other));
    EXPECT_TRUE(qvtest::SelectFolder(Dialog, data));
  }));
  EXPECT_EQ(browse.Selection(), data + "\\");
  ASSERT_GE(highlighted.size(), 2u);
  EXPECT_EQ(highlighted[highlighted.size() - 2], other);
  EXPECT_EQ(highlighted.back(), data);
  EXPECT_EQ(sender, &browse);
  EXPECT_EQ(browse.StatusText(), "");  // the status is left alone unless asked
}

TEST_F(BrowseDialogTest, CaptionTitleAndOkButtonAreSetBeforeOnCreateAndFollowTheProperties)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetCaption("Select Scan Directory");
  browse.SetTitle("Select the root directory for scanning...");
  browse.SetEnableOKButton(false);
  std::string atCreate, title, afterUser, afterSet;
  bool okAtCreate = true, okEnabled = false, okDisabledAgain = false;
  int calls = 0;
  browse.OnCreate = [&](TObject* Sender) {
    HWND dialog = static_cast<TBrowseDirectoryDlg*>(Sender)->Handle();
    atCreate = WindowText(dialog);
    okAtCreate = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
    ++calls;
  };
  EXPECT_FALSE(Run(
      browse,
      [&](HWND Dialog) {
        title = ControlText(Dialog, TitleLineId);
        SetWindowTextA(Dialog, "Changed by the user");
        afterUser = browse.Caption();
        browse.SetCaption("Another");
        afterSet = WindowText(Dialog);
        HWND ok = GetDlgItem(Dialog, IDOK);
        browse.SetEnableOKButton(true);
        okEnabled = IsWindowEnabled(ok) != FALSE;
        browse.SetEnableOKButton(false);
        okDisabledAgain = !IsWindowEnabled(ok);
      },
      IDCANCEL));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(atCreate, "Select Scan Directory");
  EXPECT_FALSE(okAtCreate);
  EXPECT_EQ(title, "Select the root directory for scanning...");
  EXPECT_EQ(afterUser, "Changed by the user");
  EXPECT_EQ(afterSet, "Another");
  EXPECT_EQ(browse.Caption(), "Another");
  EXPECT_TRUE(okEnabled);
  EXPECT_TRUE(okDisabledAgain);
}

TEST_F(BrowseDialogTest, StatusTextShowsInAStatusLineThatOnlyItMakes)
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
  // Without a status text there is no status line, not even for the selection.
  TBrowseDirectoryDlg plain(nullptr);
  plain.SetShowSelectionInStatus(true);
  plain.SetSelection(tree.AddDir("Data"));
  EXPECT_FALSE(RunAndLook(plain).statusVisible);
}

TEST_F(BrowseDialogTest, ShowSelectionInStatusShowsTheHighlightedPath)
{
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.AddDir("Data");
  const std::string other = tree.AddDir("Other");
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
        EXPECT_TRUE(qvtest::SelectFolder(Dialog, other));
        afterMove = ControlText(Dialog, BrowseStatusLineId);
      },
      IDCANCEL);
  EXPECT_EQ(atStart, data);
  EXPECT_EQ(statusAtStart, data);
  EXPECT_EQ(afterMove, other);
  EXPECT_EQ(browse.StatusText(), other);
}

TEST_F(BrowseDialogTest, HandlerFailureIsReportedAndTheDialogGoesOn)
{
  RecordingAnswerer boxes;
  qv::ScopedDialogAnswerer scope(boxes);
  TBrowseDirectoryDlg browse(nullptr);
  const std::string data = tree.AddDir("Data");
  browse.SetSelection(data);
  browse.OnCreate = [](TObject*) { throw Exception("Handler failed"); };
  browse.OnSelChanged = [](TObject*, const std::string&) { throw Exception("Selection failed"); };
  EXPECT_TRUE(Run(browse, nullptr));
  EXPECT_EQ(browse.Selection(), data + "\\");
  ASSERT_GE(boxes.Texts.size(), 2u);
  EXPECT_EQ(boxes.Texts.front(), "Selection failed.");
  EXPECT_EQ(boxes.Texts.back(), "Handler failed.");
}

TEST_F(BrowseDialogTest, OwnedByTheFormThatOwnsTheComponentElseByTheMainForm)
{
  TForm* main = nullptr;
  Application->CreateForm(main);
  TForm* form = TCustomForm::Create<TForm>(Application);
  form->HandleNeeded();
  auto* browse = new TBrowseDirectoryDlg(form);
  EXPECT_EQ(RunAndLook(*browse).owner, form->Handle());
  // A window of the form made again is found again.
  form->RecreateWnd();
  form->HandleNeeded();
  EXPECT_EQ(RunAndLook(*browse).owner, form->Handle());
  TComponent holder(nullptr);
  EXPECT_EQ(RunAndLook(*new TBrowseDirectoryDlg(&holder)).owner, main->Handle());
}

// The status line fits its text in the line's own font: a directory (here the
// highlighted one) is shortened from the left, other text cut at the end; the
// component keeps the whole text.
TEST_F(BrowseDialogTest, ScanDialogAsTheUserSeesItWithItsStatusFittedToTheLine)
{
  TBrowseDirectoryDlg browse(nullptr);
  browse.SetTitle("Select the root directory for scanning...");
  browse.SetCaption("Select Scan Directory");
  browse.SetRoot(idDrives);
  browse.SetStatusText("-");
  browse.SetShowSelectionInStatus(true);
  browse.SetSelection(MakeDeep({"Projects", "Quorvik", "SomeRatherLongFolderName", "Deep"}));
  const std::string text = "This status text is far too long for the status line of the folder-browse dialog, "
                           "so the component cuts it at the end and marks the cut";
  TStatusFit shortened, cut;
  std::string unfitted;
  Run(
      browse,
      [&](HWND Dialog) {
        shortened = MeasureStatus(Dialog);
        RedrawWindow(Dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        qvtest::PumpMessagesFor(300);
        CreateDirectoryA(QV_SCREENSHOT_DIR, nullptr);
        qvtest::SaveScreenshot(Dialog, QV_SCREENSHOT_DIR "\\browse-component.bmp");
        browse.SetShowSelectionInStatus(false);
        browse.SetStatusText(text);
        // One character more than was kept, with the dots.
        cut = MeasureStatus(Dialog, [&](const std::string& Shown) {
          return text.substr(0, (Shown.size() >= 3 ? Shown.size() - 3 : 0) + 1) + "...";
        });
        browse.SetFitStatusText(false);
        unfitted = ControlText(Dialog, BrowseStatusLineId);
      },
      IDCANCEL);
  EXPECT_THAT(shortened.shown, AllOf(StartsWith("C:\\...\\"), EndsWith("\\Deep")));
  EXPECT_LE(shortened.width, shortened.lineWidth) << shortened.shown;
  EXPECT_GT(shortened.lineWidth, 0);
  ASSERT_THAT(cut.shown, EndsWith("..."));
  EXPECT_THAT(text, StartsWith(cut.shown.substr(0, cut.shown.size() - 3)));
  EXPECT_LE(cut.width, cut.lineWidth);
  // The cut is the shortest one: one more character would not have fitted.
  EXPECT_GT(cut.probeWidth, cut.lineWidth);
  EXPECT_EQ(unfitted, text);
  EXPECT_EQ(browse.StatusText(), text);
}
