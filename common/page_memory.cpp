#include "common/page_memory.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#include "common/parallel.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#endif

namespace common {
namespace {

// Below this, the ordinary heap serves better.
constexpr size_t kLargeAllocation = 1u << 20;
#ifndef _WIN32
constexpr size_t kLargePage = 2u << 20;

size_t roundUp(size_t bytes) { return (bytes + kLargePage - 1) & ~(kLargePage - 1); }
#endif

}  // namespace

void* allocatePages(size_t bytes, Pages pages) {
  if (bytes < kLargeAllocation) {
    void* memory = std::malloc(bytes ? bytes : 1);
    if (!memory) throw std::bad_alloc();
    return memory;
  }
#ifdef _WIN32
  (void)pages;  // large pages are for privileged processes only
  void* memory = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (!memory) throw std::bad_alloc();
  return memory;
#else
  // Aligned to a large page, so that the system can back all of it with large pages.
  size_t length = roundUp(bytes);
  void* raw = mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  uintptr_t start = reinterpret_cast<uintptr_t>(raw);
  uintptr_t aligned = (start + kLargePage - 1) & ~(static_cast<uintptr_t>(kLargePage) - 1);
  if (aligned > start) munmap(raw, aligned - start);
  size_t after = start + length + kLargePage - (aligned + length);
  if (after > 0) munmap(reinterpret_cast<void*>(aligned + length), after);
  if (pages == Pages::Large) madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
  return reinterpret_cast<void*>(aligned);
#endif
}

void freePages(void* memory, size_t bytes) {
  if (!memory) return;
  if (bytes < kLargeAllocation) {
    std::free(memory);
    return;
  }
#ifdef _WIN32
  VirtualFree(memory, 0, MEM_RELEASE);
#else
  munmap(memory, roundUp(bytes));
#endif
}

namespace {

constexpr size_t kPage = 4096;

// Reads [from, to) of part `part`, taking its pages first; how much was read.
size_t fillPart(PageBuffer& buffer, const ReadPart& read, int part, size_t from, size_t to) {
  char* data = buffer.data();
  for (size_t at = from; at < to; at += kPage) data[at] = 0;
  size_t done = from;
  while (done < to) {
    size_t got = read(part, done, data + done, to - done);
    if (got == 0 || got > to - done) break;
    done += got;
  }
  return done - from;
}

}  // namespace

void fillInHalves(PageBuffer& buffer, const ReadPart& read) {
  const size_t size = buffer.capacity();
  if (size < kLargeAllocation) {
    buffer.setSize(fillPart(buffer, read, 0, 0, size));
    return;
  }
  const size_t half = size / 2 / kPage * kPage;
  size_t first = 0;
  size_t second = 0;
  runBoth([&] { first = fillPart(buffer, read, 0, 0, half); },
          [&] { second = fillPart(buffer, read, 1, half, size); });
  buffer.setSize(first < half ? first : half + second);
}

}  // namespace common
