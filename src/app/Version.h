#pragma once

namespace kv {

inline constexpr const char* kProductName = "Kelvara";
inline constexpr const char* kProductVersion = "3.3";
inline constexpr const char* kWindowTitle = "Kelvara 3.3";
inline constexpr const char* kPreferencesFileName = "Kelvara3.ini";

} // namespace kv
