#include "app/HintProperties.h"
#include "app/HintState.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(HintState, ShowsAfterThePauseMovesAtOnceWhileUpAndHidesAfterTheStay)
{
    THintState state;
    const int a = 0, b = 0;
    const void* const A = &a;
    const void* const B = &b;
    const struct {
        long long now;
        const void* target;
        const void* shown;
        long long deadline;
    } steps[] = {
        {0, A, nullptr, 500},     // mouse arrives on A
        {499, A, nullptr, 500},
        {500, A, A, 3000},        // the pause is over
        {700, B, B, 3200},        // moving on while a hint is up: no pause
        {3199, B, B, 3200},
        {3200, B, nullptr, -1},   // the stay is over, and the hint does not come back
        {9000, B, nullptr, -1},
        {9100, A, nullptr, 9600}, // a new control: the full pause again
        {9200, nullptr, nullptr, -1},
        {9300, A, nullptr, 9800}, // left and came back: nothing was up, so the full pause
    };
    for (const auto& s : steps) {
        state.Update(s.now, s.target);
        EXPECT_EQ(state.Shown(), s.shown) << "at " << s.now;
        EXPECT_EQ(state.NextDeadline(), s.deadline) << "at " << s.now;
    }
}

TEST(HintState, AControlThatComesUnderAStillPointerGetsNoHintUntilThePointerMoves)
{
    THintState state;
    int a = 0;
    state.Update(0, &a, false); // the window opened under the pointer
    state.Update(900, &a, false);
    EXPECT_EQ(state.Shown(), nullptr);
    EXPECT_EQ(state.NextDeadline(), -1);
    state.Update(1000, &a, true);
    state.Update(1500, &a, false);
    EXPECT_EQ(state.Shown(), &a);
}

TEST(HintState, APressTakesTheHintAwayUntilTheMouseMovesOn)
{
    THintState state;
    int a = 0, b = 0;
    state.Update(0, &a);
    state.Update(500, &a);
    ASSERT_EQ(state.Shown(), &a);
    state.Cancel();
    EXPECT_EQ(state.Shown(), nullptr);
    state.Update(5000, &a);
    EXPECT_EQ(state.Shown(), nullptr);
    EXPECT_EQ(state.NextDeadline(), -1);
    state.Update(5100, &b);
    state.Cancel(); // pressed before b's hint appeared
    state.Update(5600, &b);
    EXPECT_EQ(state.Shown(), nullptr);
    state.Update(5700, &a);
    state.Update(6200, &a);
    EXPECT_EQ(state.Shown(), &a);
}

TEST(HintState, TimingsAreSettings)
{
    THintState state({100, 50, 1000});
    int a = 0, b = 0;
    state.Update(0, &a);
    state.Update(100, &a);
    EXPECT_EQ(state.Shown(), &a);
    state.Update(200, &b);
    EXPECT_EQ(state.Shown(), nullptr);
    EXPECT_EQ(state.NextDeadline(), 250);
    state.Update(250, &b);
    EXPECT_EQ(state.Shown(), &b);
}

TEST(HintProperties, HintsFollowTheNearestContainerWithASettingAndTheNearestText)
{
    QWidget window;
    auto* page = new QWidget(&window);     // hints on, with a text
    auto* field = new QWidget(page);       // follows the page, no text
    auto* label = new QWidget(page);       // own text
    auto* quiet = new QWidget(&window);    // hints off
    auto* inner = new QWidget(quiet);      // follows: off
    auto* loud = new QWidget(quiet);       // turns hints on inside a quiet container
    auto* unset = new QWidget(&window);    // follows the window: off by default
    SetShowHint(page, true);
    SetHint(page, "page");
    SetHint(label, "label");
    SetShowHint(quiet, false);
    SetHint(quiet, "quiet");
    SetShowHint(loud, true);

    const struct {
        QWidget* underMouse;
        QWidget* hintControl;
        const char* text;
    } cases[] = {
        {field, field, "page"},
        {label, label, "label"},
        {page, page, "page"},
        {inner, nullptr, ""},
        {loud, loud, "quiet"},
        {unset, nullptr, ""},
    };
    for (const auto& c : cases) {
        QWidget* control = HintControlFor(c.underMouse);
        EXPECT_EQ(control, c.hintControl);
        EXPECT_EQ(control ? HintTextFor(control) : AnsiString(), c.text);
    }
}
