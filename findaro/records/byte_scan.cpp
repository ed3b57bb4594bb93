#include "findaro/records/byte_scan.h"

#include "common/text.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace findaro {

#if defined(__SSE2__)
namespace {

size_t sumOfBytes(__m128i counters) {
  __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
  return static_cast<size_t>(_mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
}

}  // namespace

// Where the first byte outside ASCII is, from `from` on; n when there is none.
size_t firstHighByte(const char* p, size_t from, size_t n) {
  for (; from + 16 <= n; from += 16)
    if (int mask = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from))))
      return from + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
  while (from < n && static_cast<unsigned char>(p[from]) < 0x80) ++from;
  return from;
}
#else
size_t firstHighByte(const char* p, size_t from, size_t n) {
  while (from < n && static_cast<unsigned char>(p[from]) < 0x80) ++from;
  return from;
}
#endif

// Every byte outside ASCII belongs to a run of such bytes, and a text is UTF-8
// when each run is: a character's bytes are all outside ASCII.
Survey survey(std::string_view text) {
  Survey found;
  const char* p = text.data();
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
#if defined(__SSE2__)
    // Line feeds counted in 16 byte-sized counters, added up before they can overflow.
    const __m128i lineFeed = _mm_set1_epi8('\n');
    __m128i counters = _mm_setzero_si128();
    int rounds = 0;
    while (i + 16 <= n) {
      __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
      if (int high = _mm_movemask_epi8(bytes)) {
        // Straight to the first byte outside ASCII, with the line feeds before it.
        unsigned before = static_cast<unsigned>(high & -high) - 1u;
        unsigned feeds = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed))) & before;
        found.lineFeeds += static_cast<size_t>(__builtin_popcount(feeds));
        i += static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(high)));
        break;
      }
      counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(bytes, lineFeed));
      i += 16;
      if (++rounds == 255) {
        found.lineFeeds += sumOfBytes(counters);
        counters = _mm_setzero_si128();
        rounds = 0;
      }
    }
    found.lineFeeds += sumOfBytes(counters);
    if (i >= n) break;
#endif
    if (static_cast<unsigned char>(p[i]) < 0x80) {
      found.lineFeeds += p[i] == '\n';
      ++i;
      continue;
    }
    size_t run = i;
    while (i < n && static_cast<unsigned char>(p[i]) >= 0x80) ++i;
    if (!common::isValidUtf8(text.substr(run, i - run))) {
      found.utf8 = false;
      return found;
    }
  }
  return found;
}

// ASCII capitals to small letters, in place; other bytes stay.
void lowerAscii(char* p, size_t n) {
#if defined(__SSE2__)
  if (n >= 16) {
    const __m128i beforeA = _mm_set1_epi8('A' - 1);
    const __m128i afterZ = _mm_set1_epi8('Z' + 1);
    const __m128i bit = _mm_set1_epi8(0x20);
    auto lowered = [&](const char* at) {
      __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      // Bytes outside ASCII compare as negative, so they are never capitals here.
      __m128i capital = _mm_and_si128(_mm_cmpgt_epi8(bytes, beforeA), _mm_cmplt_epi8(bytes, afterZ));
      return _mm_or_si128(bytes, _mm_and_si128(capital, bit));
    };
    // The last 16 bytes, overlapping the others: lower-casing twice changes
    // nothing. Read before any write, so that no read waits for a write.
    __m128i last = lowered(p + n - 16);
    for (size_t i = 0; i + 16 <= n; i += 16) _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), lowered(p + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + n - 16), last);
    return;
  }
#endif
  for (size_t i = 0; i < n; ++i)
    if (p[i] >= 'A' && p[i] <= 'Z') p[i] = static_cast<char>(p[i] + ('a' - 'A'));
}

}  // namespace findaro
