#include "framework/controls/CommonDialogs.h"

#include "framework/controls/ControlHost.h"
#include "framework/win32/Dialogs.h"

namespace {
const TTypeInfo* OpenOptionsType()
{
  static const TTypeInfo* t = NewSetType(
      "TOpenOptions", NewEnumType("TOpenOption", {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir",
                                                  "ofShowHelp", "ofNoValidate", "ofAllowMultiSelect",
                                                  "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist"}));
  return t;
}
HWND DialogOwner()
{
  HWND active = GetActiveWindow();
  if (active) return active;
  return ControlHost() ? ControlHost()->MainWindow() : nullptr;
}
}  // namespace

QV_IMPLEMENT_CLASS(TOpenDialog)

void TOpenDialog::DeclareProperties(TClassBuilder<TOpenDialog>& c)
{
  c.String("DefaultExt", &TOpenDialog::FDefaultExt);
  c.String("FileName", &TOpenDialog::FFileName);
  c.String("Filter", &TOpenDialog::FFilter);
  c.Ordinal("FilterIndex", TypeInfo_Integer(), &TOpenDialog::FFilterIndex).Default(1);
  c.Ordinal("Options", OpenOptionsType(), &TOpenDialog::FOptions).Default(TOpenOptions{ofHideReadOnly}.ToInt());
  c.String("Title", &TOpenDialog::FTitle);
}

bool TOpenDialog::Execute()
{
  static const std::pair<TOpenOption, DWORD> flags[] = {{ofReadOnly, OFN_READONLY},
                                                        {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
                                                        {ofHideReadOnly, OFN_HIDEREADONLY},
                                                        {ofNoChangeDir, OFN_NOCHANGEDIR},
                                                        {ofShowHelp, OFN_SHOWHELP},
                                                        {ofNoValidate, OFN_NOVALIDATE},
                                                        {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
                                                        {ofPathMustExist, OFN_PATHMUSTEXIST},
                                                        {ofFileMustExist, OFN_FILEMUSTEXIST}};
  qv::TFileDialogRequest request;
  request.save = FSave;
  request.title = FTitle;
  request.fileName = FFileName;
  request.filter = FFilter;
  request.defaultExt = FDefaultExt;
  request.filterIndex = FFilterIndex;
  for (const auto& [option, flag] : flags)
    if (FOptions.Contains(option)) request.flags |= flag;
  qv::TFileDialogAnswer answer = qv::RunFileDialog(request, DialogOwner());
  if (!answer.confirmed) return false;
  FFileName = answer.fileName;
  FFilterIndex = answer.filterIndex;
  return true;
}

QV_IMPLEMENT_CLASS_NOPROPS(TSaveDialog)

QV_IMPLEMENT_CLASS(TFontDialog)

void TFontDialog::DeclareProperties(TClassBuilder<TFontDialog>& c)
{
  static const TTypeInfo* options =
      NewSetType("TFontDialogOptions",
                 NewEnumType("TFontDialogOption", {"fdAnsiOnly", "fdTrueTypeOnly", "fdEffects", "fdFixedPitchOnly",
                                                   "fdForceFontExist", "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations",
                                                   "fdNoSizeSel", "fdNoStyleSel", "fdNoVectorFonts", "fdShowHelp"}));
  c.Object("Font", TFont::StaticClass(), &TFontDialog::Font, &TFontDialog::SetFont);
  c.Ordinal("Options", options, &TFontDialog::FOptions).Default(TFontDialogOptions{fdEffects}.ToInt());
}

TFontDialog::TFontDialog(TComponent* AOwner) : TComponent(AOwner), FFont(new TFont) {}
TFontDialog::~TFontDialog() { delete FFont; }

bool TFontDialog::Execute()
{
  DWORD flags = 0;
  if (FOptions.Contains(fdEffects)) flags |= CF_EFFECTS;
  if (FOptions.Contains(fdForceFontExist)) flags |= CF_FORCEFONTEXIST;
  if (FOptions.Contains(fdShowHelp)) flags |= CF_SHOWHELP;
  if (FOptions.Contains(fdTrueTypeOnly)) flags |= CF_TTONLY;
  if (FOptions.Contains(fdFixedPitchOnly)) flags |= CF_FIXEDPITCHONLY;
  LOGFONTA lf = FontToLogFont(*FFont);
  COLORREF color = ColorToRGB(FFont->Color());
  if (!qv::RunFontDialog(lf, color, flags, DialogOwner())) return false;
  LogFontToFont(lf, *FFont);
  FFont->SetColor(static_cast<TColor>(color));
  return true;
}
