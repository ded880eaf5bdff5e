#include "ui/ReportPrinter.h"

#include "ui/NiceSize.h"
#include "ui/PlatformDialogs.h"
#include "ui/ReportLayout.h"
#include "ui/TextLayout.h"

#include <QCursor>
#include <QDateTime>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include <climits>

namespace kv {

namespace {

// Fonts are sized in painter units, which are points here.
QFont reportFont(int points, bool bold) {
    QFont f(QStringLiteral("Helvetica"));
    f.setStyleHint(QFont::SansSerif); // the platform's substitute where Helvetica is missing
    f.setPixelSize(points);
    f.setBold(bold);
    return f;
}

class ReportPainter {
public:
    ReportPainter(QPainter& painter, const QPrinter& printer, const ReportSnapshot& report,
                  const QDateTime& started)
        : p(painter), report(report),
          dateText(ReportLayout::dateAndTime(started, QLocale::system())) {
        const QPageLayout layout = printer.pageLayout();
        const QRectF paper = layout.fullRectPoints();
        const QRectF printable = layout.paintRectPoints();
        L = paper.left() - printable.left();
        T = paper.top() - printable.top();
        PW = paper.width();
        H = printable.height();
        for (int i = 0; i < report.headings.size(); ++i) {
            columnX.append(x);
            x += i < report.columnWidths.size() ? report.columnWidths[i] : 0;
        }
        sizeColumn = int(report.headings.indexOf(QStringLiteral("Size")));
    }

    double top() const { return T; }
    double printableHeight() const { return H; }

    void furniture(int page) {
        p.setPen(Qt::black);
        p.setFont(reportFont(10, false));
        const double ascent = QFontMetricsF(p.font()).ascent();
        p.drawText(QPointF(L + ReportLayout::kTextLeft, int((T + 30) - (30 - ascent) / 2)),
                   ReportLayout::title());
        p.drawText(QPointF(L + ReportLayout::kTextLeft, T + 30), dateText);
        p.setFont(reportFont(10, true));
        for (int i = 0; i < report.headings.size(); ++i)
            p.drawText(QPointF(columnX[i], ReportLayout::kHeadingBaseline), report.headings[i]);
        p.drawLine(QPointF(columnX.value(0, L + ReportLayout::kTextLeft), ReportLayout::kRuleY),
                   QPointF(PW, ReportLayout::kRuleY));
        p.setFont(reportFont(10, false));
        const QString footer = ReportLayout::pageFooter(page);
        const double width = QFontMetricsF(p.font()).horizontalAdvance(footer);
        p.drawText(QPointF(int(PW / 2 - width / 2), H - 16 / 2), footer);
    }

    void row(const ListRow& r, double baseline) {
        p.setFont(reportFont(9, false));
        for (int i = 0; i < report.headings.size(); ++i) {
            const QString cell = r.cell(i);
            p.drawText(QPointF(columnX[i], baseline),
                       i == sizeColumn ? FileUtilities::niceSize(cell) : cell);
        }
    }

private:
    QPainter& p;
    const ReportSnapshot& report;
    QString dateText; // taken once: every page shows the report's start
    double L = 0, T = 0, PW = 0, H = 0;
    double x = ReportLayout::kTextLeft;
    QVector<double> columnX;
    int sizeColumn = -1;
};

} // namespace

void printReport(QWidget* parent, const ReportSnapshot& report) {
    if (report.rows.isEmpty())
        return;
    const QDateTime started = QDateTime::currentDateTime();

    QPrinter printer(QPrinter::HighResolution);
    if (const QPrinter* kept = TextLayout::ps())
        printer.setPageLayout(kept->pageLayout());
    if (!PlatformDialogs::pageSetup(parent, printer))
        return;
    if (!PlatformDialogs::print(parent, printer))
        return;
    int first = 1, last = INT_MAX;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = printer.toPage() > 0 ? printer.toPage() : INT_MAX;
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return;
    // A long list takes a few seconds (about 3 s for 50,000 rows).
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const double scale = printer.resolution() / 72.0;
    painter.scale(scale, scale);
    ReportPainter page(painter, printer, report, started);

    auto inRange = [&](int p) { return p >= first && p <= last; };
    const QVector<ReportLayout::RowPlace> places =
        ReportLayout::placeRows(int(report.rows.size()), page.top(), page.printableHeight());
    int current = 1;
    if (inRange(current))
        page.furniture(current);
    for (int r = 0; r < report.rows.size(); ++r) {
        while (current < places[r].page) {
            // Pages outside the range are counted but not emitted, so the footers keep
            // the numbers of the whole report and no blank sheet comes out.
            if (inRange(current) && inRange(current + 1))
                printer.newPage();
            ++current;
            if (inRange(current))
                page.furniture(current);
        }
        if (inRange(current))
            page.row(report.rows[r], places[r].baseline);
        if (current > last)
            break;
    }
    painter.end();
    QGuiApplication::restoreOverrideCursor();
}

} // namespace kv
