#pragma once
// Memory for the big buffers of a search with a million results: the results
// text, its records and the sort keys. Taken from the system in large pages where
// it offers them, since touching fresh memory a small page at a time can cost more
// than all the work done on it.
#include <cstddef>
#include <cstring>
#include <functional>
#include <string_view>
#include <new>
#include <utility>

namespace common {

// Memory that lives as long as the results it holds asks for large pages;
// scratch memory of a moment (a sort's keys) does not: finding the system's
// large pages can cost more than the work done in them.
enum class Pages { Large, Small };

void* allocatePages(size_t bytes, Pages pages = Pages::Large);
void freePages(void* memory, size_t bytes);

template <typename T, Pages kPages = Pages::Large>
struct PageAllocator {
  using value_type = T;
  template <typename U>
  struct rebind {
    using other = PageAllocator<U, kPages>;
  };
  PageAllocator() = default;
  template <typename U>
  PageAllocator(const PageAllocator<U, kPages>&) {}
  T* allocate(size_t n) { return static_cast<T*>(allocatePages(n * sizeof(T), kPages)); }
  void deallocate(T* p, size_t n) { freePages(p, n * sizeof(T)); }
  // A vector made at its size is filled by its owner: its elements are not
  // cleared first (for the plain records and keys it holds).
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
  template <typename U>
  bool operator==(const PageAllocator<U, kPages>&) const { return true; }
  template <typename U>
  bool operator!=(const PageAllocator<U, kPages>&) const { return false; }
};

// A byte buffer of fixed capacity whose contents are not cleared when it is made.
// Any buffer made with a capacity, even none, may be read (not written) up to
// kReadAhead bytes past its capacity: a short text in it can be copied in a few
// whole blocks, which costs less than copying exactly its bytes.
class PageBuffer {
 public:
  static constexpr size_t kReadAhead = 256;

  PageBuffer() = default;
  explicit PageBuffer(size_t capacity)
      : data_(static_cast<char*>(allocatePages(capacity + kReadAhead))), capacity_(capacity) {}
  PageBuffer(const PageBuffer&) = delete;
  PageBuffer& operator=(const PageBuffer&) = delete;
  PageBuffer(PageBuffer&& o) noexcept
      : data_(std::exchange(o.data_, nullptr)), size_(std::exchange(o.size_, 0)), capacity_(std::exchange(o.capacity_, 0)) {}
  PageBuffer& operator=(PageBuffer&& o) noexcept {
    if (this != &o) {
      release();
      data_ = std::exchange(o.data_, nullptr);
      size_ = std::exchange(o.size_, 0);
      capacity_ = std::exchange(o.capacity_, 0);
    }
    return *this;
  }
  ~PageBuffer() { release(); }

  static PageBuffer copyOf(std::string_view text) {
    PageBuffer buffer(text.size());
    if (!text.empty()) std::memcpy(buffer.data(), text.data(), text.size());
    buffer.size_ = text.size();
    return buffer;
  }
  PageBuffer clone() const {
    PageBuffer copy = copyOf(view());
    return copy;
  }

  char* data() { return data_; }
  const char* data() const { return data_; }
  size_t size() const { return size_; }
  size_t capacity() const { return capacity_; }
  void setSize(size_t size) { size_ = size <= capacity_ ? size : capacity_; }
  std::string_view view() const { return std::string_view(data_, size_); }

 private:
  void release() {
    if (data_) freePages(data_, capacity_ + kReadAhead);
    data_ = nullptr;
    size_ = capacity_ = 0;
  }
  char* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

// Reads into part `part` (0 or 1) of the file at `offset` at most `length`
// bytes; how many it read, 0 at the end of the file or on a failure.
using ReadPart = std::function<size_t(int part, size_t offset, char* data, size_t length)>;

// Fills the buffer with a file, a large one in two halves on two threads, each
// taking its half's pages then reading into them (fresh memory is handed out a
// page at a time as it is first written; taken so on both cores before a read,
// it costs far less than when the read takes it). Its size is what was read
// without a gap: a first half cut short ends it there.
void fillInHalves(PageBuffer& buffer, const ReadPart& read);

}  // namespace common
