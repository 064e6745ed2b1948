#include "tests/GuiTestSupport.h"
#include "app/Form.h"
#include "app/SaveDialog.h"
#include "app/SessionSettings.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The settings start empty (the tests keep them in a folder of their own), and so does
// the folder last saved to.
struct TSessionSettingsTest : testing::Test {
    QTemporaryDir Folder; // saved to
    void SetUp() override { QSettings().clear(); }
    void TearDown() override
    {
        QSettings().clear();
        SetSaveFolder({});
    }
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
