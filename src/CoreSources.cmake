# Core (display-free) files that live in app, mainwindow or ui, relative to src/.
set(KELVARA_CORE_EXTRA_SOURCES
    ui/NiceSize.cpp ui/NiceSize.h
    mainwindow/OfflineFolders.cpp mainwindow/OfflineFolders.h
    mainwindow/LocateFolderThread.cpp mainwindow/LocateFolderThread.h
)
