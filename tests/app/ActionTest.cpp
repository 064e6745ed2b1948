#include "app/Appearance.h"
#include "app/Button.h"
#include "app/Edit.h"
#include "app/Form.h"
#include "app/HintProperties.h"
#include "tests/GuiTestSupport.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A form with an edit field, a plain button and a default button linked to a command.
struct TCommandForm {
    TForm Form{"CommandForm"};
    TActionList Actions;
    TAction* Action = Actions.Add("Action1");
    TEdit* Edit = new TEdit(&Form);
    TButton* Other = new TButton(&Form);
    TButton* Default = new TButton(&Form);
    int Executed = 0;
    int OtherClicked = 0;

    TCommandForm()
    {
        Action->SetCaption("Run");
        Action->OnExecute = [this](TAction*) { ++Executed; };
        Default->SetAction(Action);
        Default->SetDefault(true);
        Other->OnClick = [this] { ++OtherClicked; };
        Edit->move(0, 0);
        Other->move(0, 40);
        Default->move(0, 80);
        Form.resize(200, 150);
        Form.Show();
    }
};

} // namespace

TEST(Action, ALinkedButtonShowsTheCommandsCaptionEnabledStateAndHint)
{
    TCommandForm f;
    SetHint(&f.Form, "the form's");
    EXPECT_EQ(f.Default->Caption(), "Run");
    f.Action->SetCaption("Again");
    f.Action->SetEnabled(false);
    f.Action->SetHint("why not");
    EXPECT_EQ(f.Default->Caption(), "Again");
    EXPECT_FALSE(f.Default->isEnabled());
    EXPECT_EQ(HintTextFor(f.Default), "why not");
    f.Action->SetHint("");
    EXPECT_EQ(HintTextFor(f.Default), "the form's");
}

TEST(Action, AButtonDisabledItselfLooksDisabledAndOneDisabledWithItsFormKeepsItsLook)
{
    TCommandForm f;
    SetFontColor(&f.Form, clBlue);
    const auto text = [&] { return f.Default->palette().color(QPalette::Disabled, QPalette::ButtonText); };
    f.Action->SetEnabled(false);
    EXPECT_EQ(text(), QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
    f.Action->SetEnabled(true);
    f.Form.setEnabled(false); // as behind a modal window
    EXPECT_EQ(text(), ToQColor(clBlue));
    f.Form.setEnabled(true);
}

TEST(Action, EnterInAnEditPressesTheDefaultButtonOnlyWhileItIsEnabled)
{
    TCommandForm f;
    f.Edit->setFocus();
    QTest::keyClick(f.Edit, Qt::Key_Return);
    EXPECT_EQ(f.Executed, 1);
    f.Action->SetEnabled(false);
    QTest::keyClick(f.Edit, Qt::Key_Enter);
    QTest::mouseClick(f.Default, Qt::LeftButton);
    EXPECT_EQ(f.Executed, 1);
}

TEST(Action, AFocusedButtonTakesEnterItself)
{
    TCommandForm f;
    f.Other->setFocus();
    QTest::keyClick(f.Other, Qt::Key_Return);
    EXPECT_EQ(f.OtherClicked, 1);
    EXPECT_EQ(f.Executed, 0);
}

TEST(Action, TheIdleStepUpdatesOnlyCommandsOfShowingControlsOfEnabledForms)
{
    TCommandForm f;
    int updates = 0;
    f.Action->OnUpdate = [&](TAction*) { ++updates; };
    Application->Idle();
    EXPECT_EQ(updates, 1);
    f.Default->hide();
    Application->Idle();
    EXPECT_EQ(updates, 1);
    f.Default->show();
    f.Form.setEnabled(false);
    Application->Idle();
    EXPECT_EQ(updates, 1);
    f.Form.setEnabled(true);
    f.Form.hide();
    Application->Idle();
    EXPECT_EQ(updates, 1);
}

TEST(Action, AModalFormDisablesTheOthersAndEndsWithItsModalResult)
{
    TCommandForm f;
    TForm dialog("Dialog");
    int updatesDuringModal = -1;
    int updates = 0;
    f.Action->OnUpdate = [&](TAction*) { ++updates; };
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_FALSE(f.Form.isEnabled());
        const int before = updates;
        Application->Idle();
        updatesDuringModal = updates - before;
        dialog.close(); // the close box cancels
    });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(updatesDuringModal, 0);
    EXPECT_TRUE(f.Form.isEnabled());
    EXPECT_FALSE(dialog.isVisible());

    QTimer::singleShot(0, &dialog, [&] { dialog.SetModalResult(mrOk); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
}

TEST(Action, AButtonAndItsCommandMayGoInEitherOrder)
{
    TForm form("Lifetimes");
    auto action = std::make_unique<TAction>("Action1");
    auto* first = new TButton(&form);
    auto* second = new TButton(&form);
    first->SetAction(action.get());
    second->SetAction(action.get());
    delete first; // the command must stop telling it about changes
    action->SetEnabled(false);
    EXPECT_FALSE(second->isEnabled());
    action.reset(); // the button must forget the command
    EXPECT_EQ(second->Action(), nullptr);
    second->click();
}
