#pragma once
#include <cstdint>
#include <string>

#include "engine/QVEngine.h"
#include "platform/fake/FakeFileSystem.h"
#include "tests/engine/RecordingHost.h"

inline uint32_t Dos(int Y, int Mo, int D, int H = 0, int Mi = 0, int S = 0)
{
  return (static_cast<uint32_t>(((Y - 1980) << 9) | (Mo << 5) | D) << 16) |
         static_cast<uint32_t>((H << 11) | (Mi << 5) | (S / 2));
}

// A Windows-like fake (backslashes, letter case ignored) with an engine on it.
struct TEngineFixture {
  TFakeFileSystem Fs{'\\', true};
  TRecordingHost Host;
  TQVEngine Engine{Fs, Host};
};
