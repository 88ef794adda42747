// Quorvik driven as a user drives it: menus, shortcut keys, real dialogs
// answered from a CBT hook, real files on disk.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "engine/QVEngine.h"
#include "platform/PlatformFileSystem.h"
#include "tests/app/SessionDriving.h"

using namespace qvsession;

class QuorvikEndToEnd : public ::testing::Test, protected TSession {
protected:
  void SetUp() override
  {
    for (const char* sub : {"sub", "skip"}) Files.AddDir("tree\\" + std::string(sub));
    for (const auto& [name, size] : std::vector<std::pair<std::string, size_t>>{
             {"a.txt", 100}, {"b.txt", 5}, {"gone.txt", 1}, {"same.txt", 10}, {"sub\\c.txt", 7}, {"skip\\d.txt", 3}})
      Put(name, size);
  }
};

TEST_F(QuorvikEndToEnd, OptionsScanChangeCompareAndActOnTheReport)
{
  // Options: unchecking recursion and cancelling leaves it checked.
  ASSERT_TRUE(OpenOptions([&] {
    dlgOptions->RecurseDirs->SetChecked(false);
    Press(dlgOptions->btnCancel);
  }));
  EXPECT_TRUE(dlgOptions->RecurseDirs->Checked());

  // A scan cancelled at its browse dialog does nothing.
  Answers.Push(CbtDialogAnswerer::Cancel());
  PostKey(QVMain->Handle(), VK_F2);
  ASSERT_TRUE(Drain());
  EXPECT_TRUE(Lines().empty());
  EXPECT_FALSE(Exists(Collection));

  // Options: add an excluded directory through the browse dialog, then OK.
  // The folder comes in as the browse dialog returns it, with its trailing
  // separator. (Under Wine, a browse dialog opened from inside this modal
  // dialog ignores selections made by path, so the test cannot pick it there.)
  ASSERT_TRUE(OpenOptions([&] {
    Screenshot(dlgOptions->Handle(), "options-dialog");
    dlgOptions->AddDirectory(Root + "\\skip\\");
    Press(dlgOptions->btnOK);
  }));
  EXPECT_EQ(dlgOptions->ExcludedDirs->Items()->ToVector(), Strings{Root + "\\skip"});

  // Scan (F2): the browse dialog, then the save dialog titled with the count.
  Answers.Push([&](HWND Dialog) {
    qvtest::SelectFolder(Dialog, Root + "\\");
    qvtest::PumpMessagesFor(300);
    Screenshot(Dialog, "browse-dialog");
    CbtDialogAnswerer::Press(IDOK)(Dialog);
  });
  Answers.Push(CbtDialogAnswerer::ChooseFile(Collection));
  PostKey(QVMain->Handle(), VK_F2);
  ASSERT_TRUE(Drain());
  ASSERT_TRUE(AppPumpUntil([&] { return Exists(Collection); }));
  ASSERT_EQ(Answers.Captions().size(), 3u);
  EXPECT_EQ(Answers.Captions()[1], "Select Scan Directory");
  EXPECT_EQ(Answers.Captions()[2], "5 files processed - 00:00 - Save As");
  EXPECT_TRUE(Exists(Dir + "\\scan.qd"));

  // Change the tree.
  Put("a.txt", 150);
  Put("b.txt", 2);
  DeleteFileA((Root + "\\gone.txt").c_str());
  SetUtcWriteTime(Root + "\\same.txt", MakeSystemTime(2017, 3, 1, 12, 0, 0));  // far from the scan
  Put("new.zzq", 1);
  Files.AddDir("tree\\newdir");
  Put("newdir\\x.txt", 1);
  Put("skip\\d.txt", 30);

  // Compare (F3).
  ASSERT_TRUE(CompareDone(Collection));
  auto fs = CreatePlatformFileSystem();
  const TEntryState same = fs->Examine(Root + "\\same.txt");
  const Strings lines = Lines();
  ASSERT_EQ(lines.size(), 8u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0].rfind("COLLECTION FOR " + Root + "\\ (", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1], Root + "\\a.txt - Size: 50");
  EXPECT_EQ(lines[2], Root + "\\b.txt - Size: -3");
  EXPECT_EQ(lines[3], Root + "\\gone.txt - Missing");
  EXPECT_EQ(lines[4], Root + "\\same.txt - " + fs->DateTimeText(same.Time));
  EXPECT_EQ(lines[5], Root + "\\new.zzq - New");
  EXPECT_EQ(lines[6], Root + "\\newdir\\x.txt - New");
  EXPECT_EQ(lines[7], "DONE, 00:00");
  const std::vector<bool> notes = {true, false, false, true, false, false, false, true};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(QVMain->Changes->Items()->Objects(i) != nullptr, notes[i]) << lines[i];
  Screenshot(QVMain->Handle(), "main-window-report");

  // Pop-up menu on a file line, a note line and (later) an empty list.
  auto popupStates = [&] {
    QVMain->oxPopupMenuPopup(nullptr);
    return std::vector<bool>{QVMain->mnuSaveChangestoFile->Enabled(), QVMain->mnuClear->Enabled(),
                             QVMain->mnuDeleteFile->Enabled(), QVMain->mnuOpenFile->Enabled()};
  };
  QVMain->Changes->SetItemIndex(1);
  EXPECT_EQ(popupStates(), (std::vector<bool>{true, true, true, true}));
  QVMain->Changes->SetItemIndex(3);
  EXPECT_EQ(popupStates(), (std::vector<bool>{true, true, false, false}));
  // The real pop-up, shown by the list's right-click handling, for the screenshot.
  QVMain->Changes->SetItemIndex(1);
  TWhen::Schedule([] { return FindWindowA("#32768", nullptr) && IsWindowVisible(FindWindowA("#32768", nullptr)); },
                  [&] {
                    qvtest::PumpMessagesFor(300);
                    Screenshot(QVMain->Handle(), "popup-menu", 120);
                    PostMessageA(FindWindowA("#32768", nullptr), WM_KEYDOWN, VK_ESCAPE, 0);
                  });
  RECT item = QVMain->Changes->ItemRect(1);
  POINT at{item.left + 40, item.top + 5};
  ClientToScreen(QVMain->Changes->Handle(), &at);
  QVMain->oxPopupMenu->Popup(at.x, at.y);

  // Save Changes to File: CR LF text; the collection name stays in the save dialog.
  ASSERT_TRUE(SaveReport(Dir + "\\report.txt"));
  EXPECT_EQ(ReadAll(Dir + "\\report.txt"), ReportText(lines));
  EXPECT_EQ(Answers.Captions().back(), "Save As...");
  EXPECT_EQ(QVMain->dlgSave->FileName(), Collection);

  // Delete File, confirmed: the file and its line go.
  PostDelete(LineIndex(Root + "\\a.txt - Size: 50"));
  ASSERT_TRUE(Drain());
  EXPECT_EQ(Answers.Texts().back(), "Delete File \"" + Root + "\\a.txt\"?");
  ASSERT_TRUE(AppPumpUntil([&] { return !Exists(Root + "\\a.txt"); }));
  qvtest::PumpMessagesFor(100);
  EXPECT_EQ(LineIndex(Root + "\\a.txt - Size: 50"), -1);

  // Clear List empties the list; then every pop-up item is disabled.
  PostCommand(QVMain, "mnuClear");
  AppPumpUntil([&] { return Lines().empty(); });
  EXPECT_EQ(popupStates(), (std::vector<bool>{false, false, false, false}));

  // Exit ends the program.
  PostCommand(QVMain, "mnuFileExit");
  EXPECT_TRUE(AppPumpUntil([] { return Application->Terminated(); }));
}

