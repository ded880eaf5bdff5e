// The Reports menu: printed and saved reports of the page's project or file list.

#include "mainwindow/KVWindow.h"

#include "mainwindow/CheckListView.h"
#include "ui/ReportExport.h"
#include "ui/ReportPrinter.h"
#include "ui/ReportSnapshot.h"
#include "ui/TextLayout.h"

#include <QHeaderView>

namespace kv {

ReportSnapshot KVWindow::reportSnapshot(ListId list) const {
    const CheckListModel& model = windowModel.list(list);
    ReportSnapshot report;
    report.headings = model.headings();
    report.rows = model.rows();
    const QHeaderView* header = listView(list)->header();
    for (int c = 0; c < report.headings.size(); ++c)
        report.columnWidths.append(header->sectionSize(c));
    return report;
}

void KVWindow::PrintReport(ListId list) {
    printReport(this, reportSnapshot(list));
}

void KVWindow::ReportsPrintProjects_Action() {
    if (currentPage() == 1)
        PrintReport(ListId::Projects);
    else if (currentPage() == 2)
        PrintReport(ListId::OfflineProjects);
}

void KVWindow::ReportsPrintMedia_Action() {
    if (currentPage() == 1)
        PrintReport(ListId::Files);
    else if (currentPage() == 2)
        PrintReport(ListId::OfflineFiles);
}

void KVWindow::ReportsSaveProjects_Action() {
    if (currentPage() == 1)
        FileUtilities::ExportListBoxToFile(this, reportSnapshot(ListId::Projects),
                                           QStringLiteral("Online Projects.txt"));
    else if (currentPage() == 2)
        FileUtilities::ExportListBoxToFile(this, reportSnapshot(ListId::OfflineProjects),
                                           QStringLiteral("Offline Projects.txt"));
}

void KVWindow::ReportsSaveMedia_Action() {
    if (currentPage() == 1)
        FileUtilities::ExportListBoxToFile(this, reportSnapshot(ListId::Files),
                                           QStringLiteral("Online Media Files.txt"));
    else if (currentPage() == 2)
        FileUtilities::ExportListBoxToFile(this, reportSnapshot(ListId::OfflineFiles),
                                           QStringLiteral("Offline Media Files.txt"));
}

void KVWindow::ReportsPageSetup_Action() {
    TextLayout::PageSetup(this);
}

} // namespace kv
