#include "app/About.h"

#include <windows.h>
#include <shellapi.h>

#include "app/AboutText.h"
#include "app/HomePage.h"
#include "ui/hints/HBLabel.h"

namespace {

std::string ThousandSeparator()
{
  char text[8] = ",";
  GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, sizeof text);
  return text;
}

std::string OperatingSystem()
{
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  // The version the system reports to this program, as it always has.
  if (!GetVersionExA(&info)) return "Windows";
#pragma GCC diagnostic pop
  return OsVersionText(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
                       info.szCSDVersion);
}

// Memory and disks grew past 4 GB long ago: the 64-bit queries give the true figures.
std::string PhysicalMemory(const std::string& Separator)
{
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return "not available";
  return KilobyteText(status.ullTotalPhys, Separator) + " KB";
}

std::string FreeDiskSpace(const std::string& Separator)
{
  ULARGE_INTEGER available{}, total{}, free{};
  if (!GetDiskFreeSpaceExA("C:\\", &available, &total, &free)) return "C: not available";
  return "C: " + KilobyteText(free.QuadPart, Separator) + " KB Free";
}

// What the program's heaps hand out now: the busy blocks of each process heap.
uint64_t AllocatedBytes()
{
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(64, heaps);
  uint64_t bytes = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    HeapUnlock(heaps[i]);
  }
  return bytes;
}

}  // namespace

QV_IMPLEMENT_CLASS(TAboutBox)

void TAboutBox::DeclareProperties(TClassBuilder<TAboutBox>& c)
{
  c.Method("FormCreate", &TAboutBox::FormCreate);
  c.Method("WebClick", &TAboutBox::WebClick);
}

TAboutBox::TAboutBox(TComponent* AOwner) : TForm(AOwner) {}

void TAboutBox::Execute()
{
  auto* box = TCustomForm::Create<TAboutBox>(Application);
  try {
    box->ShowModal();
  } catch (...) {
    box->Release();
    throw;
  }
  box->Release();
}

void TAboutBox::Loaded()
{
  inherited::Loaded();
  ProductName = dynamic_cast<THBLabel*>(FindComponent("ProductName"));
  Version = dynamic_cast<TLabel*>(FindComponent("Version"));
  OS = dynamic_cast<TLabel*>(FindComponent("OS"));
  PhysMem = dynamic_cast<TLabel*>(FindComponent("PhysMem"));
  DiskSpace = dynamic_cast<TLabel*>(FindComponent("DiskSpace"));
  AllocatedMemory = dynamic_cast<TLabel*>(FindComponent("AllocatedMemory"));
  Web = dynamic_cast<TLabel*>(FindComponent("Web"));
  OKButton = dynamic_cast<TButton*>(FindComponent("OKButton"));
}

void TAboutBox::FormCreate(TObject*)
{
  const std::string separator = ThousandSeparator();
  OS->SetCaption(OperatingSystem());
  PhysMem->SetCaption(PhysicalMemory(separator));
  DiskSpace->SetCaption(FreeDiskSpace(separator));
  AllocatedMemory->SetCaption(KilobyteText(AllocatedBytes(), separator) + " KB");
  Web->SetCaption(QuorvikHomePage);
}

void TAboutBox::WebClick(TObject*)
{
  ShellExecuteA(Handle(), "open", Web->Caption().c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void TAboutBox::WndProc(TMessage& Message)
{
  inherited::WndProc(Message);
  // The box can be dragged by any part of its client area that no control covers.
  if (Message.Msg == WM_NCHITTEST && Message.Result == HTCLIENT) Message.Result = HTCAPTION;
}