TEST_F(QuorvikEndToEnd, RecursionOffAtCompareListsSubdirectoriesAsNew)
{
  ASSERT_TRUE(ScanSaved(Collection));
  dlgOptions->RecurseDirs->SetChecked(false);
  ASSERT_TRUE(CompareDone(Collection));
  EXPECT_EQ(Lines().size(), 4u) << ::testing::PrintToString(Lines());
  EXPECT_NE(LineIndex(Root + "\\skip - New"), -1);
  EXPECT_NE(LineIndex(Root + "\\sub - New"), -1);
}

TEST_F(QuorvikEndToEnd, ExcludedDirectoryWarningsAndRules)
{
  ASSERT_TRUE(dlgOptions->AddDirectory("C:\\Data\\Tmp\\"));
  Answers.Push(CbtDialogAnswerer::Press(IDOK));
  TWhen::Schedule([] { return true; }, [] { dlgOptions->AddDirectory("c:\\data\\tmp"); });
  ASSERT_TRUE(Drain());
  EXPECT_EQ(Answers.Texts().back(), "Directory \"c:\\data\\tmp\" already listed.");
  ASSERT_TRUE(dlgOptions->AddDirectory("D:\\"));
  EXPECT_EQ(dlgOptions->ExcludedDirs->Items()->ToVector(), (Strings{"C:\\Data\\Tmp", "D:"}));
  dlgOptions->ExcludedDirs->SetItemIndex(-1);
  dlgOptions->btnRemoveClick(nullptr);
  EXPECT_EQ(dlgOptions->ExcludedDirs->Items()->Count(), 2);
  dlgOptions->ExcludedDirs->SetItemIndex(0);
  dlgOptions->btnRemoveClick(nullptr);
  EXPECT_EQ(dlgOptions->ExcludedDirs->Items()->ToVector(), Strings{"D:"});
}

