#pragma once

namespace kv {

// The lists of the main window that the jobs read and fill.
enum class ListId : int {
    Volumes,
    MediaFolders,
    Projects,
    Files,
    OfflineProjects,
    OfflineFiles,
};

inline constexpr int kListCount = 6;

// The project list and file list of one side: 0 online, 1 offline.
inline ListId projectListOf(int side) { return side == 0 ? ListId::Projects : ListId::OfflineProjects; }
inline ListId fileListOf(int side) { return side == 0 ? ListId::Files : ListId::OfflineFiles; }

} // namespace kv
