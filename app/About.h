#pragma once
// The about box: product name and version, the operating system, memory and
// disk figures, and the home-page address, which opens in the browser.
#include "framework/controls/Button.h"
#include "framework/controls/Label.h"
#include "framework/forms/Forms.h"

class THBLabel;

class TAboutBox : public TForm {
  QV_CLASS(TAboutBox, TForm)
public:
  explicit TAboutBox(TComponent* AOwner);

  // Creates the box owned by the application, shows it modally, releases it.
  static void Execute();

  THBLabel* ProductName = nullptr;
  TLabel* Version = nullptr;
  TLabel* OS = nullptr;
  TLabel* PhysMem = nullptr;
  TLabel* DiskSpace = nullptr;
  TLabel* AllocatedMemory = nullptr;
  TLabel* Web = nullptr;
  TButton* OKButton = nullptr;

  void FormCreate(TObject* Sender);
  void WebClick(TObject* Sender);

  void Loaded() override;
  void WndProc(TMessage& Message) override;
};