TEST_F(QuorvikEndToEnd, WindowGrowsTheListAndDragsByItsClientArea)
{
  const int width = QVMain->Changes->Width();
  QVMain->SetWidth(QVMain->Width() + 24);
  qvtest::PumpMessagesFor(100);
  EXPECT_EQ(QVMain->Changes->Width(), width + 24);
  EXPECT_EQ(QVMain->Changes->Height(), QVMain->Height() - 82);
  RECT r;
  GetWindowRect(QVMain->Handle(), &r);
  const int y = r.bottom - 30;  // the status bar's strip is client area with no list
  EXPECT_EQ(SendMessageA(QVMain->Handle(), WM_NCHITTEST, 0, MAKELPARAM(r.left + 5, y - 40)), HTCAPTION);
  POINT inList{10, 10};
  ClientToScreen(QVMain->Changes->Handle(), &inList);
  EXPECT_EQ(SendMessageA(QVMain->Changes->Handle(), WM_NCHITTEST, 0, MAKELPARAM(inList.x, inList.y)), HTCLIENT);
}

TEST_F(QuorvikEndToEnd, ClosingDuringAWalkStopsItAndThenCloses)
{
  for (int i = 0; i < 300; ++i) Put("sub\\f" + std::to_string(i), 1);
  bool closedDuringWalk = false;
  Answers.Push(CbtDialogAnswerer::ChooseFolder(Root + "\\"));
  TWhen::Schedule([] { return QVMain->Walking(); },
                  [&] {
                    closedDuringWalk = true;
                    QVMain->Close();
                  });
  PostKey(QVMain->Handle(), VK_F2);
  EXPECT_TRUE(AppPumpUntil([] { return Application->Terminated(); }));
  EXPECT_TRUE(closedDuringWalk);
  EXPECT_EQ(Answers.Captions().size(), 1u);  // no save dialog after a stopped walk
}

