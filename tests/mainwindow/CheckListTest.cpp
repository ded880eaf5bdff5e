#include "support/WindowFixture.h"

#include <QHeaderView>
#include <QTest>
#include <QToolButton>

using namespace kv;

namespace {

class CheckListTest : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->show();
        window->showPage(1);
        ListRows rows;
        for (int i = 0; i < 6; ++i)
            rows << row({"F" + QString::number(i) + ".mxf", "100", "d"}, false,
                        {"", "/V/F" + QString::number(i)});
        files().setRows(rows);
        view()->header()->resizeSection(1, 70);
        changes = 0;
        QObject::connect(&files(), &CheckListModel::checkedChanged, [this] { ++changes; });
    }
    CheckListModel& files() { return list(ListId::Files); }
    CheckListView* view() { return window->listView(ListId::Files); }
    QPoint cellCentre(int r, int column = 1) {
        return view()->visualRect(files().index(r, column)).center();
    }
    QPoint checkBoxOf(int r) {
        const QRect cell = view()->visualRect(files().index(r, 0));
        return QPoint(cell.left() + 10, cell.center().y());
    }
    QVector<bool> checked() { return files().checkedFlags(); }
    QVector<bool> selected() {
        QVector<bool> out(files().count());
        for (int r = 0; r < files().count(); ++r)
            out[r] = view()->selectionModel()->isRowSelected(r, {});
        return out;
    }
    int changes = 0;
};

TEST_F(CheckListTest, ClickingACheckBoxTogglesOnlyThatRowAndSelectsIt) {
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCentre(1));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, checkBoxOf(3));
    EXPECT_EQ(checked(), (QVector<bool>{false, true, false, true, false, false}));
    EXPECT_EQ(selected(), checked());
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, checkBoxOf(3));
    EXPECT_EQ(checked(), (QVector<bool>{false, true, false, false, false, false}));
    EXPECT_EQ(selected(), checked());
}

TEST_F(CheckListTest, SelectingRowsChecksExactlyThoseRows) {
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCentre(1));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(4));
    EXPECT_EQ(checked(), (QVector<bool>{false, true, true, true, true, false}));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCentre(5));
    EXPECT_EQ(checked(), (QVector<bool>{false, false, false, false, false, true}));
    EXPECT_EQ(selected(), checked());
}

TEST_F(CheckListTest, AllAndNoneChangeEveryRowWithOneChange) {
    QTest::mouseClick(window->control<QToolButton>("btnAllFiles"), Qt::LeftButton);
    EXPECT_EQ(checked(), QVector<bool>(6, true));
    EXPECT_EQ(selected(), checked());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(window->labelText("ffSelectFld"), "6");
    QTest::mouseClick(window->control<QToolButton>("btnNoFiles"), Qt::LeftButton);
    EXPECT_EQ(checked(), QVector<bool>(6, false));
    EXPECT_EQ(selected(), checked());
    EXPECT_EQ(changes, 2);
}

TEST_F(CheckListTest, SelectionAndCheckBoxesCanBeCopiedEitherWay) {
    view()->selectionModel()->blockSignals(true);
    view()->selectionModel()->select(files().index(2, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view()->selectionModel()->blockSignals(false);
    window->ListCheckSelected(ListId::Files);
    EXPECT_EQ(checked(), (QVector<bool>{false, false, true, false, false, false}));

    files().blockSignals(true);
    files().setChecked(4, true);
    files().blockSignals(false);
    window->ListSelectChecked(ListId::Files);
    EXPECT_EQ(selected(), (QVector<bool>{false, false, true, false, true, false}));
}

TEST_F(CheckListTest, RowsAlternateFromTheLightShade) {
    const QImage image = view()->viewport()->grab().toImage();
    const int x = view()->visualRect(files().index(0, 2)).center().x() + 20;
    auto colourAt = [&](int r) {
        const QRect rect = view()->visualRect(files().index(r, 2));
        return image.pixelColor(QPoint(rect.right() - 3, rect.center().y()) *
                                image.devicePixelRatio());
    };
    Q_UNUSED(x);
    EXPECT_EQ(colourAt(0), QColor(0xF1, 0xF5, 0xF9));
    EXPECT_EQ(colourAt(1), QColor(Qt::white));
    EXPECT_EQ(colourAt(2), QColor(0xF1, 0xF5, 0xF9));
}

TEST(CheckListModelSort, NumbersSortAtFullWidthAndDatesByTheirTag) {
    CheckListModel model("FileList", {"Media File", "Size", "Date"});
    model.setSortKind(1, CheckListModel::SortKind::Number);
    model.setSortKind(2, CheckListModel::SortKind::TagNumber);
    model.setRows({
        ListRow{{"a", "5368709120", "1/2/25"}, {"", "", "1735776000"}, false},
        ListRow{{"b", "900", "12/31/24"}, {"", "", "1735603200"}, true},
        ListRow{{"c", "3072", "1/1/26"}, {"", "", "1767225600"}, false},
        ListRow{{"d", "18446744073709551615", "1/1/70"}, {"", "", "-5"}, false},
    });
    auto order = [&] {
        QString s;
        for (int r = 0; r < model.count(); ++r)
            s += model.row(r).cell(0);
        return s;
    };
    model.sort(1, Qt::AscendingOrder);
    EXPECT_EQ(order(), "bcad");
    model.sort(1, Qt::DescendingOrder);
    EXPECT_EQ(order(), "dacb");
    model.sort(2, Qt::AscendingOrder);
    EXPECT_EQ(order(), "dbac");
    EXPECT_TRUE(model.isChecked(1)) << "check flags travel with their rows";
    EXPECT_EQ(model.row(1).cell(0), "b");
    EXPECT_EQ(model.sumColumn(1, false), 900ull + 3072 + 5368709120ull + 18446744073709551615ull);
}

} // namespace
