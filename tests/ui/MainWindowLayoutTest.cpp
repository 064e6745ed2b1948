#include "app/GroupBox.h"
#include "app/HintProperties.h"
#include "app/HintWindow.h"
#include "app/Label.h"
#include "app/ListView.h"
#include "app/PageControl.h"
#include "app/Panel.h"
#include "app/ProgressBar.h"
#include "app/Splitter.h"
#include "app/StaticText.h"
#include "chart/Chart.h"
#include "tests/ui/MainWindowFixture.h"

#include <QTest>

namespace {

using TDesignLayoutTest = TDesignWindowTest;

} // namespace

TEST_F(TDesignLayoutTest, ControlsStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(Form->size(), QSize(729, 484));
    const struct {
        QWidget* control;
        QRect bounds;
    } cases[] = {
        {Form->PageControl1, {0, 0, 729, 484}},
        {Form->TabSheet1, {4, 27, 721, 453}},
        {Form->Panel1, {0, 0, 313, 453}},
        {Form->List, {0, 0, 313, 453}},
        {Form->Splitter1, {313, 0, 3, 453}},
        {Form->PageControl2, {316, 0, 405, 453}},
        {Form->TabSheet2, {4, 30, 397, 419}},
        {Form->Label1, {10, 16, 49, 16}},
        {Form->Label4, {97, 120, 16, 16}},
        {Form->Edit1, {225, 16, 75, 24}},
        {Form->Edit5, {225, 152, 75, 24}},
        {Form->Button1, {313, 152, 75, 25}},
        {Form->Button2, {312, 120, 75, 25}},
        {Form->GroupBox1, {0, 214, 397, 205}}, // docked to the bottom while the hidden bar takes no room
        {Form->StaticText1, {2, 18, 393, 185}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.control->geometry(), c.bounds) << c.control->objectName().toStdString();
}

TEST_F(TDesignLayoutTest, TheProgressBarTakesTheBottomBelowTheGroupBoxWhileShown)
{
    Form->Bar->show();
    EXPECT_EQ(Form->Bar->geometry(), QRect(0, 405, 397, 14));
    EXPECT_EQ(Form->GroupBox1->geometry(), QRect(0, 200, 397, 205));
    Form->Bar->hide();
    EXPECT_EQ(Form->GroupBox1->geometry(), QRect(0, 214, 397, 205));
}

TEST_F(TDesignLayoutTest, DraggingTheSplitterMovesTheBorderBetweenListAndPages)
{
    const QPoint grip(1, 100);
    QTest::mousePress(Form->Splitter1, Qt::LeftButton, {}, grip);
    QTest::mouseMove(Form->Splitter1, grip + QPoint(40, 0));
    QTest::mouseRelease(Form->Splitter1, Qt::LeftButton, {}, grip + QPoint(40, 0));
    EXPECT_EQ(Form->Panel1->width(), 353);
    EXPECT_EQ(Form->Splitter1->x(), 353);
    EXPECT_EQ(Form->PageControl2->geometry(), QRect(356, 0, 365, 453));

    QTest::mousePress(Form->Splitter1, Qt::LeftButton, {}, grip);
    QTest::mouseMove(Form->Splitter1, grip - QPoint(1000, 0));
    QTest::mouseRelease(Form->Splitter1, Qt::LeftButton, {}, grip - QPoint(1000, 0));
    EXPECT_EQ(Form->Panel1->width(), 30) << "the list keeps its minimum width";
}

TEST_F(TMainWindowTest, StartsOnTheInputPageWithAnEmptyListAndHiddenBar)
{
    StartUnder("ru_RU.UTF-8");
    EXPECT_EQ(Form->Caption(), AnsiFromUtf8("Расчет предварительного усилителя v1.01"));
    EXPECT_EQ(Form->PageControl1->ActivePageIndex(), 0);
    EXPECT_EQ(Form->PageControl2->ActivePageIndex(), 0);
    EXPECT_TRUE(Form->TabSheet2->isVisible());
    EXPECT_FALSE(Form->TabSheet3->isVisible());
    EXPECT_EQ(Form->List->Items().Count(), 0);
    EXPECT_FALSE(Form->Bar->isVisible());
    EXPECT_EQ(Form->Bar->Max(), 100);
    EXPECT_EQ(Form->Chart1->parentWidget(), Form->TabSheet3);
    EXPECT_EQ(Form->Chart2->parentWidget(), Form->TabSheet4);
    EXPECT_EQ(Form->Edit3->Text(), "1,0001");
    EXPECT_EQ(Form->TabSheet4->Caption(), AnsiFromUtf8("Сдвиг фазы "));
    const auto columns = Form->List->Items().Columns();
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[1].Caption, AnsiFromUtf8("Ослабление,дб"));
    EXPECT_EQ(columns[2].Width, 80);
}

