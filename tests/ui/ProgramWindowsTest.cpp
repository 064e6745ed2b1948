// The keys and windows every desktop program has: F1's help with the About box, Ctrl+Q,
// and the program's identity on the desktop.
#include "tests/ui/MainWindowFixture.h"
#include "app/Commands.h"
#include "app/ListView.h"
#include "chart/Chart.h"
#include "ui/ProgramInfo.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTextBrowser>

namespace {

using TProgramWindowsTest = TActiveWindowTest;

} // namespace

TEST_F(TProgramWindowsTest, F1ShowsTheHelpWhoseButtonShowsTheAboutBox)
{
    QTest::keyClick(Form->Edit1, Qt::Key_F1);
    THelpForm& help = Windows->Help;
    ASSERT_TRUE(help.isVisible());
    const QString text = help.Text->toPlainText();
    for (const char* topic : {"Rc, кОм", "Гц", "Левой кнопкой", "Колесо", "Ctrl+Shift+C", "Ctrl+Q", "README"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    const QString readme = THelpForm::ReadmePath();
    EXPECT_TRUE(QFile::exists(readme));
    EXPECT_TRUE(text.contains(readme)) << "the help says where the README is";

    // The About box names the version --version prints, the licence and the homepage.
    QProcess program;
    program.start(KELVORIN2_PATH, {"--version"});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString version = QString::fromUtf8(program.readAllStandardOutput()).split(' ').last().trimmed();
    QString about;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        about = box->findChild<QLabel*>("Text")->text();
        box->accept();
    });
    help.Button1->click();
    EXPECT_TRUE(about.contains("Kelvorin2 " + version)) << about.toStdString();
    EXPECT_TRUE(about.contains("GPL-3.0-or-later"));
    EXPECT_TRUE(about.contains(ProgramHomepage()));

    QTest::keyClick(help.Text, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    EXPECT_TRUE(Form->isVisible()) << "Escape leaves the main window open";
}

// The list's and the charts' context menus end with the About box.
TEST_F(TProgramWindowsTest, TheContextMenusOpenTheAboutBox)
{
    for (QWidget* control : std::initializer_list<QWidget*>{Form->List, Form->Chart1, Form->Chart2}) {
        const QList<QAction*> actions = control->actions();
        ASSERT_GE(actions.size(), 2);
        EXPECT_TRUE(actions.at(actions.size() - 2)->isSeparator());
        EXPECT_EQ(actions.last(), CommandOf(control, "About"));
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            box->close();
        });
        actions.last()->trigger();
        EXPECT_EQ(title, QString::fromUtf8("О программе Kelvorin2")) << control->objectName().toStdString();
    }
}

TEST_F(TProgramWindowsTest, CtrlQClosesTheMainWindow)
{
    QTest::keyClick(Form->Edit1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(Form->isVisible());
}

// The window manager ties the windows to the desktop entry by their class; they carry
// the program's icon.
TEST_F(TProgramWindowsTest, TheWindowsBelongToTheDesktopEntry)
{
    const QString name = QApplication::applicationName();
    SetDesktopIdentity();
    const QSettings entry(KELVORIN_SOURCE_DIR "/packaging/" + QGuiApplication::desktopFileName() + ".desktop",
                          QSettings::IniFormat);
    EXPECT_EQ(entry.value("Desktop Entry/StartupWMClass").toString(), QApplication::applicationName());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    QApplication::setApplicationName(name);
}
