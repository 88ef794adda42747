#include "framework/win32/Registry.h"

#include <vector>

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& name, LONG code)
{
  throw ERegistryException(what + " '" + name + "'", code);
}

std::string Join(const std::string& base, const std::string& sub)
{
  if (base.empty()) return sub;
  if (sub.empty()) return base;
  return base + "\\" + sub;
}

}  // namespace

void TRegistry::SetRootKey(HKEY root)
{
  if (root == root_) return;
  CloseKey();
  root_ = root;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate)
{
  bool absolute = !key.empty() && key.front() == '\\';
  std::string relative = absolute ? key.substr(1) : key;
  while (!relative.empty() && relative.back() == '\\') relative.pop_back();
  HKEY parent = (absolute || !current_) ? root_ : current_.get();
  std::string fullPath = (absolute || !current_) ? relative : Join(path_, relative);
  HKEY opened = nullptr;
  LONG rc;
  if (canCreate) {
    rc = RegCreateKeyExA(parent, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                         &opened, nullptr);
  } else {
    rc = RegOpenKeyExA(parent, relative.c_str(), 0, KEY_ALL_ACCESS, &opened);
  }
  if (rc != ERROR_SUCCESS) return false;
  current_.reset(opened);
  path_ = fullPath;
  return true;
}

void TRegistry::CloseKey() noexcept
{
  current_.reset();
  path_.clear();
}

HKEY TRegistry::RequireKey(const std::string& name) const
{
  if (!current_) Fail("No registry key open for", name, ERROR_INVALID_HANDLE);
  return current_.get();
}

TRegistry::ValueInfo TRegistry::Query(const std::string& name) const
{
  DWORD type = 0, size = 0;
  LONG rc = RegQueryValueExA(RequireKey(name), name.c_str(), nullptr, &type, nullptr, &size);
  if (rc == ERROR_FILE_NOT_FOUND) return {false, 0, 0};
  if (rc != ERROR_SUCCESS) Fail("Failed to get data for", name, rc);
  return {true, type, size};
}

bool TRegistry::ValueExists(const std::string& name) const { return current_ && Query(name).exists; }

int TRegistry::GetDataSize(const std::string& name) const
{
  if (!current_) return -1;
  ValueInfo info = Query(name);
  return info.exists ? static_cast<int>(info.size) : -1;
}

std::string TRegistry::ReadString(const std::string& name) const
{
  ValueInfo info = Query(name);
  if (!info.exists) return std::string();
  if (info.type != REG_SZ && info.type != REG_EXPAND_SZ) {
    Fail("Invalid data type for", name, ERROR_INVALID_DATATYPE);
  }
  std::vector<char> data(info.size + 1, '\0');
  DWORD size = info.size;
  LONG rc =
      RegQueryValueExA(current_.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
  if (rc != ERROR_SUCCESS) Fail("Failed to get data for", name, rc);
  data[size] = '\0';
  return std::string(data.data());  // stops at the stored terminator
}

void TRegistry::WriteString(const std::string& name, const std::string& value)
{
  LONG rc = RegSetValueExA(RequireKey(name), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1));
  if (rc != ERROR_SUCCESS) Fail("Failed to set data for", name, rc);
}

int TRegistry::ReadBinaryData(const std::string& name, void* buffer, int bufferSize) const
{
  ValueInfo info = Query(name);
  if (!info.exists) Fail("Failed to get data for", name, ERROR_FILE_NOT_FOUND);
  if (info.type != REG_BINARY) Fail("Invalid data type for", name, ERROR_INVALID_DATATYPE);
  if (info.size == 0) return 0;
  if (bufferSize < 0 || info.size > static_cast<DWORD>(bufferSize)) {
    Fail("Failed to get data for", name, ERROR_MORE_DATA);
  }
  DWORD size = info.size;
  LONG rc = RegQueryValueExA(current_.get(), name.c_str(), nullptr, nullptr, static_cast<BYTE*>(buffer), &size);
  if (rc != ERROR_SUCCESS) Fail("Failed to get data for", name, rc);
  return static_cast<int>(size);
}

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, int size)
{
  if (size < 0) Fail("Invalid data size for", name, ERROR_INVALID_PARAMETER);
  LONG rc = RegSetValueExA(RequireKey(name), name.c_str(), 0, REG_BINARY,
                           size ? static_cast<const BYTE*>(buffer) : nullptr, static_cast<DWORD>(size));
  if (rc != ERROR_SUCCESS) Fail("Failed to set data for", name, rc);
}