TEST_F(TMainWindowTest, TabVisitsTheStepFieldAfterCalculate)
{
    StartUnder("ru_RU.UTF-8");
    QApplication::setActiveWindow(Form);
    Form->Edit4->setFocus();
    const std::vector<QWidget*> expected = {Form->Button1, Form->Edit5, Form->Button2};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(TMainWindowTest, HintsComeFromTheControlOrItsPage)
{
    StartUnder("ru_RU.UTF-8");
    const AnsiString input = AnsiFromUtf8("Исходные данные");
    const struct {
        QWidget* underMouse;
        AnsiString text;
    } cases[] = {
        {Form->Edit1, input},
        {Form->Label2, input},
        {Form->Button2, input},
        {Form->StaticText1, input},
        {Form->Label1, AnsiFromUtf8("Сопротивление утечки сетки лампы следующего каскада")},
        {Form->Label3, AnsiFromUtf8("Коэффициент частотных искажений")},
        {Form->Chart1, AnsiFromUtf8("Ослабление усиления на нижней граничной частоте,дб")},
        {Form->Chart2, AnsiFromUtf8("Сдвиг фазы в области нижних частот")},
        {Form->List->viewport(), {}},
        {Form->Splitter1, {}},
        {Form->PageControl2, {}},
    };
    for (const auto& c : cases) {
        QWidget* control = HintControlFor(c.underMouse);
        EXPECT_EQ(control ? HintTextFor(control) : AnsiString(), c.text) << c.underMouse->objectName().toStdString();
    }
}

TEST_F(TMainWindowTest, RestingTheMouseOnAFieldShowsThePageHint)
{
    const TShortHints hints;
    StartUnder("ru_RU.UTF-8");
    QCursor::setPos(Form->Edit1->mapToGlobal(Form->Edit1->rect().center()));
    ASSERT_NE(WaitForHint(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Text(), AnsiFromUtf8("Исходные данные"));
    QTest::keyClick(Form->Edit1, Qt::Key_A);
    EXPECT_EQ(Application->HintWindow(), nullptr) << "a key press takes the hint away";
    RunLoopFor(10 * Application->HintTimings.Pause);
    EXPECT_EQ(Application->HintWindow(), nullptr) << "and it stays away while the mouse rests";

    QCursor::setPos(Form->Label1->mapToGlobal(Form->Label1->rect().center()));
    ASSERT_NE(WaitForHint(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Text(), AnsiFromUtf8("Сопротивление утечки сетки лампы следующего каскада"));
    QCursor::setPos(Form->List->viewport()->mapToGlobal(QPoint(20, 100)));
    RunLoopFor(100);
    EXPECT_EQ(Application->HintWindow(), nullptr);
}

namespace {

// Every control that shows in the window with its place, in creation order.
std::vector<std::string> Layout(const QWidget* window)
{
    std::vector<std::string> controls;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QRect r = w->geometry();
        controls.push_back(QString("%1 %2,%3 %4x%5")
                               .arg(w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName())
                               .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                               .toStdString());
    }
    return controls;
}

} // namespace

// Whatever sizes the window passes through, and whichever page shows meanwhile, coming
// back to a size gives the layout a window started at that size has.
TEST_F(TMainWindowTest, ComingBackToASizeRestoresTheLayoutItStartsWith)
{
    const QSize start = QSize(Scaled(729), Scaled(484));
    const struct {
        std::vector<QSize> through;
        int pageMeanwhile;
        QSize back;
    } cases[] = {
        {{{10, 10}}, 0, start},
        {{{200, 150}}, 0, start},
        {{{start.width(), 100}}, 0, start},
        {{{10, 10}, {200, 150}, {2000, 1500}}, 0, {900, 700}},
        {{{10, 10}}, 1, start},
        {{{start.width(), 100}}, 2, {start.width() + 50, start.height() + 20}},
    };
    for (const auto& c : cases) {
        StartUnder("ru_RU.UTF-8");
        Form->resize(c.back);
        QCoreApplication::processEvents();
        const std::vector<std::string> fresh = Layout(Form);
        TearDown();

        StartUnder("ru_RU.UTF-8");
        ShowPage(c.pageMeanwhile);
        for (const QSize size : c.through) {
            Form->resize(size);
            QCoreApplication::processEvents();
        }
        ShowPage(0);
        Form->resize(c.back);
        QCoreApplication::processEvents();
        EXPECT_EQ(Layout(Form), fresh) << "back to " << c.back.width() << "x" << c.back.height();
        TearDown();
    }
}

TEST_F(TMainWindowTest, ShrunkAsFarAsItGoesTheWindowStillShowsEveryControlWhole)
{
    StartUnder("ru_RU.UTF-8");
    Form->resize(10, 10);
    QCoreApplication::processEvents();
    QList<QWidget*> controls = Form->TabSheet2->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls << Form->List;
    for (QWidget* control : controls) {
        if (!control->isHidden()) {
            EXPECT_EQ(control->visibleRegion().boundingRect(), control->rect()) << control->objectName().toStdString();
        }
    }
}
