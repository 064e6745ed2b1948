// Runs widget tests headless inside one application object; error boxes are
// recorded instead of shown, and settings (the program's, the file dialog's) are kept
// in a folder of the run's own instead of the user's.
#include "tests/GuiTestSupport.h"

#include <QSettings>
#include <QTemporaryDir>

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
    const QTemporaryDir settings;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, settings.path());
    return RUN_ALL_TESTS();
}
