#include "app/ListView.h"
#include "app/ProgressBar.h"
#include "calc/PhaseResponse.h"
#include "numtext/ParseDecimal.h"
#include "tests/ui/MainWindowFixture.h"

#include <QLineEdit>
#include <QTest>

#include <cmath>

namespace {

class TCalculationTest : public TActiveWindowTest {
protected:
    void Calculate()
    {
        Application->Idle();
        QTest::mouseClick(Form->Button1, Qt::LeftButton);
    }

    AnsiString Cell(int row, int k) const { return AnsiString(Form->List->Items().Text(row, k)); }
    // The capacitance a row shows, read back from its text.
    double CellCapacitance(int row) const { return ParseDecimal(Cell(row, 2)).ToDouble(); }
    int Rows() const { return Form->List->Items().Count(); }

    // Series2 holds the phase curve of this capacitance with Rc 220.
    void ExpectPhaseOf(double cc) const
    {
        ASSERT_EQ(Form->Series2.PointCount(), kPhasePoints);
        EXPECT_EQ(Form->Series2.YValueAt(0), PhaseShift(220, cc, 1));
        EXPECT_EQ(Form->Series2.YValueAt(198), PhaseShift(220, cc, 199));
    }
};

double Rounded4(double v)
{
    return std::round(v * 1e4) / 1e4;
}

} // namespace

TEST_F(TCalculationTest, TheDefaultSweepListsTwoHundredFiftyRowsAndPoints)
{
    Calculate();
    ASSERT_EQ(Rows(), 250);
    EXPECT_EQ(Cell(0, 0), "1,0001");
    EXPECT_EQ(Cell(0, 1), "0,0009");
    EXPECT_EQ(Cell(0, 2), "1,0221");
    EXPECT_EQ(Cell(249, 0), "1,0250");
    EXPECT_EQ(Cell(249, 1), "0,2145");
    EXPECT_EQ(Cell(249, 2), "0,0642");
    EXPECT_EQ(Form->Bar->Max(), 249);

    ASSERT_EQ(Form->Series1.PointCount(), 250);
    EXPECT_EQ(Form->Series1.XValueAt(0), 0);
    EXPECT_EQ(Form->Series1.XValueAt(249), 249);
    EXPECT_NEAR(Form->Series1.YValueAt(0), 1.0220651597, 1e-10);
    EXPECT_EQ(Form->Series1.PointLabel(0), "0,0009");
    EXPECT_EQ(Form->Series1.PointColor(0), clRed);

    EXPECT_TRUE(Form->List->isVisible());
    EXPECT_FALSE(Form->Bar->isVisible());
    EXPECT_EQ(Form->List->Selected(), 0);
    EXPECT_EQ(QApplication::focusWidget(), Form->List);
    EXPECT_TRUE(TErrorBoxes::Shown().empty());
}

TEST_F(TCalculationTest, ValuesNearOneGiveLargeCapacitancesWithoutGrouping)
{
    Form->Edit3->SetText("1,0000000001");
    Form->Edit4->SetText("1,5");
    Form->Edit5->SetText("1");
    Calculate();
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, 2), "1022,0907");
}

TEST_F(TCalculationTest, TheProgressMaxRoundsHalfToEven)
{
    const struct {
        const char* from;
        const char* to;
        int max;
        std::vector<const char*> mn;
    } cases[] = {
        {"1,5", "2", 0, {"1,5000"}},
        {"1,5", "3", 2, {"1,5000", "2,5000"}},
    };
    Form->Edit5->SetText("1");
    for (const auto& c : cases) {
        Form->Edit3->SetText(c.from);
        Form->Edit4->SetText(c.to);
        Calculate();
        EXPECT_EQ(Form->Bar->Max(), c.max);
        ASSERT_EQ(Rows(), static_cast<int>(c.mn.size()));
        for (int i = 0; i < Rows(); ++i)
            EXPECT_EQ(Cell(i, 0), c.mn[i]);
    }
}

