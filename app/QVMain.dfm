object QVMain: TQVMain
  Left = 282
  Top = 111
  Width = 449
  Height = 387
  Caption = 'Quorvik V5.0'
  Menu = oxMenu
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnResize = FormResize
  OnClose = FormClose
  object Changes: TListBox
    Left = 8
    Top = 8
    Width = 425
    Height = 305
    Font.Height = -12
    Font.Name = 'Courier New'
    ItemHeight = 15
    PopupMenu = oxPopupMenu
  end
  object StatusBar: TStatusBar
    Height = 19
  end
  object oxMenu: ToxMenu
    Options = [oxmBanner, oxmBackground]
    Banner.Font.Color = clWhite
    Banner.Font.Height = -11
    Banner.Font.Name = 'Arial'
    Banner.Style = oxmSolid
    Banner.Color = clNavy
    Banner.Gradient = clWhite
    Banner.Vertical = True
    Caption = ''
    Font3D = ox3Normal
    Background.Style = oxmHorzGradient
    Background.Gradient = clWhite
    SelectionStyle = oxmRaisedSel
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuFileScan: TMenuItem
        Caption = '&Scan'
        ShortCut = 113
        OnClick = mnuFileScanClick
      end
      object mnuFileCompare: TMenuItem
        Caption = '&Compare'
        ShortCut = 114
        OnClick = mnuFileCompareClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object mnuFileOptions: TMenuItem
        Caption = '&Options...'
        OnClick = mnuFileOptionsClick
      end
      object N2: TMenuItem
        Caption = '-'
      end
      object mnuFileExit: TMenuItem
        Caption = 'E&xit'
        OnClick = mnuFileExitClick
      end
    end
    object mnuHelp: TMenuItem
      Caption = '&Help'
      object mnuHelpContents: TMenuItem
        Caption = '&Contents...'
        OnClick = mnuHelpContentsClick
      end
      object mnuHelpAbout: TMenuItem
        Caption = '&About...'
        OnClick = mnuHelpAboutClick
      end
      object mnuHelpVisitHomePage: TMenuItem
        Caption = '&Visit Home Page'
        OnClick = mnuHelpVisitHomePageClick
      end
    end
  end
  object oxPopupMenu: ToxPopupMenu
    Options = [oxmBackground, oxmMultiLine]
    Caption = ''
    Font3D = ox3Normal
    Background.Style = oxmHorzGradient
    Background.Gradient = clWhite
    SelectionStyle = oxmNormSel
    OnPopup = oxPopupMenuPopup
    object mnuSaveChangestoFile: TMenuItem
      Caption = '&Save Changes to File..'
      OnClick = mnuSaveChangestoFileClick
    end
    object mnuClear: TMenuItem
      Caption = 'Clear List'
      OnClick = mnuClearClick
    end
    object mnuDeleteFile: TMenuItem
      Caption = '&Delete File...'
      OnClick = mnuDeleteFileClick
    end
    object mnuOpenFile: TMenuItem
      Caption = '&Open File...'
      OnClick = mnuOpenFileClick
    end
  end
  object dlgBrowse: TBrowseDirectoryDlg
    Title = 'Select the root directory for scanning...'
    Root = idDrives
    Caption = 'Select Scan Directory'
  end
  object dlgSave: TSaveDialog
    DefaultExt = 'qv'
    Filter = 'Quorvik Collection (*.qv)|*.qv|Text Files (*.txt)|*.txt|All Files (*.*)|*.*'
    Options = [ofOverwritePrompt, ofHideReadOnly]
    Title = 'Save As'
  end
  object dlgOpen: TOpenDialog
    DefaultExt = 'qv'
    Filter = 'Quorvik Collection (*.qv)|*.qv|All Files (*.*)|*.*'
    Options = [ofHideReadOnly, ofPathMustExist, ofFileMustExist]
    Title = 'Open File to Compare'
  end
  object oxForm: ToxForm
    Options = [oxfActiveGradient, oxfInactiveGradient, oxfMinMax]
    CaptionButtons = [oxbRollUp, oxbOnTop]
    CustomButtonIndex = -1
    ActiveCaption = ox3Normal
    ActiveText = ox3Normal
    ActiveBorder = ox3Normal
    InactiveCaption = ox3Normal
    InactiveText = ox3Normal
    InactiveBorder = ox3Normal
    MinHeight = 102
    MinWidth = 204
    MaxWidth = 640
    MaxHeight = 480
    OnTop = False
    TrayEnabled = False
  end
  object oxPersist: ToxPersist
    Items.Strings = (
      'dlgOpen;FileName;10;OpenFileName;;1;0;0;;'
      'dlgSave;FileName;10;SaveFileName;;1;0;0;;'
      'dlgBrowse;Root;3;Browser Root;;1;0;1;;'
      'Changes;Font;104;Font;;1;0;1;;'
      '(TForm);WindowState;3;WindowState;;1;0;0;;')
    RegistryKey = 'Software\Halbrand\QV5'
    StorageType = oxpRegistry
    Options = [oxpAutoSave, oxpAutoLoad, oxpAutoFileName]
  end
  object ObjMgr: TObjMgr
    Items.Strings = (
      'QVMain;Left;Software\Halbrand\QV5;FormLeft;;1'
      'QVMain;Top;Software\Halbrand\QV5;FormTop;;1'
      'QVMain;Width;Software\Halbrand\QV5;FormWidth;;1'
      'QVMain;Height;Software\Halbrand\QV5;FormHeight;;1')
  end
end
