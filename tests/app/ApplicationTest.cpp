#include "app/Button.h"
#include "app/Form.h"
#include "core/ConvertError.h"
#include "core/MathErrors.h"
#include "core/ScopeExit.h"
#include "numtext/DecimalSeparators.h"
#include "tests/GuiTestSupport.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Application, TitleIsTheExecutableNameCutAtTheFirstDotWithLaterLettersLowered)
{
    const struct {
        const char* path;
        const char* title;
    } cases[] = {
        {"/usr/local/bin/Kelvorin2", "Kelvorin2"},
        {"build/app/KELVORIN2", "Kelvorin2"},
        {"Kelvorin2.exe", "Kelvorin2"},
        {"/opt/x.y/My.Calc.bin", "My"},
        {"\xCA\xC5\xCB\xDC\xC2\xC8\xCD", "\xCA\xE5\xEB\xFC\xE2\xE8\xED"}, // Cyrillic capitals
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TApplication::TitleFromExecutable(c.path), c.title) << c.path;
}

TEST(Application, ErrorBoxAppendsAFullStopOnlyAfterCharactersSortingAfterIt)
{
    const struct {
        const char* message;
        const char* text;
    } cases[] = {
        {"Floating point overflow", "Floating point overflow."},
        {"'1.5' is not a valid floating point value", "'1.5' is not a valid floating point value."},
        {"Ends with a stop.", "Ends with a stop."},
        {"Ends with a bang!", "Ends with a bang!"},
        {"Ends with a comma,", "Ends with a comma,"},
        {"Ends with a slash/", "Ends with a slash/."},
        {"\xCE\xF8\xE8\xE1\xEA\xE0", "\xCE\xF8\xE8\xE1\xEA\xE0."}, // a Cyrillic letter sorts after "."
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TApplication::ErrorBoxText(c.message), c.text) << c.message;
}

TEST(Application, AnExceptionEscapingAClickHandlerIsShownAndTheProgramGoesOn)
{
    TErrorBoxes boxes;
    TForm form("FailingForm");
    auto* button = new TButton(&form);
    int clicks = 0;
    button->OnClick = [&] {
        if (++clicks == 1)
            throw EOverflow();
    };
    form.Show();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(TErrorBoxes::Shown(), std::vector<AnsiString>{"Floating point overflow."});
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(TErrorBoxes::Shown().size(), 1u);
}

TEST(Application, AnErrorBoxThatFailsToShowIsReportedAndLaterBoxesStillShow)
{
    TErrorBoxes boxes;
    const auto record = Application->ShowErrorBox;
    const TScopeExit restore([&] { Application->ShowErrorBox = record; });
    bool failed = false;
    Application->ShowErrorBox = [&](const AnsiString& caption, const AnsiString& text) {
        if (!failed) {
            failed = true;
            throw std::runtime_error("no room for a box");
        }
        record(caption, text);
    };
    Application->HandleException(EOverflow());
    QCoreApplication::processEvents();
    Application->HandleException(EConvertError::InvalidFloat("x"));
    EXPECT_EQ(TErrorBoxes::Shown(), (std::vector<AnsiString>{"no room for a box.", "'x' is not a valid floating point value."}));
}

TEST(Application, AnExceptionFromACommandUpdateInTheIdleStepIsShown)
{
    TErrorBoxes boxes;
    TForm form("UpdateForm");
    TActionList actions;
    TAction* action = actions.Add("Action1");
    action->OnUpdate = [](TAction*) { throw EConvertError::InvalidFloat("x"); };
    auto* button = new TButton(&form);
    button->SetAction(action);
    form.Show();
    Application->Idle();
    EXPECT_EQ(TErrorBoxes::Shown(), std::vector<AnsiString>{"'x' is not a valid floating point value."});
}

TEST(Application, TheIdleStepRunsWhenTheEventLoopRunsOutOfWork)
{
    TForm form("IdleForm");
    TActionList actions;
    TAction* action = actions.Add("Action1");
    int updates = 0;
    action->OnUpdate = [&](TAction*) { ++updates; };
    (new TButton(&form))->SetAction(action);
    form.Show();
    QTimer::singleShot(50, Application, [] { QCoreApplication::exit(0); });
    Application->exec();
    EXPECT_GT(updates, 0);
}

TEST(Application, ALocaleChangeRereadsTheSeparators)
{
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved ? saved : "";
    setenv("LC_ALL", "ru_RU.UTF-8", 1);
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(Application, &change);
    EXPECT_EQ(DecimalChar, ',');
    EXPECT_EQ(GroupChar, '\xA0');
    setenv("LC_ALL", "C", 1);
    QCoreApplication::sendEvent(Application, &change);
    EXPECT_EQ(DecimalChar, '.');
    if (saved)
        setenv("LC_ALL", restore.c_str(), 1);
    else
        unsetenv("LC_ALL");
}
