#include "app/BrowsePaths.h"

namespace {

bool EndsWithBackslash(std::string_view Value) { return !Value.empty() && Value.back() == '\\'; }

std::string_view WithoutTrailingBackslash(std::string_view Value)
{
  if (EndsWithBackslash(Value)) Value.remove_suffix(1);
  return Value;
}

bool DriveExists(char Letter, uint32_t Drives)
{
  if (Letter >= 'a' && Letter <= 'z') Letter = static_cast<char>(Letter - 'a' + 'A');
  // Anything but A..Z would shift out of the mask.
  if (Letter < 'A' || Letter > 'Z') return false;
  return (Drives >> (Letter - 'A')) & 1u;
}

}  // namespace

bool IsDriveRoot(std::string_view Value) { return Value.size() == 3 && Value[1] == ':' && Value[2] == '\\'; }

bool IsExistingDirectory(const std::string& Value, const IDirectoryProbe& Probe)
{
  if (IsDriveRoot(Value)) return DriveExists(Value[0], Probe.LogicalDrives());
  const std::string name(WithoutTrailingBackslash(Value));
  // A find-first search would take these as a pattern and report whatever
  // directory happens to match ("C:\win*" finding C:\windows).
  if (name.empty() || name.find_first_of("*?") != std::string::npos) return false;
  return Probe.FindsDirectory(name);
}

std::string NormalizeSelection(const std::string& Value, const TDirectoryTest& IsDirectory)
{
  if (Value.empty() || EndsWithBackslash(Value) || !IsDirectory(Value)) return Value;
  return Value + '\\';
}

std::string SelectionForDialog(std::string_view Selection)
{
  const bool drive = Selection.size() >= 2 && Selection.size() < 4 && Selection[1] == ':';
  if (drive) return EndsWithBackslash(Selection) ? std::string(Selection) : std::string(Selection) + '\\';
  return std::string(WithoutTrailingBackslash(Selection));
}
