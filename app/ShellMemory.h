#pragma once
// Owners for what the shell hands out: its task allocator, and blocks (item
// id lists, name buffers) that must go back through that allocator.
#include <windows.h>
#include <shlobj.h>

#include <utility>

#include "framework/objects/Exceptions.h"

// The shell's allocator from SHGetMalloc, released exactly once.
class TShellAllocator {
public:
  TShellAllocator()
  {
    if (FAILED(SHGetMalloc(&FMalloc)) || !FMalloc) throw Exception("Cannot get the shell's memory allocator");
  }
  ~TShellAllocator() { FMalloc->Release(); }
  TShellAllocator(const TShellAllocator&) = delete;
  TShellAllocator& operator=(const TShellAllocator&) = delete;

  IMalloc* get() const noexcept { return FMalloc; }

private:
  IMalloc* FMalloc = nullptr;
};

// A block the allocator gave us; freed through it. Declare it after the
// allocator so it goes first.
template <class T> class TShellBlock {
public:
  TShellBlock() noexcept = default;
  TShellBlock(IMalloc* Malloc, T* Block) noexcept : FMalloc(Malloc), FBlock(Block) {}
  TShellBlock(TShellBlock&& Other) noexcept : FMalloc(Other.FMalloc), FBlock(std::exchange(Other.FBlock, nullptr)) {}
  TShellBlock& operator=(TShellBlock&& Other) noexcept
  {
    if (this != &Other) {
      reset();
      FMalloc = Other.FMalloc;
      FBlock = std::exchange(Other.FBlock, nullptr);
    }
    return *this;
  }
  TShellBlock(const TShellBlock&) = delete;
  TShellBlock& operator=(const TShellBlock&) = delete;
  ~TShellBlock() { reset(); }

  T* get() const noexcept { return FBlock; }
  explicit operator bool() const noexcept { return FBlock != nullptr; }
  void reset() noexcept
  {
    if (FBlock) FMalloc->Free(FBlock);
    FBlock = nullptr;
  }

private:
  IMalloc* FMalloc = nullptr;
  T* FBlock = nullptr;
};
