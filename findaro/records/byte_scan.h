#pragma once
// The byte-level work of reading a results file, 16 bytes at a time where the
// processor has SSE2: a first look at the whole text, finding the bytes that
// end or split a field, and lower-casing ASCII in place.
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace findaro {

// What a first look at the whole text finds: whether it is UTF-8, and how many
// line feeds it has (an upper bound for the records of its lines).
struct Survey {
  bool utf8 = true;
  size_t lineFeeds = 0;
};

// Every byte outside ASCII belongs to a run of such bytes, and a text is UTF-8
// when each run is: a character's bytes are all outside ASCII.
Survey survey(std::string_view text);

// Where the first byte outside ASCII is, from `from` on; n when there is none.
size_t firstHighByte(const char* p, size_t from, size_t n);

// The place of each special byte of the n (at most 16) from p (comma, quote,
// carriage return, line feed, a byte outside ASCII) as a bit. Asked for every 16
// bytes of the file, so it is here to be inlined.
inline uint32_t specialBytes(const char* p, size_t n) {
#if defined(__SSE2__)
  if (n == 16) {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(',')),
                                             _mm_cmpeq_epi8(bytes, _mm_set1_epi8('"'))),
                                _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')),
                                             _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
    return static_cast<uint32_t>(_mm_movemask_epi8(hits) | _mm_movemask_epi8(bytes));
  }
#endif
  uint32_t mask = 0;
  for (size_t i = 0; i < n; ++i) {
    unsigned char c = static_cast<unsigned char>(p[i]);
    if (c == ',' || c == '"' || c == '\r' || c == '\n' || c >= 0x80) mask |= 1u << i;
  }
  return mask;
}

// ASCII capitals to small letters, in place; other bytes stay.
void lowerAscii(char* p, size_t n);

}  // namespace findaro
