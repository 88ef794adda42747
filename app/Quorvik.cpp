// Quorvik: start-up and shutdown.
#include <windows.h>

#include <exception>

#include "app/HelpFile.h"
#include "app/Options.h"
#include "app/QVMain.h"
#include "framework/forms/Forms.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
  try {
    TApplicationScope scope;
    Application->Initialize();
    Application->SetTitle("Quorvik V5.0");
    Application->SetHelpFile(HelpFileBesideProgram());
    Application->CreateForm(QVMain);
    Application->CreateForm(dlgOptions);
    Application->Run();
  } catch (const std::exception& e) {
    // Only a window that cannot be built gets here; commands report their own failures.
    MessageBoxA(nullptr, e.what(), "Quorvik V5.0", MB_OK | MB_ICONERROR);
    return 1;
  }
  return 0;
}
