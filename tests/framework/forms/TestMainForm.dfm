object TestMain: TTestMainForm
  Left = 100
  Top = 80
  Width = 449
  Height = 387
  Caption = 'Quorvik V5.0'
  Menu = MainMenu
  OnCreate = FormCreate
  OnResize = FormResize
  object Changes: TListBox
    Left = 8
    Top = 8
    Width = 425
    Height = 265
    ItemHeight = 15
    PopupMenu = Popup
    Items.Strings = (
      'first'
      'second')
  end
  object Beeps: TCheckBox
    Left = 8
    Top = 280
    Caption = 'Enable &Beeps'
    Checked = True
    Hint = 'Beep when jobs are done'
    ShowHint = True
  end
  object btnOK: TButton
    Left = 200
    Top = 280
    Caption = 'OK'
    Default = True
    ModalResult = 1
  end
  object Title: TLabel
    Left = 300
    Top = 280
    Caption = 'Hello'
    Hint = 'Label hint'
    ShowHint = True
  end
  object Add: TSpeedButton
    Left = 380
    Top = 280
    Width = 23
    Height = 22
    Hint = 'Add a directory'
    ShowHint = True
    OnClick = AddClick
  end
  object StatusBar: TStatusBar
    Height = 19
  end
  object MainMenu: TMainMenu
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuFileScan: TMenuItem
        Caption = '&Scan'
        ShortCut = 113
        Hint = 'Scan a tree'
        OnClick = ScanClick
      end
    end
  end
  object Popup: TPopupMenu
    OnPopup = PopupPopup
    object mnuClear: TMenuItem
      Caption = 'Clear List'
      OnClick = ClearClick
    end
  end
end
