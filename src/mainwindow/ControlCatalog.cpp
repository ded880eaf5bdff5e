#include "mainwindow/ControlCatalog.h"

namespace kv {

namespace {

constexpr int L = AnchorLeft, T = AnchorTop, R = AnchorRight, B = AnchorBottom;
using K = ControlKind;
constexpr int Grey = DarkGrey;
constexpr int RightGrey = RightAligned | DarkGrey;
constexpr int Off = StartsDisabled;

} // namespace

const QVector<ControlSpec>& mainWindowControls() {
    static const QVector<ControlSpec> controls = {
        // Outside the tab panel
        {"tabMain", K::TabPanel, "", -1, {20, 14, 796, 373}, L | T | R | B, 0},
        {"theJobFld", K::Label, "", -1, {239, 389, 359, 14}, L | B, Grey},
        {"btnFilters", K::PushButton, "File Filters...", -1, {39, 404, 104, 21}, L | B, 0},
        {"txtMessage", K::Label, "", -1, {239, 404, 359, 14}, L | B, Grey},
        {"btnCancel", K::PushButton, "Cancel", -1, {621, 415, 89, 21}, R | B, Off},
        {"theProgress", K::ProgressBar, "", -1, {239, 421, 359, 16}, L | R | B, 0},
        {"discloseConsole", K::Disclosure, "", -1, {5, 424, 18, 18}, L | B, 0},
        {"listNotes", K::ListBox, "", -1, {20, 450, 796, 100}, L | R | B, StartsHidden},

        // Page "Media Folders"
        {"VolumeList", K::ListBox, "", 0, {42, 55, 240, 247}, L | T | B, 0},
        {"cnvSizerVolumes", K::Canvas, "", 0, {285, 190, 6, 6}, L | T, 0},
        {"MediaFolderList", K::ListBox, "", 0, {294, 55, 500, 247}, L | T | R | B, 0},
        {"btnAllVolumes", K::BevelButton, "All", 0, {42, 301, 37, 17}, L | B, 0},
        {"btnNoVolumes", K::BevelButton, "None", 0, {78, 301, 40, 17}, L | B, 0},
        {"btnAllMediaFolders", K::BevelButton, "All", 0, {294, 301, 37, 17}, L | B, 0},
        {"btnNoMediaFolders", K::BevelButton, "None", 0, {330, 301, 40, 17}, L | B, 0},
        {"btnFindMediaFolders", K::PushButton, "Find Media Folders", 0, {512, 324, 154, 21}, L | B, 0},
        {"btnAddFolder", K::PushButton, "Locate Folder...", 0, {678, 324, 116, 20}, L | B, 0},
        {"Label2", K::Label, "Volumes Selected", 0, {84, 342, 115, 20}, L | B, RightGrey},
        {"vSelectFld", K::Label, "0", 0, {203, 342, 38, 20}, L | B, 0},
        {"Label1", K::Label, "Volumes Found", 0, {99, 360, 100, 20}, L | B, RightGrey},
        {"vFoundFld", K::Label, "0", 0, {203, 360, 38, 20}, L | B, 0},
        {"Label4", K::Label, "Media Folders Selected", 0, {311, 342, 151, 20}, L | B, RightGrey},
        {"fSelectFld", K::Label, "0", 0, {466, 342, 38, 20}, L | B, 0},
        {"Label3", K::Label, "Media Folders Found", 0, {311, 360, 151, 20}, L | B, RightGrey},
        {"fFoundFld", K::Label, "0", 0, {466, 360, 38, 20}, L | B, 0},
        {"btnAnalyzeOnline", K::PushButton, "Analyze Media Files", 0, {512, 354, 154, 21}, L | B, Off},

        // Page "Online Media"
        {"ProjectList", K::ListBox, "", 1, {42, 62, 346, 256}, L | T | B, 0},
        {"cnvSizerOnline", K::Canvas, "", 1, {391, 190, 6, 6}, L | T, 0},
        {"FileList", K::ListBox, "", 1, {400, 62, 394, 256}, L | T | R | B, 0},
        {"btnAllProjects", K::BevelButton, "All", 1, {42, 317, 37, 17}, L | B, 0},
        {"btnNoProjects", K::BevelButton, "None", 1, {78, 317, 40, 17}, L | B, 0},
        {"btnAllFiles", K::BevelButton, "All", 1, {400, 317, 37, 17}, L | B, 0},
        {"btnNoFiles", K::BevelButton, "None", 1, {436, 317, 40, 17}, L | B, 0},
        {"Label6", K::Label, "Projects Selected To Move", 1, {42, 341, 154, 20}, L | B, RightGrey},
        {"pjSelectFld", K::Label, "0", 1, {200, 341, 60, 20}, L | B, 0},
        {"Label8", K::Label, "Files Selected To Move", 1, {255, 341, 155, 20}, L | B, RightGrey},
        {"ffSelectFld", K::Label, "0", 1, {414, 341, 60, 20}, L | B, 0},
        {"SelectedFld", K::Label, "Total Size Selected", 1, {487, 341, 109, 20}, L | B, RightGrey},
        {"SizeSelectedFld", K::Label, "0", 1, {600, 341, 80, 20}, L | B, Grey},
        {"btnMoveOffline", K::PushButton, "Move Offline", 1, {692, 341, 102, 21}, R | B, Off},
        {"Label5", K::Label, "Total Online Projects", 1, {67, 359, 129, 20}, L | B, RightGrey},
        {"pjFoundFld", K::Label, "0", 1, {200, 359, 60, 20}, L | B, 0},
        {"TotalFilesLabel", K::Label, "Total Online Media Files", 1, {268, 359, 142, 20}, L | B, RightGrey},
        {"TotalFilesFld", K::Label, "0", 1, {414, 359, 60, 20}, L | B, Grey},
        {"TotalSpaceLabel", K::Label, "Total Online Size", 1, {487, 359, 109, 20}, L | B, RightGrey},
        {"TotalSizeFld", K::Label, "0", 1, {600, 359, 80, 20}, L | B, Grey},

        // Page "Offline Media"
        {"OfflineProjectList", K::ListBox, "", 2, {42, 62, 346, 247}, L | T | B, 0},
        {"cnvSizerOffline", K::Canvas, "", 2, {391, 190, 6, 6}, L | T, 0},
        {"OfflineFileList", K::ListBox, "", 2, {400, 62, 394, 247}, L | T | R | B, 0},
        {"btnAllOfflineProjects", K::BevelButton, "All", 2, {42, 308, 37, 17}, L | B, Off},
        {"btnNoOfflineProjects", K::BevelButton, "None", 2, {78, 308, 40, 17}, L | B, Off},
        {"btnAllOfflineFiles", K::BevelButton, "All", 2, {400, 308, 37, 17}, L | B, Off},
        {"btnNoOfflineFiles", K::BevelButton, "None", 2, {436, 308, 40, 17}, L | B, Off},
        {"btnMoveOnline", K::PushButton, "Move Online", 2, {658, 322, 136, 21}, R | B, Off},
        {"Label10", K::Label, "Offline Projects Selected", 2, {13, 337, 153, 20}, L | B, RightGrey},
        {"opjSelectFld", K::Label, "0", 2, {168, 337, 50, 20}, L | B, Grey},
        {"Label12", K::Label, "Offline Files Selected", 2, {227, 337, 149, 20}, L | B, RightGrey},
        {"ofSelectFld", K::Label, "0", 2, {380, 337, 50, 20}, L | B, Grey},
        {"SelectedFld1", K::Label, "Total Size Selected", 2, {434, 337, 117, 20}, L | B, RightGrey},
        {"OffSizeSelectedFld", K::Label, "0", 2, {556, 337, 80, 20}, L | B, Grey},
        {"btnCopyToFolder", K::PushButton, "Backup Media...", 2, {658, 354, 136, 21}, R | B, Off},
        {"Label9", K::Label, "Total Offline Projects", 2, {13, 355, 153, 20}, L | B, RightGrey},
        {"opjFoundFld", K::Label, "0", 2, {168, 355, 50, 20}, L | B, Grey},
        {"Label11", K::Label, "Total Offline Media Files", 2, {227, 355, 149, 20}, L | B, RightGrey},
        {"ofTotalFld", K::Label, "0", 2, {380, 355, 50, 20}, L | B, Grey},
        {"TotalSpaceLabel1", K::Label, "Total Offline Size", 2, {434, 355, 117, 20}, L | B, RightGrey},
        {"TotalSizeOffFld", K::Label, "0", 2, {556, 355, 80, 20}, L | B, Grey},
    };
    return controls;
}

} // namespace kv
