// Runs widget tests headless inside one application object; error boxes are
// recorded instead of shown.
#include "tests/GuiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

std::vector<AnsiString> TErrorBoxes::FShown;

TErrorBoxes::TErrorBoxes()
{
    FShown.clear();
    Application->ShowErrorBox = [](const AnsiString& caption, const AnsiString& text) {
        EXPECT_EQ(caption, Application->Title());
        FShown.push_back(text);
    };
}

const std::vector<AnsiString>& TErrorBoxes::Shown()
{
    QCoreApplication::processEvents();
    return FShown;
}

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
