#pragma once
// Path rules of the folder-browse component: which values are drives, when a
// value names an existing directory, and how a selection is spelled for the
// component and for the dialog.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What the directory test needs from the system; the Win32 side answers with
// GetLogicalDrives and FindFirstFileA, tests with a fake.
class IDirectoryProbe {
public:
  virtual ~IDirectoryProbe() = default;
  // Bit 0 for drive A:, bit 1 for B:, ...
  virtual uint32_t LogicalDrives() const = 0;
  // Whether a find-first search for Name, asking for directories, finds an
  // entry that is a directory.
  virtual bool FindsDirectory(const std::string& Name) const = 0;
};

using TDirectoryTest = std::function<bool(const std::string& Value)>;

// "X:\": exactly three characters, ':' second and '\' third.
bool IsDriveRoot(std::string_view Value);

// A drive root exists when its letter's bit is set in the logical drives;
// any other value, less one trailing '\', when the probe finds it as a
// directory. Values with wildcards never name a directory.
bool IsExistingDirectory(const std::string& Value, const IDirectoryProbe& Probe);

// The value the component keeps as its selection: an existing directory gets
// a trailing '\' (D:\Data becomes D:\Data\, D:\ stays D:\).
std::string NormalizeSelection(const std::string& Value, const TDirectoryTest& IsDirectory);

// The path handed to the open dialog: a drive of fewer than four characters
// gets its '\' (X: becomes X:\); any other value loses one trailing '\'.
std::string SelectionForDialog(std::string_view Selection);
