#pragma once

#include "media/BytePattern.h"

// The byte sequences the MXF reader looks for, shared with the fixture builders.
namespace kv::MXFPatterns {

// The first 11 bytes of every MXF partition pack key.
inline constexpr unsigned char kPartitionKeyPrefix[11] = {0x06, 0x0E, 0x2B, 0x34, 0x02, 0x05,
                                                          0x01, 0x01, 0x0D, 0x01, 0x02};

// Pattern A: the end of a preceding item, local tag 0xFFFC of length 8 holding 30000/1001,
// local tag 0xFFFD and the high byte of its length.
inline constexpr unsigned char kPatternA[16] = {0x00, 0xFF, 0xFC, 0x00, 0x08, 0x00, 0x00, 0x75,
                                                0x30, 0x00, 0x00, 0x03, 0xE9, 0xFF, 0xFD, 0x00};
// Pattern B: eight bytes beginning with the SMPTE label prefix, then local tag 0xFFFD.
inline constexpr unsigned char kPatternB[10] = {0x06, 0x0E, 0x2B, 0x34, 0x7F,
                                                0x7F, 0x2A, 0x80, 0xFF, 0xFD};
// Pattern C: local tag 0x5001 holding "_PJ" in UTF-16 big-endian with its terminating zero,
// local tag 0x5003 and the high byte of its length.
inline constexpr unsigned char kPatternC[15] = {0x50, 0x01, 0x00, 0x08, 0x00, 0x5F, 0x00, 0x50,
                                                0x00, 0x4A, 0x00, 0x00, 0x50, 0x03, 0x00};

// Where the length bytes read after each pattern begin, counted from the pattern's start.
inline constexpr qint64 kNameAfterA = 16;
inline constexpr qint64 kNameAfterB = 11;
inline constexpr qint64 kNameAfterC = 15;
// Bytes of a "_PJ" tagged value that come before its text.
inline constexpr qint64 kTaggedValueSkip = 17;

// The anchors and the bytes compared next are bytes that are rare in header metadata.
inline constexpr BytePattern kA{kPatternA, 16, 2, 12}; // 0xFC, then 0xE9
inline constexpr BytePattern kB{kPatternB, 10, 4, 6};  // 0x7F, then 0x2A
inline constexpr BytePattern kC{kPatternC, 15, 5, 9};  // 0x5F, then 0x4A

} // namespace kv::MXFPatterns
