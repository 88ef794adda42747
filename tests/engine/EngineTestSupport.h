#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/QVEngine.h"
#include "platform/fake/FakeFileSystem.h"
#include "tests/engine/RecordingHost.h"
#include "tests/support/TestFiles.h"

// A fake file system (by default Windows-like: backslashes, letter case
// ignored) with an engine on it.
struct TEngineFixture {
  explicit TEngineFixture(char Separator = '\\', bool IgnoreCase = true) : Fs(Separator, IgnoreCase) {}
  TFakeFileSystem Fs;
  TRecordingHost Host;
  TQVEngine Engine{Fs, Host};
};

using Recs = std::vector<TQVRec>;

// Expects Action to fail with an E whose text, the message the user sees, is Message.
template <class E, class TAction> void ExpectFailure(TAction Action, const std::string& Message)
{
  try {
    Action();
    ADD_FAILURE() << "no failure; expected: " << Message;
  } catch (const E& e) {
    EXPECT_EQ(e.what(), Message);
  }
}
