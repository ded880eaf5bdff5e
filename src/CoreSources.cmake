# Core (display-free) files that live in app, mainwindow or ui, relative to src/.
set(KELVARA_CORE_EXTRA_SOURCES
    ui/NiceSize.cpp ui/NiceSize.h
    mainwindow/SplitterDrag.cpp mainwindow/SplitterDrag.h
    ui/FreeSpaceThresholds.cpp ui/FreeSpaceThresholds.h
    ui/ReportLayout.cpp ui/ReportLayout.h
    ui/ReportSnapshot.h
    ui/ReportText.cpp ui/ReportText.h
)
