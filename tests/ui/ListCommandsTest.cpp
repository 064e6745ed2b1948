#include "app/Commands.h"
#include "app/ListView.h"
#include "tests/GuiTestSupport.h"
#include "tests/numtext/SeparatorsFixture.h"
#include "tests/results/TestRows.h"
#include "ui/ListCommands.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

namespace {

struct TListCommandsTest : SeparatorsTest {
    QWidget Window;
    TListView* List = new TListView(&Window, {{AnsiFromUtf8("Мн"), 60, Qt::AlignLeft}, {"dB", 120, Qt::AlignHCenter}});
    TListCommands& Commands = *new TListCommands(List);

    void SetUp() override
    {
        UseSeparators(',', ' ');
        ASSERT_TRUE(ShownFilling(Window, List));
        QApplication::setActiveWindow(&Window);
        List->setFocus();
        QGuiApplication::clipboard()->setText("before");
    }

    void Fill() { List->Items().Assign(TwoColumnRows({"1,0001", "0,0009", "1,0002", "0,0017"})); }

    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
};

QString ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString("(unreadable)");
}

} // namespace

TEST_F(TListCommandsTest, ShortcutsCopyTheSelectedRowOrTheWholeTableWithTheCaptionLine)
{
    QTest::keyClick(List, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), "before"); // an empty list copies nothing

    Fill();
    List->setCurrentIndex(List->Items().index(1, 0)); // a current cell but no selected row
    List->selectionModel()->clearSelection();
    QTest::keyClick(List, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "before");

    List->SelectRow(1);
    QTest::keyClick(List, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "Мн\tdB\n1,0002\t0,0017\n");
    QTest::keyClick(List, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), "Мн\tdB\n1,0001\t0,0009\n1,0002\t0,0017\n");
}

TEST_F(TListCommandsTest, TheContextMenuKeyOpensTheThreeCommandsOnTheSelectedRow)
{
    Fill();
    List->SelectRow(0);
    QStringList entries;
    QPoint menuAt;
    QTimer::singleShot(0, List, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        entries = MenuEntries(*menu);
        menuAt = menu->pos();
        menu->close();
    });
    PressContextMenuKey(List);
    EXPECT_EQ(entries, QStringList({"Копировать строку", "Копировать всю таблицу", "Сохранить таблицу…"}));
    const QRect row = List->visualRect(List->Items().index(0, 0));
    EXPECT_EQ(menuAt, List->viewport()->mapToGlobal(row.center()));
}

TEST_F(TListCommandsTest, SavingWritesCsvAndRemembersTheFolderForTheNextSave)
{
    Fill();
    QTemporaryDir folder;
    QStringList suggested;
    Commands.AskSavePath = [&](const QString& path) {
        suggested << path;
        return folder.filePath("table.csv");
    };
    Commands.SaveTable();
    EXPECT_EQ(ReadFile(folder.filePath("table.csv")), "Мн;dB\n1,0001;0,0009\n1,0002;0,0017\n");
    Commands.SaveTable();
    ASSERT_EQ(suggested.size(), 2);
    EXPECT_EQ(QFileInfo(suggested[1]).absolutePath(), folder.path());

    UseSeparators('.', ',');
    Commands.SaveTableTo(folder.filePath("point.csv"));
    // Texts written under a decimal comma stay whole under a decimal point.
    EXPECT_EQ(ReadFile(folder.filePath("point.csv")), "Мн,dB\n\"1,0001\",\"0,0009\"\n\"1,0002\",\"0,0017\"\n");
}

TEST_F(TListCommandsTest, AFailedSaveLeavesTheEarlierFileWholeAndShowsTheReason)
{
    TErrorBoxes boxes;
    Fill();
    QTemporaryDir folder;
    const QString path = folder.filePath("table.csv");
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier results\n");
    earlier.close();

    // A disk that fills after a few bytes, as far as this process can tell.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &tiny);
    Commands.AskSavePath = [&](const QString&) { return path; };
    CommandOf(List, "SaveTable")->trigger();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(ReadFile(path), "earlier results\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList("table.csv")); // no temporary file left
    Commands.AskSavePath = [&](const QString&) { return folder.filePath("no such folder/table.csv"); };
    CommandOf(List, "SaveTable")->trigger();
    const auto& shown = TErrorBoxes::Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(Utf8FromAnsi(shown[0]), "Не удалось сохранить файл «" + path.toStdString() + "»: файл слишком велик.");
    EXPECT_EQ(Utf8FromAnsi(shown[1]).find("Не удалось сохранить файл «" + folder.path().toStdString()), 0u);
}
