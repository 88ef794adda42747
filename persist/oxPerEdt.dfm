object oxPersistEdit: ToxPersistEdit
  Left = 240
  Top = 160
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'oxPersistEdit'
  ClientWidth = 458
  ClientHeight = 324
  Position = poScreenCenter
  OnShow = FormShow
  object Label2: TLabel
    Left = 8
    Top = 8
    Width = 50
    Height = 13
    Caption = '&Properties'
    FocusControl = lbValues
  end
  object lbValues: TListBox
    Left = 12
    Top = 24
    Width = 229
    Height = 257
    ItemHeight = 18
    Style = lbOwnerDrawFixed
    TabOrder = 0
    OnClick = lbValuesClick
  end
  object Label3: TLabel
    Left = 240
    Top = 8
    Width = 41
    Height = 13
    Caption = '&Settings'
    FocusControl = Panel1
  end
  object Panel1: TPanel
    Left = 248
    Top = 24
    Width = 201
    Height = 257
    BevelInner = bvRaised
    BevelOuter = bvLowered
    TabOrder = 1
    object Edit1: TEdit
      Left = 8
      Top = 12
      Width = 185
      Height = 21
      TabOrder = 0
      OnChange = Edit1Change
    end
    object ComboBox1: TComboBox
      Left = 8
      Top = 40
      Width = 185
      Height = 21
      Style = csDropDown
      TabOrder = 1
      OnChange = ComboBox1Change
    end
    object ListBox1: TListBox
      Left = 8
      Top = 68
      Width = 185
      Height = 117
      ExtendedSelect = False
      MultiSelect = True
      TabOrder = 2
      OnClick = ListBox1Click
    end
    object FontPanel: TPanel
      Left = 8
      Top = 96
      Width = 185
      Height = 41
      BevelOuter = bvLowered
      Caption = 'AaBbYyZz'
      TabOrder = 3
      object btnFont: TButton
        Left = 144
        Top = 8
        Width = 37
        Height = 25
        Caption = '&Font...'
        ParentFont = False
        TabOrder = 0
        OnClick = btnFontClick
      end
    end
    object GraphicPanel: TPanel
      Left = 8
      Top = 132
      Width = 185
      Height = 113
      BevelOuter = bvLowered
      TabOrder = 4
      object Image1: TImage
        Left = 8
        Top = 4
        Width = 105
        Height = 105
        Center = True
      end
      object btnGraphic: TButton
        Left = 124
        Top = 8
        Width = 55
        Height = 25
        Caption = '&Graphic...'
        TabOrder = 0
        OnClick = btnGraphicClick
      end
      object btnClear: TButton
        Left = 124
        Top = 84
        Width = 57
        Height = 25
        Caption = '&Clear'
        TabOrder = 1
        OnClick = btnClearClick
      end
    end
    object Memo1: TMemo
      Left = 8
      Top = 80
      Width = 185
      Height = 117
      TabOrder = 5
      OnChange = Memo1Change
    end
    object lblDescription: TLabel
      Left = 8
      Top = 184
      Width = 185
      Height = 53
      AutoSize = False
      WordWrap = True
    end
    object StatusValue: TEdit
      Left = 8
      Top = 228
      Width = 185
      Height = 21
      Color = clBtnFace
      ReadOnly = True
      TabOrder = 6
    end
  end
  object Label1: TLabel
    Left = 128
    Top = 300
    Width = 3
    Height = 13
    Visible = False
  end
  object btnOK: TButton
    Left = 208
    Top = 292
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
    OnClick = btnOKClick
  end
  object btnCancel: TButton
    Left = 292
    Top = 292
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
  object btnApply: TButton
    Left = 376
    Top = 292
    Width = 75
    Height = 25
    Caption = '&Apply'
    Enabled = False
    TabOrder = 4
    OnClick = btnApplyClick
  end
  object FontDialog1: TFontDialog
    Options = [fdEffects, fdForceFontExist, fdShowHelp]
  end
  object OpenDialog1: TOpenDialog
    DefaultExt = 'ico'
    Filter = 'All (*.*)|*.*'
    Options = [ofHideReadOnly, ofFileMustExist]
  end
end
