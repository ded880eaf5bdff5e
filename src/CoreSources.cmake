# Core (display-free) files that live in app, mainwindow or ui, relative to src/.
set(KELVARA_CORE_EXTRA_SOURCES
    ui/NiceSize.cpp ui/NiceSize.h
    app/UserGuide.cpp app/UserGuide.h
    mainwindow/SplitterDrag.cpp mainwindow/SplitterDrag.h
    ui/FreeSpaceThresholds.cpp ui/FreeSpaceThresholds.h
    ui/ReportLayout.cpp ui/ReportLayout.h
    ui/ReportSnapshot.h
    ui/ReportText.cpp ui/ReportText.h
    mainwindow/OfflineFolders.cpp mainwindow/OfflineFolders.h
    mainwindow/LocateFolderThread.cpp mainwindow/LocateFolderThread.h
)
if(KELVARA_GUIDE_RELATIVE_PATH)
    set_source_files_properties(app/UserGuide.cpp PROPERTIES
        COMPILE_DEFINITIONS "KELVARA_GUIDE_RELATIVE_PATH=\"${KELVARA_GUIDE_RELATIVE_PATH}\"")
endif()
