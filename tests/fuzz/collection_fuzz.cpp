// Feeds arbitrary bytes to the compare as a collection file with a fixed
// directory list: it must load or refuse them cleanly, never read past a
// buffer or allocate by a size taken from the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/Errors.h"
#include "engine/QVEngine.h"
#include "platform/fake/FakeFileSystem.h"
#include "tests/engine/RecordingHost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
  TFakeFileSystem fs;
  TRecordingHost host;
  TQVEngine engine(fs, host);
  fs.AddFile("D:\\Data\\a.txt", 1, 0);
  fs.SetContents("C:\\f.qv", std::string(reinterpret_cast<const char*>(Data), Size));
  fs.SetContents("C:\\f.qd", std::string(TQVEngine::Banner) + "\r\nD:\\Data\\\r\nD:\\Data\r\n");
  try {
    engine.Compare("C:\\f.qv");
  } catch (const EQVError&) {}
  return 0;
}
