#include "framework/win32/Dialogs.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <cstdio>
#include <fstream>

#include "framework/win32/Handles.h"
#include "tests/support/DialogAnswering.h"

namespace {

TEST(MessageBoxTest, RealConfirmationBoxShowsTextAndCaptionAndGivesTheButtonPressed)
{
  qvtest::CbtDialogAnswerer answerer;
  answerer.Push(qvtest::CbtDialogAnswerer::Cancel());
  answerer.Push(qvtest::CbtDialogAnswerer::Press(IDOK));
  EXPECT_EQ(IDCANCEL, qv::ShowMessageBox("Delete File \"Z:\\a.txt\"?", "Quorvik V5.0", qv::TMsgBoxKind::Confirmation));
  EXPECT_EQ(IDOK, qv::ShowMessageBox("Sure?", "Q", qv::TMsgBoxKind::Confirmation));
  ASSERT_EQ(2u, answerer.Captions().size());
  EXPECT_EQ("Quorvik V5.0", answerer.Captions()[0]);
  EXPECT_EQ("Delete File \"Z:\\a.txt\"?", answerer.Texts()[0]);
}

struct RecordingAnswerer : qv::IDialogAnswerer {
  std::string text;
  UINT type = 0;
  qv::TFileDialogRequest request;
  std::optional<int> AnswerMessageBox(const std::string& t, const std::string&, UINT f) override
  {
    text = t;
    type = f;
    return IDCANCEL;
  }
  std::optional<qv::TFileDialogAnswer> AnswerFileDialog(const qv::TFileDialogRequest& r) override
  {
    request = r;
    return qv::TFileDialogAnswer{true, "Z:\\tmp\\chosen.qv", 2};
  }
};

TEST(DialogSeamTest, InstalledAnswererReplacesTheDialogAndIsRemovedAfterwards)
{
  RecordingAnswerer recorder;
  {
    qv::ScopedDialogAnswerer scope(recorder);
    EXPECT_EQ(IDCANCEL, qv::ShowMessageBox("Text", "Cap", qv::TMsgBoxKind::Warning));
    EXPECT_EQ("Text", recorder.text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONWARNING), recorder.type);
    qv::TFileDialogRequest request;
    request.title = "Open File to Compare";
    qv::TFileDialogAnswer answer = qv::RunFileDialog(request, nullptr);
    EXPECT_TRUE(answer.confirmed);
    EXPECT_EQ("Z:\\tmp\\chosen.qv", answer.fileName);
    EXPECT_EQ("Open File to Compare", recorder.request.title);
  }
  EXPECT_EQ(nullptr, qv::DialogAnswerer());
}

TEST(FileDialogTest, FilterBecomesNulSeparated)
{
  std::string out = qv::FilterToNulSeparated("Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
  EXPECT_EQ(std::string("Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0\0", 46), out);
}

TEST(FileDialogTest, RealDialogAddsTheExtensionAsksBeforeOverwritingAndCancelKeepsTheName)
{
  const char* existing = "Z:\\tmp\\qv_dialog_test_existing.qv";
  ASSERT_TRUE(std::ofstream(existing));
  qvtest::CbtDialogAnswerer answerer;
  answerer.Push(qvtest::CbtDialogAnswerer::ChooseFile("Z:\\tmp\\qv_dialog_test_new"));
  answerer.Push(qvtest::CbtDialogAnswerer::ChooseFile(existing));
  answerer.Push(qvtest::CbtDialogAnswerer::Confirm());
  answerer.Push(qvtest::CbtDialogAnswerer::Cancel());
  qv::TFileDialogRequest request;
  request.save = true;
  request.title = "Save As";
  request.filter = "Quorvik Collection (*.qv)|*.qv|All Files (*.*)|*.*";
  request.defaultExt = "qv";
  request.flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
  qv::TFileDialogAnswer answer = qv::RunFileDialog(request, nullptr);
  EXPECT_TRUE(answer.confirmed);
  EXPECT_EQ("Z:\\tmp\\qv_dialog_test_new.qv", answer.fileName);
  EXPECT_EQ(1, answer.filterIndex);
  ASSERT_EQ(1u, answerer.Captions().size());
  EXPECT_EQ("Save As", answerer.Captions()[0]);
  // An existing file: the dialog asks in a second box before it confirms.
  answer = qv::RunFileDialog(request, nullptr);
  EXPECT_TRUE(answer.confirmed);
  EXPECT_EQ(existing, answer.fileName);
  EXPECT_EQ(3u, answerer.Captions().size());
  std::remove(existing);
  request.save = false;
  request.fileName = "Z:\\tmp\\old.qv";
  request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  answer = qv::RunFileDialog(request, nullptr);
  EXPECT_FALSE(answer.confirmed);
  EXPECT_EQ("Z:\\tmp\\old.qv", answer.fileName);
}

TEST(FontDialogTest, RealFontDialogReturnsChosenSize)
{
  qvtest::CbtDialogAnswerer answerer;
  answerer.Push(qvtest::CbtDialogAnswerer::ChooseFontSize("20"));
  const int dpi = GetDeviceCaps(qv::WindowDC(nullptr).get(), LOGPIXELSY);
  LOGFONTA font{};
  font.lfHeight = -MulDiv(9, dpi, 72);
  lstrcpyA(font.lfFaceName, "Courier New");
  COLORREF color = 0;
  ASSERT_TRUE(qv::RunFontDialog(font, color, CF_EFFECTS, nullptr));
  EXPECT_EQ(-MulDiv(20, dpi, 72), font.lfHeight);
}

}  // namespace
