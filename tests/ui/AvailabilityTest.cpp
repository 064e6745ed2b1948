#include "tests/ui/MainWindowFixture.h"

#include "app/HintProperties.h"
#include "app/PageControl.h"
#include "platform/SystemColors.h"

#include <QTest>

TEST_F(TMainWindowTest, TheStoredDefaultsEnableCalculateUnderADecimalCommaLocale)
{
    StartUnder("ru_RU.UTF-8");
    EXPECT_TRUE(CalculateEnabled());
    EXPECT_EQ(Form->Button1->Caption(), AnsiFromUtf8("Считать"));
}

// Under a decimal point the stored defaults do not parse: Calculate is refused quietly,
// looks disabled, says why on its hint and marks the fields that do not parse.
TEST_F(TMainWindowTest, TheStoredDefaultsDoNotParseUnderADecimalPointLocaleAndTheWindowSaysWhy)
{
    const TShortHints hints;
    StartUnder("C");
    ASSERT_FALSE(CalculateEnabled());
    EXPECT_TRUE(TErrorBoxes::Shown().empty());
    // Drawn in the style's own disabled colours, not in the window's font colour.
    EXPECT_EQ(Form->Button1->palette().color(QPalette::Disabled, QPalette::ButtonText),
              QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
    EXPECT_NE(Form->Button1->palette().color(QPalette::Disabled, QPalette::ButtonText),
              Form->Button1->palette().color(QPalette::Active, QPalette::ButtonText));

    QCursor::setPos(Form->Button1->mapToGlobal(Form->Button1->rect().center()));
    ASSERT_NE(WaitForHint(), nullptr);
    EXPECT_EQ(Utf8FromAnsi(Application->HintWindow()->Text()),
              "Поле «с шагом»: '0,0001' is not a valid floating point value\n"
              "Десятичный разделитель по настройкам системы — «.»");
    const auto marked = [this](TInput input) {
        return Form->InputEdit(input)->palette().color(QPalette::Active, QPalette::Text) == ToQColor(clRed);
    };
    EXPECT_TRUE(!marked(inRc) && !marked(inF) && marked(inFrom) && marked(inTo) && marked(inStep));

    // Retyped with the locale's decimal point: available, the page's hint, nothing marked.
    const QColor text = Form->Edit1->palette().color(QPalette::Active, QPalette::Text);
    Form->Edit3->SetText("1.0001");
    Form->Edit4->SetText("1.0250");
    Form->Edit5->SetText("0.0001");
    Application->Idle();
    EXPECT_TRUE(CalculateEnabled());
    EXPECT_EQ(HintTextFor(Form->Button1), AnsiFromUtf8("Исходные данные"));
    for (const TInput input : {inFrom, inTo, inStep})
        EXPECT_EQ(Form->InputEdit(input)->palette().color(QPalette::Active, QPalette::Text), text);
}

TEST_F(TMainWindowTest, CalculateIsAvailableExactlyWhenTheInputsParseAndAreInRange)
{
    StartUnder("ru_RU.UTF-8");
    const struct {
        TEdit* TForm1::*field;
        const char* text;
        bool enabled;
    } cases[] = {
        {&TForm1::Edit3, "1", false},          // from must lie above 1
        {&TForm1::Edit3, "1,0000000001", true},
        {&TForm1::Edit4, "1,0001", false},     // to equal to from
        {&TForm1::Edit4, "1,00005", false},    // to below from
        {&TForm1::Edit5, "0", false},
        {&TForm1::Edit5, "-0,0001", false},
        {&TForm1::Edit1, "0", false},
        {&TForm1::Edit2, "-50", false},
        {&TForm1::Edit2, "abc", false},
        {&TForm1::Edit1, "1.5", false},
        {&TForm1::Edit5, "", false},
        {&TForm1::Edit1, " 220 ", true},
        {&TForm1::Edit1, "220\t", true},       // trimmed away by the check
        {&TForm1::Edit1, "2,2e2", true},
        {&TForm1::Edit1, "1e400", false},      // beyond the double range: unusable, no error box
        {&TForm1::Edit2, "-1e400", false},
        {&TForm1::Edit1, "1e308", true},
    };
    for (const auto& c : cases) {
        TEdit* field = Form->*c.field;
        const AnsiString saved = field->Text();
        field->SetText(AnsiFromUtf8(c.text));
        Application->Idle();
        EXPECT_EQ(CalculateEnabled(), c.enabled) << field->objectName().toStdString() << " = '" << c.text << "'";
        field->SetText(saved);
        Application->Idle();
        ASSERT_TRUE(CalculateEnabled());
    }
    EXPECT_TRUE(TErrorBoxes::Shown().empty());
}

TEST_F(TMainWindowTest, EveryFieldIsReadEvenWhenAnEarlierTestHasFailed)
{
    StartUnder("ru_RU.UTF-8");
    // The step fails its test first; a later field that does not parse still ends the check quietly.
    Form->Edit5->SetText("0");
    Form->Edit4->SetText("x");
    Application->Idle();
    EXPECT_FALSE(CalculateEnabled());
    Form->Edit5->SetText("0,0001");
    Application->Idle();
    EXPECT_FALSE(CalculateEnabled());
    Form->Edit4->SetText("1,0250");
    Application->Idle();
    EXPECT_TRUE(CalculateEnabled());
}

TEST_F(TMainWindowTest, TheCheckRunsOnlyWhileTheInputPageIsShown)
{
    StartUnder("ru_RU.UTF-8");
    Form->PageControl2->SetActivePageIndex(1);
    Form->Edit1->SetText("abc");
    Application->Idle();
    EXPECT_TRUE(CalculateEnabled());
    Form->PageControl2->SetActivePageIndex(0);
    Application->Idle();
    EXPECT_FALSE(CalculateEnabled());
}

TEST_F(TMainWindowTest, EnterInAnInputFieldPressesCalculateOnlyWhileItIsEnabled)
{
    StartUnder("ru_RU.UTF-8");
    int executed = 0;
    Form->Action1->OnExecute = [&](TAction*) { ++executed; };
    QTest::keyClick(Form->Edit2, Qt::Key_Return);
    EXPECT_EQ(executed, 1);
    Form->Edit2->SetText("");
    Application->Idle();
    QTest::keyClick(Form->Edit2, Qt::Key_Return);
    EXPECT_EQ(executed, 1);
}
