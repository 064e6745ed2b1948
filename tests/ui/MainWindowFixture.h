#pragma once
// The main window as the program starts it, under a chosen locale.
#include "app/Button.h"
#include "app/Edit.h"
#include "app/HintWindow.h"
#include "app/ListView.h"
#include "app/PageControl.h"
#include "numtext/DecimalSeparators.h"
#include "platform/Scaling.h"
#include "tests/GuiTestSupport.h"
#include "ui/ProgramWindows.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <memory>

// Runs the real event loop, which runs the idle step whenever it waits.
inline void RunLoopFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// While alive, hints come up after a short pause, so that a test waits little for them.
class TShortHints {
public:
    TShortHints() : FSaved(Application->HintTimings) { Application->HintTimings.Pause = 20; }
    ~TShortHints() { Application->HintTimings = FSaved; }
    TShortHints(const TShortHints&) = delete;
    TShortHints& operator=(const TShortHints&) = delete;

private:
    THintTimings FSaved;
};

// Runs the real event loop until a hint is up; the hint window then, or null.
inline const THintWindow* WaitForHint()
{
    RunLoopUntil([] { return Application->HintWindow() != nullptr; });
    return Application->HintWindow();
}

class TMainWindowTest : public testing::Test {
protected:
    void StartUnder(const char* locale)
    {
        ReadLocaleSeparators(locale);
        Windows = std::make_unique<TProgramWindows>();
        Form = &Windows->Main;
        Form->Show();
        Application->Idle();
    }

    void TearDown() override
    {
        Form = nullptr;
        Windows.reset();
        ReadLocaleSeparators("C");
    }

    bool CalculateEnabled() const { return Form->Button1->isEnabled(); }

    // Switches the inner pages as the user does, by pressing the page's button.
    void ShowPage(int index)
    {
        const auto buttons = Form->PageControl2->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
        QTest::mouseClick(buttons.at(index), Qt::LeftButton);
        ASSERT_EQ(Form->PageControl2->ActivePageIndex(), index);
    }

    // Clicks a row's cell as the user does, scrolled into view first.
    void ClickRow(int row, int column = 1)
    {
        const QModelIndex index = Form->List->Items().index(row, column);
        Form->List->scrollTo(index);
        QTest::mouseClick(Form->List->viewport(), Qt::LeftButton, {}, Form->List->visualRect(index).center());
    }

    TErrorBoxes Boxes;
    std::unique_ptr<TProgramWindows> Windows;
    TForm1* Form = nullptr;
};

// The window made the active one, so that clicks and keys reach it as the user's do.
class TActiveWindowTest : public TMainWindowTest {
protected:
    void SetUp() override
    {
        StartUnder("ru_RU.UTF-8");
        QApplication::setActiveWindow(Form);
    }
};

// The window laid out at its design resolution, so positions and sizes read as stored.
class TDesignWindowTest : public TMainWindowTest {
protected:
    void SetUp() override
    {
        FSavedPpi = ScreenPixelsPerInch();
        SetScreenPixelsPerInch(kDesignPixelsPerInch);
        StartUnder("ru_RU.UTF-8");
    }
    void TearDown() override
    {
        TMainWindowTest::TearDown();
        SetScreenPixelsPerInch(FSavedPpi);
    }

private:
    int FSavedPpi = 96;
};
