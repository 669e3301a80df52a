// Move-only owners of platform handles. One template, one traits struct per
// kind of handle, because "no handle" differs between kinds (NULL for most,
// INVALID_HANDLE_VALUE for files and find handles).
#pragma once

#include <utility>

#include "platform/win.h"

namespace platform {

template <typename Traits>
class ScopedHandle {
 public:
  using Handle = typename Traits::Handle;

  ScopedHandle() noexcept : handle_(Traits::Invalid()) {}
  explicit ScopedHandle(Handle handle) noexcept : handle_(handle) {}
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Take()) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) Reset(other.Take());
    return *this;
  }
  ~ScopedHandle() { Close(); }

  bool Valid() const noexcept { return handle_ != Traits::Invalid(); }
  explicit operator bool() const noexcept { return Valid(); }
  Handle Get() const noexcept { return handle_; }

  // For out-parameters of platform calls: closes what is held first.
  Handle* Receive() noexcept {
    Close();
    return &handle_;
  }

  Handle Take() noexcept { return std::exchange(handle_, Traits::Invalid()); }
  void Reset(Handle handle = Traits::Invalid()) noexcept {
    Close();
    handle_ = handle;
  }
  void Close() noexcept {
    if (Valid()) Traits::Close(std::exchange(handle_, Traits::Invalid()));
  }

 private:
  Handle handle_;
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { CloseHandle(h); }
};

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) noexcept { CloseHandle(h); }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) noexcept { FindClose(h); }
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { RegCloseKey(h); }
};

struct WindowTraits {
  using Handle = HWND;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { DestroyWindow(h); }
};

struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle h) noexcept { DeleteObject(h); }
};

using KernelHandle = ScopedHandle<KernelHandleTraits>;
using FileHandle = ScopedHandle<FileHandleTraits>;
using FindHandle = ScopedHandle<FindHandleTraits>;
using RegKey = ScopedHandle<RegKeyTraits>;
using WindowHandle = ScopedHandle<WindowTraits>;
using GdiObject = ScopedHandle<GdiObjectTraits>;

}  // namespace platform
