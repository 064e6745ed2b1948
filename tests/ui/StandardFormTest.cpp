// The window of standard values and the standard columns of copies and saves, in the
// main window as the user reaches them.
#include "app/Commands.h"
#include "app/Label.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/ListCommands.h"
#include "ui/StandardForm.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

namespace {

class TStandardFormTest : public TActiveWindowTest {
protected:
    void SetUp() override
    {
        TActiveWindowTest::SetUp();
        Form->Button1->click();
        QGuiApplication::clipboard()->setText("before");
    }

    // Right-clicks the row and clicks the entry of that caption in the menu that opens;
    // the menu's entries.
    QStringList ChooseFromRowMenu(int row, const char* caption)
    {
        ClickRow(row);
        const QPoint at = Form->List->visualRect(Form->List->Items().index(row, 1)).center();
        QStringList entries;
        QTimer::singleShot(0, Form, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            entries = MenuEntries(*menu);
            for (QAction* action : menu->actions())
                if (action->text() == QString::fromUtf8(caption))
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            if (menu->isVisible())
                menu->close();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, Form->List->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(Form->List->viewport(), &click);
        return entries;
    }

    static std::string Clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }
};

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

} // namespace

TEST_F(TStandardFormTest, TheMenuOpensTheWindowWhichFollowsTheSelectedRow)
{
    const QStringList entries = ChooseFromRowMenu(3, "Стандартные номиналы…");
    EXPECT_EQ(entries.mid(entries.size() - 4),
              QStringList({"Ряд в таблице", "Стандартные номиналы…", "", "О программе…"}));
    TStandardForm* window = Form->StandardForm();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    const TListItems& report = window->List->Items();
    EXPECT_EQ(Utf8FromAnsi(window->Label1->Caption()).find("Строка 4: Мн 1,0004, ослабление 0,0035 дб, Сс 0,5110 мкФ"), 0u);
    ASSERT_EQ(report.Count(), 6);
    EXPECT_EQ(Utf8FromAnsi(AnsiString(report.Text(0, 0))), "E6, не меньше Сс");
    EXPECT_EQ(Utf8FromAnsi(AnsiString(report.Text(0, 1))), "0,68 мкФ");
    EXPECT_EQ(Utf8FromAnsi(AnsiString(report.Text(5, 1))), "0,51 мкФ"); // E24 below 0,5110

    ClickRow(0);
    EXPECT_EQ(Utf8FromAnsi(window->Label1->Caption()).find("Строка 1: Мн 1,0001"), 0u);
    EXPECT_EQ(Utf8FromAnsi(AnsiString(report.Text(2, 1))), "1,2 мкФ");

    Form->List->clearSelection();
    EXPECT_EQ(report.Count(), 0) << "no stale values";
    EXPECT_EQ(Utf8FromAnsi(window->Label1->Caption()), "Строка таблицы не выбрана: выберите строку в списке результатов.");

    // A new calculation selects its first row, which the window shows.
    Form->Edit1->SetText("470");
    Form->Button1->click();
    EXPECT_NE(Utf8FromAnsi(window->Label1->Caption()).find("Rc 470 кОм"), std::string::npos);
    EXPECT_EQ(report.Count(), 6);

    QApplication::setActiveWindow(window);
    window->List->setFocus();
    QTest::keyClick(window->List, Qt::Key_C, Qt::ControlModifier);
    const std::string copied = Clipboard();
    EXPECT_EQ(FirstLine(copied), Utf8FromAnsi(window->Label1->Caption()));
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 8);
    EXPECT_NE(copied.find("\nРяд\tНоминал\tСс,мкФ\tМн\tОслабление,дб\tФаза,°\tf для Мн,Гц\nE6, не меньше Сс\t"),
              std::string::npos);

    QTest::keyClick(window->List, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(TStandardFormTest, AChosenSeriesAddsItsColumnsToCopiesAndSaves)
{
    QTest::keyClick(Form->List, Qt::Key_C, Qt::ControlModifier);
    const std::string plainRow = Clipboard();
    QTest::keyClick(Form->List, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const std::string plainTable = Clipboard();

    QMenu* series = CommandOf(Form->List, "TableSeries")->menu();
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(MenuEntries(*series), QStringList({"Нет", "E6", "E12", "E24"}));
    EXPECT_TRUE(series->actions().at(0)->isChecked());
    series->actions().at(2)->trigger();
    EXPECT_TRUE(series->actions().at(2)->isChecked());
    EXPECT_FALSE(series->actions().at(0)->isChecked());

    QTest::keyClick(Form->List, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "Мн\tОслабление,дб\tСс,мкФ\tСс E12,мкФ\tМн E12\tОслабление E12,дб\n"
                           "1,0001\t0,0009\t1,0221\t1,2000 (1,2 мкФ)\t1,0001\t0,0006\n");
    QTest::keyClick(Form->List, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const std::string table = Clipboard();
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 251);
    EXPECT_TRUE(table.ends_with("\n1,0250\t0,2145\t0,0642\t0,0680 (68 нФ)\t1,0223\t0,1919\n"));

    QTemporaryDir folder;
    Form->ListCommands->AskSavePath = [&](const QString&) { return folder.filePath("table.csv"); };
    CommandOf(Form->List, "SaveTable")->trigger();
    QFile saved(folder.filePath("table.csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    std::string csv = table;
    std::replace(csv.begin(), csv.end(), '\t', ';');
    EXPECT_EQ(saved.readAll().toStdString(), csv);

    series->actions().at(0)->trigger();
    QTest::keyClick(Form->List, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), plainRow);
    QTest::keyClick(Form->List, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), plainTable);
}
