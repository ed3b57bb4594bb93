#include "common/page_memory.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>

using namespace common;

namespace {

// A file of the given size whose bytes tell where they are.
std::string fileOf(size_t size) {
  std::string file(size, '\0');
  for (size_t i = 0; i < size; ++i) file[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
  return file;
}

}  // namespace

TEST(FillInHalves, ReadsTheWholeFileThroughShortReadsOfBothHalves) {
  for (size_t size : {size_t{0}, size_t{5000}, size_t{3} << 20, (size_t{3} << 20) + 12345}) {
    const std::string file = fileOf(size);
    PageBuffer buffer(size);
    std::mutex lock;
    bool parts[2] = {false, false};
    fillInHalves(buffer, [&](int part, size_t offset, char* data, size_t length) -> size_t {
      {
        std::lock_guard<std::mutex> hold(lock);
        parts[part] = true;
      }
      // Odd pieces, as a system may hand them out.
      size_t piece = std::min<size_t>(length, 65521);
      if (offset >= file.size()) return 0;
      piece = std::min(piece, file.size() - offset);
      std::memcpy(data, file.data() + offset, piece);
      return piece;
    });
    ASSERT_EQ(buffer.size(), size);
    EXPECT_TRUE(buffer.view() == file) << size;
    EXPECT_EQ(parts[1], size >= (size_t{1} << 20)) << size;  // only a large file takes the second core
  }
}

TEST(FillInHalves, AFirstHalfCutShortEndsTheBufferWhereItsReadEnded) {
  const size_t size = size_t{4} << 20;
  const std::string file = fileOf(size);
  const size_t failAt = 1000000;  // within the first half
  PageBuffer buffer(size);
  fillInHalves(buffer, [&](int part, size_t offset, char* data, size_t length) -> size_t {
    size_t end = part == 0 ? failAt : size;
    if (offset >= end) return 0;
    size_t piece = std::min(length, end - offset);
    std::memcpy(data, file.data() + offset, piece);
    return piece;
  });
  ASSERT_EQ(buffer.size(), failAt);
  EXPECT_TRUE(buffer.view() == std::string_view(file).substr(0, failAt));
}

TEST(PageBuffer, AnyBufferMadeWithACapacityMayBeReadPastItsEnd) {
  PageBuffer empty(0);
  ASSERT_NE(empty.data(), nullptr);
  PageBuffer copy = PageBuffer::copyOf("abc");
  volatile char sum = 0;
  for (size_t i = 0; i < 3 + PageBuffer::kReadAhead; ++i) sum = static_cast<char>(sum + copy.data()[i]);
  EXPECT_EQ(copy.view(), "abc");
  EXPECT_EQ(copy.capacity(), 3u);  // the room after it is not counted as held
}
