#pragma once

#include <QtGlobal>

// The parts of an OMF file the project-name reader uses, shared with the fixture builders.
// Every number is read little-endian.
namespace kv::OMFLayout {

// The container label: the last 24 bytes of the file.
inline constexpr qint64 kLabelSize = 24;
inline constexpr qint64 kLabelSignature = 0;  // 8 bytes; only the first and the fourth count
inline constexpr qint64 kLabelTocOffset = 16; // 32-bit offset of the first TOC entry
inline constexpr qint64 kLabelTocSize = 20;   // 32-bit length of the TOC in bytes

// One TOC entry.
inline constexpr qint64 kEntrySize = 24;
inline constexpr qint64 kEntryObject = 0;
inline constexpr qint64 kEntryProperty = 4;
inline constexpr qint64 kEntryType = 8;
inline constexpr qint64 kEntryValueOffset = 12; // the value itself when the flags are 1
inline constexpr qint64 kEntryValueLength = 16;
inline constexpr qint64 kEntryFlags = 22; // 16-bit
inline constexpr quint16 kImmediateValue = 1;

// An entry whose value offset field holds "_PJ" and a zero byte names the project object.
inline constexpr quint32 kProjectMarker = 0x004A505F;
// The project object's entry that holds the project name.
inline constexpr quint32 kProjectProperty = 0x00010261;
inline constexpr quint32 kProjectType = 0x00010090;

} // namespace kv::OMFLayout