TEST_F(TCalculationTest, ThePhasePageBeforeAnyCalculationStaysEmpty)
{
    ShowPage(2);
    EXPECT_EQ(Form->Series2.PointCount(), 0);
    EXPECT_TRUE(TErrorBoxes::Shown().empty());
}

TEST_F(TCalculationTest, ThePhaseFollowsTheSelectedRowWhileItsPageIsShown)
{
    Calculate();
    ShowPage(2);
    ExpectPhaseOf(1.0221);
    EXPECT_EQ(Rounded4(Form->Series2.YValueAt(0)), 70.5283);
    EXPECT_EQ(Form->Series2.PointLabel(0), "1");
    EXPECT_EQ(Form->Series2.PointLabel(198), "199");

    ClickRow(5);
    EXPECT_EQ(Form->List->Selected(), 5);
    ExpectPhaseOf(CellCapacitance(5));

    ShowPage(0);
    Form->Series2.ClearPoints();
    ShowPage(2);
    ExpectPhaseOf(CellCapacitance(5));
}

TEST_F(TCalculationTest, AClickBelowTheRowsPlotsTheRowThatLostTheSelection)
{
    Form->Edit4->SetText("1,0003");
    Calculate();
    ASSERT_EQ(Rows(), 3);
    ShowPage(2);
    ClickRow(1);
    Form->Series2.ClearPoints();
    QTest::mouseClick(Form->List->viewport(), Qt::LeftButton, {},
                      QPoint(10, Form->List->viewport()->height() - 5));
    EXPECT_EQ(Form->List->Selected(), -1);
    ExpectPhaseOf(CellCapacitance(1));
}

TEST_F(TCalculationTest, EditingAMnTextInPlaceReplotsTheSameCurve)
{
    const TShortDoubleClick doubleClick;
    Calculate();
    ShowPage(2);
    ClickRow(3, 0);
    Form->Series2.ClearPoints();
    ClickRow(3, 0);
    QLineEdit* editor = WaitForEditor(Form->List);
    ASSERT_NE(editor, nullptr);
    editor->setText("x");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Cell(3, 0), "x");
    ExpectPhaseOf(CellCapacitance(3));
}

TEST_F(TCalculationTest, ANegativeRcTypedAfterTheSweepNegatesThePhase)
{
    Calculate();
    Form->Edit1->SetText("-220");
    ShowPage(2);
    ASSERT_EQ(Form->Series2.PointCount(), kPhasePoints);
    EXPECT_EQ(Form->Series2.YValueAt(0), -PhaseShift(220, 1.0221, 1));
}

TEST_F(TCalculationTest, AFailedCalculationKeepsThePreviousResults)
{
    Calculate();
    ASSERT_EQ(Rows(), 250);
    const struct {
        TEdit* TForm1::*field;
        const char* text;
        const char* message;
    } cases[] = {
        {&TForm1::Edit1, "1e-300", "Floating point overflow."}, // with f 1e-300 as well
        {&TForm1::Edit5, "0,000000001", "Слишком мелкий шаг"}, // the row bound; the start of its text
        {&TForm1::Edit3, "1,03", "TProgressBar property out of range."}, // from beyond to, pressed before the check ran
    };
    for (const auto& c : cases) {
        TErrorBoxes boxes;
        TEdit* field = Form->*c.field;
        const AnsiString saved = field->Text();
        Application->Idle();
        field->SetText(AnsiFromUtf8(c.text));
        if (c.field == &TForm1::Edit1)
            Form->Edit2->SetText("1e-300");
        QTest::mouseClick(Form->Button1, Qt::LeftButton); // no idle step in between
        const AnsiString message = AnsiFromUtf8(c.message);
        ASSERT_EQ(TErrorBoxes::Shown().size(), 1u) << c.text;
        EXPECT_EQ(TErrorBoxes::Shown()[0].substr(0, message.size()), message);
        EXPECT_EQ(Rows(), 250);
        EXPECT_TRUE(Form->List->isVisible());
        EXPECT_EQ(Form->Series1.PointCount(), 250);
        EXPECT_FALSE(Form->Bar->isVisible());
        field->SetText(saved);
        Form->Edit2->SetText("50");
    }
}

