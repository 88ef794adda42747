#pragma once
// Registry accessor used by the persistence components: one open key below a
// root key, string and binary values. Missing keys are reported as false,
// failures and values of the wrong type as ERegistryException.
#include <windows.h>

#include <string>

#include "framework/objects/Exceptions.h"
#include "framework/win32/Handles.h"

class ERegistryException : public Exception {
public:
  ERegistryException(const std::string& message, LONG code) : Exception(message), code_(code) {}
  LONG code() const noexcept { return code_; }

private:
  LONG code_;
};

class TRegistry {
public:
  TRegistry() = default;
  explicit TRegistry(HKEY root) : root_(root) {}

  HKEY RootKey() const noexcept { return root_; }
  // Changing the root closes the current key, which was opened below the old one.
  void SetRootKey(HKEY root);
  HKEY CurrentKey() const noexcept { return current_.get(); }
  const std::string& CurrentPath() const noexcept { return path_; }

  // A path starting with "\" is taken from the root; otherwise it is below the
  // open key, or below the root when none is open. False when the key is
  // missing (and canCreate is false) or cannot be opened.
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey() noexcept;

  bool ValueExists(const std::string& name) const;
  // Size of the value's data in bytes; -1 when there is no such value.
  int GetDataSize(const std::string& name) const;

  // A missing value reads as the empty text; a non-string value throws.
  std::string ReadString(const std::string& name) const;
  void WriteString(const std::string& name, const std::string& value);
  // Copies the binary value into buffer and returns its size. Missing values,
  // values of another type and buffers too small for the data throw.
  int ReadBinaryData(const std::string& name, void* buffer, int bufferSize) const;
  // size 0 writes an empty binary value.
  void WriteBinaryData(const std::string& name, const void* buffer, int size);

private:
  struct ValueInfo {
    bool exists;
    DWORD type;
    DWORD size;
  };
  ValueInfo Query(const std::string& name) const;
  HKEY RequireKey(const std::string& name) const;

  HKEY root_ = HKEY_CURRENT_USER;
  qv::RegKey current_;
  std::string path_;
};
