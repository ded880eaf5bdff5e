#include "media/BytePattern.h"

#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KV_PATTERN_AVX2 1
#endif

namespace kv {

namespace {

// Whether the whole pattern stands at data[start].
bool matchesAt(const BytePattern& p, const char* data, qsizetype start) {
    return static_cast<unsigned char>(data[start + p.confirm]) == p.bytes[p.confirm] &&
           std::memcmp(data + start, p.bytes, size_t(p.length)) == 0;
}

// The starts from `from` on, found by memchr on the anchor byte.
qsizetype findByAnchor(const BytePattern& p, const char* data, qsizetype from,
                       qsizetype lastStart) {
    const unsigned char key = p.bytes[p.anchor];
    const char* const end = data + lastStart + p.anchor + 1;
    while (from <= lastStart) {
        const char* const at = data + from + p.anchor;
        const void* hit = std::memchr(at, key, size_t(end - at));
        if (!hit)
            return -1;
        const qsizetype start = static_cast<const char*>(hit) - p.anchor - data;
        if (matchesAt(p, data, start))
            return start;
        from = start + 1;
    }
    return -1;
}

#ifdef KV_PATTERN_AVX2
// Thirty-two starts at a time: only those whose anchor and second byte both match are
// compared whole, which in data of evenly spread byte values is one start in 65,536.
__attribute__((target("avx2"))) qsizetype findWide(const BytePattern& p, const char* data,
                                                   qsizetype lastStart) {
    const __m256i anchorByte = _mm256_set1_epi8(char(p.bytes[p.anchor]));
    const __m256i confirmByte = _mm256_set1_epi8(char(p.bytes[p.confirm]));
    qsizetype i = 0;
    for (; i + 31 <= lastStart; i += 32) {
        const auto* a = reinterpret_cast<const __m256i*>(data + i + p.anchor);
        const auto* c = reinterpret_cast<const __m256i*>(data + i + p.confirm);
        unsigned hits = unsigned(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(a), anchorByte),
                             _mm256_cmpeq_epi8(_mm256_loadu_si256(c), confirmByte))));
        while (hits) {
            const qsizetype start = i + __builtin_ctz(hits);
            if (std::memcmp(data + start, p.bytes, size_t(p.length)) == 0)
                return start;
            hits &= hits - 1;
        }
    }
    return findByAnchor(p, data, i, lastStart);
}
#endif

} // namespace

qsizetype BytePattern::findIn(const char* data, qsizetype size) const {
    if (size < length)
        return -1;
#ifdef KV_PATTERN_AVX2
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide)
        return findWide(*this, data, size - length);
#endif
    return findByAnchor(*this, data, 0, size - length);
}

} // namespace kv
