#pragma once
// Move-only owners for Win32 handles and COM interfaces: each is closed exactly once.
#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace common {

template <typename T, typename Deleter, T Invalid = T{}>
class UniqueAny {
 public:
  UniqueAny() = default;
  explicit UniqueAny(T value) : value_(value) {}
  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  UniqueAny(UniqueAny&& other) noexcept : value_(other.release()) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~UniqueAny() { reset(); }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != Invalid; }
  T release() { return std::exchange(value_, Invalid); }
  void reset(T value = Invalid) {
    if (value_ != Invalid) Deleter{}(value_);
    value_ = value;
  }

 private:
  T value_ = Invalid;
};

struct WindowDeleter { void operator()(HWND h) const { DestroyWindow(h); } };
struct GdiObjectDeleter { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct FontDeleter { void operator()(HFONT h) const { DeleteObject(h); } };
struct BitmapDeleter { void operator()(HBITMAP h) const { DeleteObject(h); } };
struct HandleDeleter { void operator()(HANDLE h) const { CloseHandle(h); } };
struct IconDeleter { void operator()(HICON h) const { DestroyIcon(h); } };
struct AcceleratorDeleter { void operator()(HACCEL h) const { DestroyAcceleratorTable(h); } };

using UniqueWindow = UniqueAny<HWND, WindowDeleter>;
using UniqueFont = UniqueAny<HFONT, FontDeleter>;
using UniqueBitmap = UniqueAny<HBITMAP, BitmapDeleter>;
using UniqueHandle = UniqueAny<HANDLE, HandleDeleter>;
using UniqueIcon = UniqueAny<HICON, IconDeleter>;
using UniqueAccelerators = UniqueAny<HACCEL, AcceleratorDeleter>;

// A minimal owning COM pointer.
template <typename I>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { reset(); }

  I* get() const { return p_; }
  I* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For the out-parameter of a creating call; releases what was held.
  I** put() {
    reset();
    return &p_;
  }
  void reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  I* p_ = nullptr;
};

}  // namespace common
