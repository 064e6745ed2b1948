#pragma once
// The main window as the program starts it, under a chosen locale.
#include "GuiTestSupport.h"
#include "app/Button.h"
#include "app/Edit.h"
#include "numtext/DecimalSeparators.h"
#include "platform/Scaling.h"
#include "ui/ProgramWindows.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <memory>

// Runs the real event loop, which runs the idle step whenever it waits.
inline void RunLoopFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
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

    TErrorBoxes Boxes;
    std::unique_ptr<TProgramWindows> Windows;
    TForm1* Form = nullptr;
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
