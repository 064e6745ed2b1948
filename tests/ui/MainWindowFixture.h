#pragma once
// The main window as the program starts it, under a chosen locale.
#include "GuiTestSupport.h"
#include "app/Button.h"
#include "app/Edit.h"
#include "numtext/DecimalSeparators.h"
#include "ui/KelvMain1.h"
#include "ui/sx.h"

#include <gtest/gtest.h>

#include <memory>

class TMainWindowTest : public testing::Test {
protected:
    void StartUnder(const char* locale)
    {
        ReadLocaleSeparators(locale);
        Form = std::make_unique<TForm1>();
        Form1 = Form.get();
        Schematic = std::make_unique<TForm2>();
        Form2 = Schematic.get();
        Form->Show();
        Application->Idle();
    }

    void TearDown() override
    {
        Form2 = nullptr;
        Schematic.reset();
        Form1 = nullptr;
        Form.reset();
        ReadLocaleSeparators("C");
    }

    bool CalculateEnabled() const { return Form->Button1->isEnabled(); }

    TErrorBoxes Boxes;
    std::unique_ptr<TForm1> Form;
    std::unique_ptr<TForm2> Schematic;
};
