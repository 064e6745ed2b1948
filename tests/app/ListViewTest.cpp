#include "app/ListView.h"
#include "tests/GuiTestSupport.h"
#include "tests/results/TestRows.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct TReport {
    int Row;
    TItemChange Change;
    bool operator==(const TReport&) const = default;
};

struct TListFixture : testing::Test {
    QWidget Window;
    TListView* List = new TListView(&Window, {{"A", 60, Qt::AlignLeft}, {"B", 120, Qt::AlignHCenter}});
    std::vector<TReport> Reports;

    void SetUp() override
    {
        List->Items().Assign(TwoColumnRows({"r0", "a", "r1", "b", "r2", "c"}));
        List->OnChange = [this](int row, TItemChange change) { Reports.push_back({row, change}); };
        ASSERT_TRUE(ShownFilling(Window, List));
    }

    QPoint CellCentre(int row, int column) const
    {
        return List->visualRect(List->Items().index(row, column)).center();
    }
};

} // namespace

TEST_F(TListFixture, ShowsHeadersGridAndWholeRowSingleSelection)
{
    EXPECT_EQ(List->model()->headerData(1, Qt::Horizontal).toString(), "B");
    EXPECT_TRUE(List->showGrid());
    EXPECT_EQ(List->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(List->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(List->Items().Count(), 3);
    EXPECT_EQ(List->Items().SubItem(2, 0), "c");
    EXPECT_EQ(List->Selected(), -1);
}

TEST_F(TListFixture, ARowLosingTheSelectionIsReportedBeforeTheRowGainingIt)
{
    Reports.clear();
    List->SelectRow(0);
    EXPECT_EQ(Reports, (std::vector<TReport>{{0, ctState}}));
    Reports.clear();
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, CellCentre(2, 1));
    EXPECT_EQ(List->Selected(), 2);
    ASSERT_FALSE(Reports.empty());
    EXPECT_EQ(Reports.back(), (TReport{2, ctState}));
    const auto lost = std::find(Reports.begin(), Reports.end(), TReport{0, ctState});
    const auto gained = std::find(Reports.begin(), Reports.end(), TReport{2, ctState});
    EXPECT_LT(lost, gained);
}

TEST_F(TListFixture, AClickBelowTheRowsRemovesTheSelectionAndReportsTheRowThatLostIt)
{
    List->SelectRow(1);
    Reports.clear();
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, QPoint(10, List->viewport()->height() - 5));
    EXPECT_EQ(List->Selected(), -1);
    EXPECT_EQ(Reports, (std::vector<TReport>{{1, ctState}}));
}

TEST_F(TListFixture, EditingACaptionInPlaceReportsATextChangeOfThatRowOnly)
{
    const TShortDoubleClick doubleClick;
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, CellCentre(1, 0));
    Reports.clear();
    // A second click on the selected row's caption opens the editor.
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, CellCentre(1, 0));
    QLineEdit* editor = WaitForEditor(List);
    ASSERT_NE(editor, nullptr);
    editor->setText("edited");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor commits once back in the loop
    EXPECT_EQ(List->Items().Caption(1), "edited");
    EXPECT_EQ(List->Items().SubItem(1, 0), "b");
    EXPECT_EQ(Reports, (std::vector<TReport>{{1, ctText}}));
    EXPECT_EQ(List->Selected(), 1);
}

TEST_F(TListFixture, OnlyTheCaptionColumnIsEditable)
{
    EXPECT_TRUE(List->Items().flags(List->Items().index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(List->Items().flags(List->Items().index(0, 1)) & Qt::ItemIsEditable);
}
