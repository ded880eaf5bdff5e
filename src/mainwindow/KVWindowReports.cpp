// The Reports menu: printed and saved reports of the page's project or file list.

#include "mainwindow/KVWindow.h"

#include "mainwindow/CheckListView.h"
#include "ui/ReportExport.h"
#include "ui/ReportPrinter.h"
#include "ui/ReportSnapshot.h"
#include "ui/TextLayout.h"

#include <QHeaderView>

#include <optional>

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

namespace {

// The project or file list of the page shown: page 1 online, page 2 offline, and none on
// "Media Folders".
std::optional<ListId> reportList(int page, bool projects) {
    if (page != 1 && page != 2)
        return std::nullopt;
    const int side = page - 1;
    return projects ? projectListOf(side) : fileListOf(side);
}

QString proposedFileName(ListId list) {
    switch (list) {
    case ListId::Projects:
        return QStringLiteral("Online Projects.txt");
    case ListId::OfflineProjects:
        return QStringLiteral("Offline Projects.txt");
    case ListId::Files:
        return QStringLiteral("Online Media Files.txt");
    default:
        return QStringLiteral("Offline Media Files.txt");
    }
}

} // namespace

void KVWindow::ReportsPrintProjects_Action() {
    if (const auto list = reportList(currentPage(), true))
        PrintReport(*list);
}

void KVWindow::ReportsPrintMedia_Action() {
    if (const auto list = reportList(currentPage(), false))
        PrintReport(*list);
}

void KVWindow::ReportsSaveProjects_Action() {
    if (const auto list = reportList(currentPage(), true))
        FileUtilities::ExportListBoxToFile(this, reportSnapshot(*list), proposedFileName(*list));
}

void KVWindow::ReportsSaveMedia_Action() {
    if (const auto list = reportList(currentPage(), false))
        FileUtilities::ExportListBoxToFile(this, reportSnapshot(*list), proposedFileName(*list));
}

void KVWindow::ReportsPageSetup_Action() {
    TextLayout::PageSetup(this);
}

} // namespace kv
