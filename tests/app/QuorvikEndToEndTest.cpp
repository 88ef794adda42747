// Quorvik driven as a user drives it: menus, shortcut keys, real dialogs
// answered from a CBT hook, real files on disk.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <commctrl.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <thread>

#include "app/HelpFile.h"
#include "app/Options.h"
#include "app/QVMain.h"
#include "engine/QVEngine.h"
#include "framework/forms/Forms.h"
#include "platform/PlatformFileSystem.h"
#include "tests/support/DialogAnswering.h"
#include "tests/support/WineTestSupport.h"

using qvtest::CbtDialogAnswerer;
using Strings = std::vector<std::string>;

namespace {

constexpr DWORD Timeout = 20000;

// Not under the Temp folder: Wine's browse dialog finds a folder by the
// last-write times along its path, and Temp changes all the time.
std::string TestDir() { return "C:\\QvSession" + std::to_string(GetCurrentProcessId()); }

void WriteFile(const std::string& Path, size_t Size)
{
  std::ofstream(Path, std::ios::binary) << std::string(Size, 'x');
}

std::string ReadFile(const std::string& Path)
{
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& Path) { return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::string& Dir)
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

// Saves what the screen shows of a window (and what lies over it, such as an
// open menu) as a BMP under the build directory.
void Screenshot(HWND Window, const std::string& Name, int Extra = 0)
{
  CreateDirectoryA(QV_SCREENSHOT_DIR, nullptr);
  qvtest::SaveScreenshot(Window, std::string(QV_SCREENSHOT_DIR) + "\\" + Name + ".bmp", Extra);
}

// Runs Action inside whatever modal loop is running once Ready holds.
class TWhen {
public:
  static void Schedule(std::function<bool()> Ready, std::function<void()> Action)
  {
    Pending().push_back({std::move(Ready), std::move(Action)});
    SetTimer(nullptr, 0, 50, Tick);
  }

private:
  struct TStep {
    std::function<bool()> Ready;
    std::function<void()> Action;
  };
  static std::vector<TStep>& Pending()
  {
    static std::vector<TStep> steps;
    return steps;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR Id, DWORD)
  {
    auto& steps = Pending();
    if (steps.empty() || !steps.front().Ready()) return;
    KillTimer(nullptr, Id);
    TStep step = std::move(steps.front());
    steps.erase(steps.begin());
    step.Action();
  }
};

// Pumps through the application, so that shortcut keys reach the menus.
bool AppPumpUntil(const std::function<bool()>& Condition, DWORD TimeoutMs = Timeout)
{
  const DWORD start = GetTickCount();
  while (!Condition()) {
    if (GetTickCount() - start > TimeoutMs) return false;
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void Command(TComponent* Form, const char* Item)
{
  auto* item = dynamic_cast<TMenuItem*>(Form->FindComponent(Item));
  ASSERT_NE(item, nullptr) << Item;
  // A pop-up menu's commands arrive at the framework's pop-up list window.
  const bool popup = dynamic_cast<TPopupMenu*>(item->GetParentMenu()) != nullptr;
  const HWND target = popup ? PopupList().Window() : static_cast<TCustomForm*>(Form)->Handle();
  PostMessageA(target, WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
}

void Key(HWND Window, WPARAM Vk)
{
  PostMessageA(Window, WM_KEYDOWN, Vk, 1);
  PostMessageA(Window, WM_KEYUP, Vk, 0xC0000001);
}

// The text of the browse dialog's highlighted folder.
std::string SelectedTreeItem(HWND Dialog)
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
CbtDialogAnswerer::Answer ChooseFolder(const std::string& Path, std::function<void(HWND)> Before = nullptr)
{
  return [Path, Before](HWND dialog) {
    if (Before) Before(dialog);
    // The first browse dialog of a process fills its tree late, and a
    // selection made before that is lost: select until the tree shows it.
    std::string leaf = Path.substr(0, Path.size() - (Path.back() == '\\'));
    leaf = leaf.substr(leaf.rfind('\\') + 1);
    for (int attempt = 0; attempt < 20 && SelectedTreeItem(dialog) != leaf; ++attempt) {
      SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(Path.c_str()));
      qvtest::PumpMessagesFor(250);
    }
    CbtDialogAnswerer::Press(IDOK)(dialog);
  };
}

}  // namespace

class QuorvikSession : public ::testing::Test {
protected:
  TApplicationScope Scope;
  CbtDialogAnswerer Answers;
  std::string Dir = TestDir();
  std::string Root = Dir + "\\tree";
  std::string Collection = Dir + "\\scan.qv";

  void SetUp() override
  {
    RemoveTree(Dir);
    CreateDirectoryA(Dir.c_str(), nullptr);
    for (const char* sub : {"", "\\sub", "\\skip"}) CreateDirectoryA((Root + sub).c_str(), nullptr);
    WriteFile(Root + "\\a.txt", 100);
    WriteFile(Root + "\\b.txt", 5);
    WriteFile(Root + "\\gone.txt", 1);
    WriteFile(Root + "\\same.txt", 10);
    WriteFile(Root + "\\sub\\c.txt", 7);
    WriteFile(Root + "\\skip\\d.txt", 3);
    Application->SetTitle("Quorvik V5.0");
    Application->SetHelpFile(HelpFileBesideProgram());
    // The forms keep their settings in the registry; each test starts from
    // the first run's, not from what the previous test left there.
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halbrand\\QV5");
    Application->CreateForm(QVMain);
    Application->CreateForm(dlgOptions);
    QVMain->Show();
    qvtest::PumpMessagesFor(200);
  }
  void TearDown() override { RemoveTree(Dir); }

  Strings Lines() { return QVMain->Changes->Items()->ToVector(); }
  bool IsNote(int Index) { return QVMain->Changes->Items()->Objects(Index) != nullptr; }
  int LineIndex(const std::string& Text)
  {
    const Strings lines = Lines();
    auto it = std::find(lines.begin(), lines.end(), Text);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
  }
  bool Drain()
  {
    return AppPumpUntil([&] { return Answers.Pending() == 0; });
  }

  // The dialog's own modal loop runs InDialog once the dialog shows.
  void OpenOptions(std::function<void()> InDialog)
  {
    bool ran = false;
    TWhen::Schedule([] { return dlgOptions->HandleAllocated() && IsWindowVisible(dlgOptions->Handle()); },
                    [&] {
                      InDialog();
                      ran = true;
                    });
    Command(QVMain, "mnuFileOptions");
    ASSERT_TRUE(AppPumpUntil([&] { return ran && !IsWindowVisible(dlgOptions->Handle()); }));
  }
  void Press(TButton* Button) { PostMessageA(Button->Handle(), BM_CLICK, 0, 0); }

  void ScanTo(const std::string& File)
  {
    Answers.Push(ChooseFolder(Root + "\\"));
    Answers.Push(CbtDialogAnswerer::ChooseFile(File));
    Key(QVMain->Handle(), VK_F2);
    ASSERT_TRUE(Drain());
    ASSERT_TRUE(AppPumpUntil([&] { return Exists(File); }, Timeout));
  }
  void CompareWith(const std::string& File)
  {
    Answers.Push(CbtDialogAnswerer::ChooseFile(File));
    Key(QVMain->Handle(), VK_F3);
    ASSERT_TRUE(Drain());
    ASSERT_TRUE(AppPumpUntil([&] { return !Lines().empty() && Lines().back().rfind("DONE, ", 0) == 0; }, Timeout));
  }
};

TEST_F(QuorvikSession, OptionsScanChangeCompareAndActOnTheReport)
{
  // Options: unchecking recursion and cancelling leaves it checked.
  OpenOptions([&] {
    dlgOptions->RecurseDirs->SetChecked(false);
    Press(dlgOptions->btnCancel);
  });
  EXPECT_TRUE(dlgOptions->RecurseDirs->Checked());

  // A scan cancelled at its browse dialog does nothing.
  Answers.Push(CbtDialogAnswerer::Cancel());
  Key(QVMain->Handle(), VK_F2);
  ASSERT_TRUE(Drain());
  EXPECT_TRUE(Lines().empty());
  EXPECT_FALSE(Exists(Collection));

  // Options: add an excluded directory through the browse dialog, then OK.
  // The folder comes in as the browse dialog returns it, with its trailing
  // separator. (Under Wine, a browse dialog opened from inside this modal
  // dialog ignores selections made by path, so the test cannot pick it there.)
  OpenOptions([&] {
    Screenshot(dlgOptions->Handle(), "options-dialog");
    dlgOptions->AddDirectory(Root + "\\skip\\");
    Press(dlgOptions->btnOK);
  });
  EXPECT_EQ(dlgOptions->ExcludedDirs->Items()->ToVector(), Strings{Root + "\\skip"});

  // Scan (F2): the browse dialog, then the save dialog titled with the count.
  Answers.Push(ChooseFolder(Root + "\\", [](HWND dialog) { Screenshot(dialog, "browse-dialog"); }));
  Answers.Push(CbtDialogAnswerer::ChooseFile(Collection));
  Key(QVMain->Handle(), VK_F2);
  ASSERT_TRUE(Drain());
  ASSERT_EQ(Answers.Captions().size(), 3u);
  EXPECT_EQ(Answers.Captions()[1], "Select Scan Directory");
  EXPECT_EQ(Answers.Captions()[2], "5 files processed - 00:00 - Save As");
  ASSERT_TRUE(AppPumpUntil([&] { return Exists(Collection); }, Timeout));
  EXPECT_TRUE(Exists(Dir + "\\scan.qd"));

  // Change the tree.
  WriteFile(Root + "\\a.txt", 150);
  WriteFile(Root + "\\b.txt", 2);
  DeleteFileA((Root + "\\gone.txt").c_str());
  {
    HANDLE h = CreateFileA((Root + "\\same.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME t{0x2E1B0000u, 0x01D2A000u};  // some time in 2017, far from the scan
    SetFileTime(h, nullptr, nullptr, &t);
    CloseHandle(h);
  }
  WriteFile(Root + "\\new.zzq", 1);
  CreateDirectoryA((Root + "\\newdir").c_str(), nullptr);
  WriteFile(Root + "\\newdir\\x.txt", 1);
  WriteFile(Root + "\\skip\\d.txt", 30);

  // Compare (F3).
  CompareWith(Collection);
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
  for (int i = 0; i < 8; ++i) EXPECT_EQ(IsNote(i), notes[i]) << lines[i];
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
  Answers.Push(CbtDialogAnswerer::ChooseFile(Dir + "\\report.txt"));
  Command(QVMain, "mnuSaveChangestoFile");
  ASSERT_TRUE(Drain());
  ASSERT_TRUE(AppPumpUntil([&] { return Exists(Dir + "\\report.txt"); }, Timeout));
  std::string expected;
  for (const std::string& line : lines) expected += line + "\r\n";
  EXPECT_EQ(ReadFile(Dir + "\\report.txt"), expected);
  EXPECT_EQ(Answers.Captions().back(), "Save As...");
  EXPECT_EQ(QVMain->dlgSave->FileName(), Collection);

  // Delete File, confirmed: the file and its line go.
  QVMain->Changes->SetItemIndex(LineIndex(Root + "\\a.txt - Size: 50"));
  Answers.Push(CbtDialogAnswerer::Press(IDOK));
  Command(QVMain, "mnuDeleteFile");
  ASSERT_TRUE(Drain());
  EXPECT_EQ(Answers.Texts().back(), "Delete File \"" + Root + "\\a.txt\"?");
  ASSERT_TRUE(AppPumpUntil([&] { return !Exists(Root + "\\a.txt"); }, Timeout));
  qvtest::PumpMessagesFor(100);
  EXPECT_EQ(LineIndex(Root + "\\a.txt - Size: 50"), -1);

  // Delete File that fails: the line stays and the reason is shown.
  HANDLE held = CreateFileA((Root + "\\b.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  QVMain->Changes->SetItemIndex(LineIndex(Root + "\\b.txt - Size: -3"));
  Answers.Push(CbtDialogAnswerer::Press(IDOK));
  Answers.Push(CbtDialogAnswerer::Press(IDOK));
  Command(QVMain, "mnuDeleteFile");
  ASSERT_TRUE(Drain());
  CloseHandle(held);
  EXPECT_EQ(Answers.Texts().back().rfind("Cannot delete file \"" + Root + "\\b.txt\".", 0), 0u)
      << Answers.Texts().back();
  EXPECT_TRUE(Exists(Root + "\\b.txt"));
  EXPECT_NE(LineIndex(Root + "\\b.txt - Size: -3"), -1);

  // Open File with no program registered for the extension.
  QVMain->Changes->SetItemIndex(LineIndex(Root + "\\new.zzq - New"));
  Answers.Push(CbtDialogAnswerer::Press(IDOK));
  Command(QVMain, "mnuOpenFile");
  ASSERT_TRUE(Drain());
  EXPECT_EQ(Answers.Texts().back(), "File Extension not registered.");

  // Clear List empties the list; then every pop-up item is disabled.
  Command(QVMain, "mnuClear");
  AppPumpUntil([&] { return Lines().empty(); }, Timeout);
  EXPECT_EQ(popupStates(), (std::vector<bool>{false, false, false, false}));

  // Exit ends the program.
  Command(QVMain, "mnuFileExit");
  EXPECT_TRUE(AppPumpUntil([] { return Application->Terminated(); }, Timeout));
}

TEST_F(QuorvikSession, RecursionOffAtCompareListsSubdirectoriesAsNew)
{
  ScanTo(Collection);
  dlgOptions->RecurseDirs->SetChecked(false);
  CompareWith(Collection);
  EXPECT_EQ(Lines().size(), 4u) << ::testing::PrintToString(Lines());
  EXPECT_NE(LineIndex(Root + "\\skip - New"), -1);
  EXPECT_NE(LineIndex(Root + "\\sub - New"), -1);
}

TEST_F(QuorvikSession, ExcludedDirectoryWarningsAndRules)
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

TEST_F(QuorvikSession, WindowGrowsTheListAndDragsByItsClientArea)
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

TEST_F(QuorvikSession, ClosingDuringAWalkStopsItAndThenCloses)
{
  for (int i = 0; i < 300; ++i) WriteFile(Root + "\\sub\\f" + std::to_string(i), 1);
  bool closedDuringWalk = false;
  Answers.Push(ChooseFolder(Root + "\\"));
  TWhen::Schedule([] { return QVMain->Walking(); },
                  [&] {
                    closedDuringWalk = true;
                    QVMain->Close();
                  });
  Key(QVMain->Handle(), VK_F2);
  EXPECT_TRUE(AppPumpUntil([] { return Application->Terminated(); }, Timeout));
  EXPECT_TRUE(closedDuringWalk);
  EXPECT_EQ(Answers.Captions().size(), 1u);  // no save dialog after a stopped walk
}

// --- The help window -------------------------------------------------------------
// The help engine runs in a process of its own: its window is found by its
// caption, read through window messages, and always closed again, so that no
// process outlives the test.
namespace {

std::string WindowText(HWND Window)
{
  std::string text(static_cast<size_t>(SendMessageA(Window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(
      static_cast<size_t>(SendMessageA(Window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

BOOL CALLBACK TakeHelpWindow(HWND Window, LPARAM Found)
{
  DWORD process = 0;
  GetWindowThreadProcessId(Window, &process);
  const std::string caption = WindowText(Window);
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
  return view ? WindowText(view) : "";
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

TEST_F(QuorvikSession, HelpContentsOpensTheHelpFileAtItsContentsTopic)
{
  THelpErrorWatch errors;
  THelpWindow help;
  Command(QVMain, "mnuHelpContents");
  AppPumpUntil([&] { return (help.Window = FindHelpWindow()) && !HelpTopicText(help.Window).empty(); }, Timeout);
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
    AppPumpUntil([&] { return HelpTopicText(help.Window) != before; }, Timeout);
  }
  const std::string topic = HelpTopicText(help.Window);
  EXPECT_EQ(topic.rfind("Chapter 2: Scanning a folder", 0), 0u) << topic;
  EXPECT_NE(topic.find("files processed - 02:07 - Save As"), std::string::npos) << topic;
  qvtest::PumpMessagesFor(500);
  Screenshot(help.Window, "help-topic");
}

TEST_F(QuorvikSession, TheChangeListHasTheKeyboardWheneverTheWindowIsActive)
{
  SetForegroundWindow(QVMain->Handle());
  EXPECT_TRUE(AppPumpUntil([] { return GetFocus() == QVMain->Changes->Handle(); }, 5000));
  OpenOptions([&] { Press(dlgOptions->btnCancel); });
  EXPECT_TRUE(AppPumpUntil([] { return GetFocus() == QVMain->Changes->Handle(); }, 5000));
}
