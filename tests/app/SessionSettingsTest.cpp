#include "GuiTestSupport.h"
#include "app/Form.h"
#include "app/SaveDialog.h"
#include "app/SessionSettings.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The user's settings in a folder of the test's own, empty at the start.
struct TSessionSettingsTest : testing::Test {
    QTemporaryDir Folder;
    void SetUp() override { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder.path()); }
    void TearDown() override { SetSaveFolder({}); }
};

} // namespace

TEST_F(TSessionSettingsTest, TheNextRunOpensWhereTheWindowWasLeftAndSavesWhereTheLastSaveWent)
{
    QRect left;
    {
        TForm form("Form1");
        form.resize(300, 200);
        TSessionSettings session(form);
        EXPECT_EQ(form.Position, poDesktopCenter) << "the first run opens centred";
        form.Show();
        form.setGeometry(form.geometry().translated(-40, 30).adjusted(0, 0, 120, 60));
        left = form.geometry();
        RememberSaveFolder(QDir(Folder.path()).filePath("table.csv"));
        form.close();
    }
    SetSaveFolder({});

    TForm form("Form1");
    form.resize(300, 200);
    TSessionSettings session(form);
    form.Show();
    EXPECT_EQ(form.geometry(), left);
    EXPECT_EQ(SuggestedSavePath("x.csv"), QDir(Folder.path()).filePath("x.csv"));
}