// --- The help window -------------------------------------------------------------
// The help engine runs in a process of its own: its window is found by its
// caption, read through window messages, and always closed again, so that no
// process outlives the test.
namespace {

BOOL CALLBACK TakeHelpWindow(HWND Window, LPARAM Found)
{
  DWORD process = 0;
  GetWindowThreadProcessId(Window, &process);
  const std::string caption = qvtest::WindowText(Window);
  if (process == GetCurrentProcessId() || !IsWindowVisible(Window) || caption.size() < 4 ||
      caption.compare(caption.size() - 4, 4, "Help") != 0)
    return TRUE;
  *reinterpret_cast<HWND*>(Found) = Window;
  return FALSE;
}

// A visible top-level window of another process whose caption ends with "Help".
HWND FindHelpWindow()
{
  HWND found = nullptr;
  EnumWindows(TakeHelpWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The text of the topic the help window shows, from its rich-text view.
std::string HelpTopicText(HWND Help)
{
  HWND view = FindWindowExA(Help, nullptr, "RichEdit20A", nullptr);
  return view ? qvtest::WindowText(view) : "";
}

void PressHelpButton(HWND Help, const char* Caption)
{
  HWND box = FindWindowExA(Help, nullptr, "WHButtonBox", nullptr);
  HWND button = FindWindowExA(box ? box : Help, nullptr, "Button", Caption);
  ASSERT_NE(button, nullptr) << Caption;
  PostMessageA(button, BM_CLICK, 0, 0);
}

// While it lives, answers the engine's own "ERROR" box (a help file it cannot
// find) with No: that box belongs to another process and keeps WinHelpA
// waiting on this thread, so the test would hang instead of failing.
class THelpErrorWatch {
public:
  THelpErrorWatch()
      : FThread([this] {
          while (!FStop) {
            HWND box = FindWindowA("#32770", "ERROR");
            DWORD process = 0;
            if (box && GetWindowThreadProcessId(box, &process) && process != GetCurrentProcessId()) {
              FSeen = true;
              PostMessageA(box, WM_COMMAND, IDNO, 0);
            }
            Sleep(100);
          }
        })
  {}
  ~THelpErrorWatch()
  {
    FStop = true;
    FThread.join();
  }
  bool Seen() const { return FSeen; }

private:
  std::atomic<bool> FStop{false}, FSeen{false};
  std::thread FThread;
};

// Closes the help window found while it lives: HELP_QUIT first, the
// engine's process if its window stays.
class THelpWindow {
public:
  HWND Window = nullptr;
  ~THelpWindow()
  {
    if (!Window || !IsWindow(Window)) return;
    DWORD process = 0;
    GetWindowThreadProcessId(Window, &process);
    Application->HelpCommand(HELP_QUIT, 0);
    if (AppPumpUntil([&] { return !IsWindow(Window); }, 5000)) return;
    if (HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process)) {
      TerminateProcess(handle, 1);
      WaitForSingleObject(handle, 5000);
      CloseHandle(handle);
    }
  }
};

}  // namespace

TEST_F(QuorvikEndToEnd, HelpContentsOpensTheHelpFileAtItsContentsTopic)
{
  THelpErrorWatch errors;
  THelpWindow help;
  PostCommand(QVMain, "mnuHelpContents");
  AppPumpUntil([&] { return (help.Window = FindHelpWindow()) && !HelpTopicText(help.Window).empty(); });
  ASSERT_FALSE(errors.Seen()) << "the help engine cannot find " << Application->HelpFile();
  ASSERT_NE(help.Window, nullptr);

  // Context 0 is the contents topic: the title, then every topic.
  const std::string contents = HelpTopicText(help.Window);
  EXPECT_EQ(contents.rfind("Quorvik Help", 0), 0u) << contents;
  for (const char* topic : {"What Quorvik is for", "Scanning a folder", "Comparing with a collection",
                            "The report lines", "Acting on a report line", "The Options dialog",
                            "Collection files and damaged ones", "Keyboard shortcuts", "The qv command line"})
    EXPECT_NE(contents.find(topic), std::string::npos) << topic;
  qvtest::PumpMessagesFor(500);
  Screenshot(help.Window, "help-contents");

  // Two steps forward: the topic on scanning.
  for (int step = 0; step < 2; ++step) {
    const std::string before = HelpTopicText(help.Window);
    PressHelpButton(help.Window, "&>>");
    AppPumpUntil([&] { return HelpTopicText(help.Window) != before; });
  }
  const std::string topic = HelpTopicText(help.Window);
  EXPECT_EQ(topic.rfind("Chapter 2: Scanning a folder", 0), 0u) << topic;
  EXPECT_NE(topic.find("files processed - 02:07 - Save As"), std::string::npos) << topic;
  qvtest::PumpMessagesFor(500);
  Screenshot(help.Window, "help-topic");
}

TEST_F(QuorvikEndToEnd, TheChangeListHasTheKeyboardWheneverTheWindowIsActive)
{
  SetForegroundWindow(QVMain->Handle());
  EXPECT_TRUE(AppPumpUntil([] { return GetFocus() == QVMain->Changes->Handle(); }, 5000));
  ASSERT_TRUE(OpenOptions([&] { Press(dlgOptions->btnCancel); }));
  EXPECT_TRUE(AppPumpUntil([] { return GetFocus() == QVMain->Changes->Handle(); }, 5000));
}
