#include "framework/controls/ControlClasses.h"

#include "framework/controls/Bevel.h"
#include "framework/controls/Button.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/CommonDialogs.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/Panel.h"
#include "framework/controls/SpeedButton.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/Timer.h"

void RegisterControlClasses()
{
  // Each StaticClass registers its class on first use.
  for (const TClassInfo* info :
       {&TButton::StaticClass(), &TCheckBox::StaticClass(), &TEdit::StaticClass(), &TMemo::StaticClass(),
        &TListBox::StaticClass(), &TComboBox::StaticClass(), &TStatusBar::StaticClass(), &TLabel::StaticClass(),
        &TPanel::StaticClass(), &TBevel::StaticClass(), &TImage::StaticClass(), &TSpeedButton::StaticClass(),
        &TTimer::StaticClass(), &TOpenDialog::StaticClass(), &TSaveDialog::StaticClass(), &TFontDialog::StaticClass()})
    RegisterClassInfo(*info);
}