TEST_F(TCalculationTest, TheRowBoundNamesItsLimit)
{
    TErrorBoxes boxes;
    Form->Edit5->SetText("0,000000001");
    Calculate();
    ASSERT_EQ(TErrorBoxes::Shown().size(), 1u);
    EXPECT_NE(TErrorBoxes::Shown()[0].find("1000000"), std::string::npos);
    EXPECT_EQ(Rows(), 0);
}

TEST_F(TCalculationTest, ATabAfterAnInputStillCalculates)
{
    Form->Edit1->SetText("220\t");
    Calculate();
    EXPECT_TRUE(TErrorBoxes::Shown().empty());
    EXPECT_EQ(Rows(), 250);
}

TEST_F(TCalculationTest, ASweepWithNoRowLeavesAnEmptyListAndSelectsNothing)
{
    Calculate();
    Application->Idle();
    Form->Edit3->SetText("1,02500001"); // above to by less than half a step, pressed before the check
    QTest::mouseClick(Form->Button1, Qt::LeftButton);
    EXPECT_TRUE(TErrorBoxes::Shown().empty());
    EXPECT_EQ(Form->Bar->Max(), 0);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(Form->Series1.PointCount(), 0);
    EXPECT_EQ(Form->List->Selected(), -1);
    EXPECT_TRUE(Form->List->isVisible());
}

TEST_F(TCalculationTest, AnUnparsableCapacitanceTextKeepsThePhaseAndIsReported)
{
    Calculate();
    ShowPage(2);
    ExpectPhaseOf(1.0221);
    DecimalChar = '.'; // the locale changed since the sweep
    ClickRow(2);
    // Each reported row fails alike; the row losing the selection comes first.
    ASSERT_FALSE(TErrorBoxes::Shown().empty());
    EXPECT_EQ(TErrorBoxes::Shown()[0], "'" + Cell(0, 2) + "' is not a valid floating point value.");
    DecimalChar = ',';
    ExpectPhaseOf(1.0221);
}

TEST_F(TCalculationTest, AZeroRcMakesThePhaseDivideByZero)
{
    Calculate();
    Form->Edit1->SetText("0");
    ShowPage(2);
    EXPECT_EQ(TErrorBoxes::Shown(), std::vector<AnsiString>{"Floating point division by zero."});
    EXPECT_EQ(Form->Series2.PointCount(), 0);
}

TEST_F(TCalculationTest, OneClickOrKeyThatFailsForEveryReportedRowShowsOneBox)
{
    const struct {
        const char* Rc;
        bool CalculateWithIt;
        const char* Message;
    } cases[] = {
        {"abc", false, "'abc' is not a valid floating point value."},
        {"10000000", true, "Floating point division by zero."}, // every Сс text reads 0,0000
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rc);
        Form->Edit1->SetText(c.CalculateWithIt ? c.Rc : "220");
        Calculate();
        ShowPage(2);
        Form->Edit1->SetText(c.Rc);
        const std::vector<AnsiString> one{c.Message};
        {
            TErrorBoxes boxes;
            ClickRow(3);
            EXPECT_EQ(TErrorBoxes::Shown(), one);
        }
        {
            TErrorBoxes boxes;
            QTest::keyClick(Form->List, Qt::Key_Down);
            EXPECT_EQ(TErrorBoxes::Shown(), one);
            EXPECT_EQ(Form->List->Selected(), 4);
        }
        EXPECT_EQ(Form->Series2.PointCount(), 0); // as the last report left it
        ShowPage(0);
    }
}
