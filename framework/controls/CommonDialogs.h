#pragma once
// The open, save and font dialogs of the system as components.
#include "framework/graphics/Graphics.h"
#include "framework/objects/Classes.h"

enum TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
  QV_CLASS(TOpenDialog, TComponent)
public:
  explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
  std::string FTitle, FFileName, FFilter, FDefaultExt;
  int FFilterIndex = 1;
  TOpenOptions FOptions{ofHideReadOnly};
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  virtual bool Execute();

protected:
  bool FSave = false;
};

class TSaveDialog : public TOpenDialog {
  QV_CLASS(TSaveDialog, TOpenDialog)
public:
  explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) { FSave = true; }
};

enum TFontDialogOption {
  fdAnsiOnly,
  fdTrueTypeOnly,
  fdEffects,
  fdFixedPitchOnly,
  fdForceFontExist,
  fdNoFaceSel,
  fdNoOEMFonts,
  fdNoSimulations,
  fdNoSizeSel,
  fdNoStyleSel,
  fdNoVectorFonts,
  fdShowHelp
};
using TFontDialogOptions = TSet<TFontDialogOption>;

class TFontDialog : public TComponent {
  QV_CLASS(TFontDialog, TComponent)
public:
  explicit TFontDialog(TComponent* AOwner);
  ~TFontDialog() override;
  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TFontDialogOptions FOptions{fdEffects};
  bool Execute();

private:
  TFont* FFont;
};
