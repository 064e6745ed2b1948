#include "app/Label.h"
#include "app/Panel.h"
#include "picture/Image.h"
#include "picture/JPEGImage.h"
#include "platform/Scaling.h"
#include "tests/ui/MainWindowFixture.h"

#include <QTest>
#include <QTimer>

namespace {

class TSchematicTest : public TMainWindowTest {
protected:
    void SetUp() override { StartUnder("ru_RU.UTF-8"); }

    TJPEGImage* Picture() const { return dynamic_cast<TJPEGImage*>(Form2->Image1->Picture().Graphic()); }

    // Presses the Schematic button; `whileShown` runs inside the modal show.
    void ShowSchematic(const std::function<void()>& whileShown)
    {
        QTimer::singleShot(0, Form2, whileShown);
        QTest::mouseClick(Form->Button2, Qt::LeftButton);
    }
};

} // namespace

TEST_F(TSchematicTest, StartsHiddenAfterTheMainWindowWithOnlyThePictureHeaderRead)
{
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Form2->Caption(), AnsiFromUtf8("Kelvorin: Расчет предварительного усилителя"));
    ASSERT_NE(Picture(), nullptr);
    EXPECT_EQ(Picture()->Width(), 896);
    EXPECT_EQ(Picture()->Height(), 565);
    EXPECT_FALSE(Picture()->Decoded());
    EXPECT_TRUE(TErrorBoxes::Shown().empty());
}

TEST_F(TSchematicTest, TheSchematicButtonShowsItModallyAndEnterClosesIt)
{
    int updates = 0;
    Form->Action1->OnUpdate = [&](TAction*) { ++updates; };
    bool shownModally = false;
    QWidget* focused = nullptr;
    ShowSchematic([&] {
        shownModally = Form2->isVisible() && !Form1->isEnabled();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form2));
        focused = QApplication::focusWidget();
        Application->Idle();
        QTest::keyClick(Form2->Panel1, Qt::Key_Return); // Enter anywhere in the window
    });
    EXPECT_TRUE(shownModally);
    EXPECT_EQ(focused, Form2->Button1) << "Exit is first in tab order";
    EXPECT_EQ(Form2->DefaultButton(), Form2->Button1);
    EXPECT_EQ(updates, 0) << "no command update for the main window while the schematic is shown";
    EXPECT_EQ(Form2->ModalResult(), mrOk);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(Form1->isEnabled());
    Application->Idle();
    EXPECT_EQ(updates, 1);
}

TEST_F(TSchematicTest, TheCloseBoxCancelsAndTheDecodedPictureIsKeptForTheNextShow)
{
    qint64 bitmap = 0;
    ShowSchematic([&] {
        Form2->grab(); // the first paint decodes
        ASSERT_TRUE(Picture()->Decoded());
        bitmap = Picture()->Bitmap().cacheKey();
        Form2->close();
    });
    EXPECT_EQ(Form2->ModalResult(), mrCancel);
    EXPECT_FALSE(Form2->isVisible());

    ShowSchematic([&] {
        Form2->grab();
        EXPECT_EQ(Picture()->Bitmap().cacheKey(), bitmap);
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    });
    EXPECT_EQ(Form2->ModalResult(), mrOk);
}

TEST_F(TSchematicTest, EscapeClosesItAsTheCloseBoxDoes)
{
    ShowSchematic([&] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (Form2->ModalResult() == mrNone)
            Form2->Button1->click(); // Escape did nothing: end the show all the same
    });
    EXPECT_EQ(Form2->ModalResult(), mrCancel);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(Form1->isEnabled());
}

TEST_F(TSchematicTest, ThePictureDecodesToAtMost236GreyLevels)
{
    Form2->Image1->grab();
    const QImage& bitmap = Picture()->Bitmap();
    EXPECT_EQ(bitmap.size(), QSize(896, 565));
    EXPECT_EQ(bitmap.format(), QImage::Format_Indexed8);
    EXPECT_EQ(bitmap.colorCount(), 236);
    for (QRgb entry : bitmap.colorTable())
        EXPECT_TRUE(qRed(entry) == qGreen(entry) && qGreen(entry) == qBlue(entry));
}

TEST_F(TSchematicTest, IsAFixedSizeToolWindowWhosePictureFillsThePanelInsideItsBevel)
{
    EXPECT_TRUE(Form2->windowFlags() & Qt::Tool);
    EXPECT_EQ(Form2->minimumSize(), Form2->maximumSize());
    Form2->show();
    EXPECT_EQ(Form2->Image1->geometry(), Form2->Panel1->contentsRect());
    EXPECT_EQ(Form2->Panel1->width(), Form2->width());
    Form2->hide();
}

TEST_F(TMainWindowTest, TheSchematicLayoutAtTheDesignResolution)
{
    const int saved = ScreenPixelsPerInch();
    SetScreenPixelsPerInch(kDesignPixelsPerInch);
    TForm2 form;
    form.show();
    SetScreenPixelsPerInch(saved);
    EXPECT_EQ(form.size(), QSize(530, 357));
    EXPECT_EQ(form.Panel1->geometry(), QRect(0, 0, 530, 321));
    EXPECT_EQ(form.Image1->geometry(), QRect(1, 1, 528, 319));
    EXPECT_EQ(form.Button1->geometry(), QRect(454, 328, 75, 25));
    EXPECT_EQ(form.Label1->pos(), QPoint(10, 331));
    EXPECT_GE(form.Label1->width(), form.Label1->sizeHint().width()) << "the label shows all its text";
}
