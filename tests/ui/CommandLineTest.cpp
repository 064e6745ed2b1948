// The program run as a separate process with command-line arguments.
#include "app/ListView.h"
#include "tests/ui/MainWindowFixture.h"

#include <QProcess>

#include <algorithm>

namespace {

struct TRun {
    int Status;
    std::string Out;
    std::string Err;
};

// Runs the program where no window could open: no display, and a platform that needs one.
TRun RunProgram(const QStringList& arguments, const char* locale = "ru_RU.UTF-8")
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "LC_NUMERIC", "LANG"})
        environment.remove(name);
    environment.insert("LC_ALL", locale);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(KELVORIN2_PATH, arguments);
    EXPECT_TRUE(program.waitForFinished(30000));
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            program.readAllStandardOutput().toStdString(), program.readAllStandardError().toStdString()};
}

const QStringList kDefaults = {"--table", "220", "50", "1,0001", "1,0250", "0,0001"};

class TCommandLineTest : public TMainWindowTest {
protected:
    // The results list after Calculate with the stored inputs, as lines of fields between tabs.
    std::string ListLines()
    {
        StartUnder("ru_RU.UTF-8");
        Form->Button1->click();
        const TListItems& items = Form->List->Items();
        std::string text;
        for (int row = -1; row < items.Count(); ++row) {
            for (int k = 0; k < items.columnCount(); ++k) {
                if (k > 0)
                    text += '\t';
                text += Utf8FromAnsi(row < 0 ? items.Columns()[k].Caption : AnsiString(items.Text(row, k)));
            }
            text += '\n';
        }
        return text;
    }
};

} // namespace

TEST_F(TCommandLineTest, TheTableOfTheStoredInputsIsTheListWithoutAnyWindow)
{
    const std::string list = ListLines();
    ASSERT_EQ(std::count(list.begin(), list.end(), '\n'), 251);
    const TRun table = RunProgram(kDefaults);
    EXPECT_EQ(table.Status, 0) << table.Err;
    EXPECT_EQ(table.Out, list);
    EXPECT_EQ(table.Err, "");

    const TRun csv = RunProgram(QStringList(kDefaults) << "--csv");
    EXPECT_EQ(csv.Status, 0) << csv.Err;
    std::string csvList = list; // no text of the list holds a ";"
    std::replace(csvList.begin(), csvList.end(), '\t', ';');
    EXPECT_EQ(csv.Out, csvList);
}

TEST(CommandLine, UnderADecimalPointTheValuesAndTheCsvFollowTheLocale)
{
    const TRun csv = RunProgram({"--csv", "--table", "220", "50", "1.5", "3", "1"}, "C");
    EXPECT_EQ(csv.Status, 0) << csv.Err;
    EXPECT_EQ(csv.Out, "Мн,\"Ослабление,дб\",\"Сс,мкФ\"\n1.5000,3.5218,0.0129\n2.5000,7.9588,0.0063\n");
}

TEST(CommandLine, BadInputsPrintTheErrorBoxTextAndNoTable)
{
    const struct {
        QStringList values;
        const char* message;
    } cases[] = {
        {{"220", "50", "1.0001", "1,0250", "0,0001"}, "'1.0001' is not a valid floating point value.\n"},
        {{"220", "-50", "1,0001", "1,0250", "0,0001"}, "Нижняя граничная частота должна быть больше 0.\n"},
        {{"220", "50", "1,0250", "1,0250", "0,0001"}, "Мн «до» должно быть больше, чем «от».\n"},
        {{"220", "50", "1,0001", "2", "1e-9"},
         "Слишком мелкий шаг для этого диапазона: получилось бы больше 1000000 строк. Увеличьте шаг Мн или сузьте диапазон.\n"},
        {{"1e-300", "1e-300", "1,0001", "1,0250", "0,0001"}, "Floating point overflow.\n"},
    };
    for (const auto& c : cases) {
        const TRun run = RunProgram(QStringList("--table") << c.values);
        EXPECT_EQ(run.Status, 2) << c.message;
        EXPECT_EQ(run.Out, "") << c.message;
        EXPECT_EQ(run.Err, c.message);
    }
}

TEST(CommandLine, HelpVersionAndUnknownOptionsBehaveAsOnAnyLinuxCommand)
{
    const TRun help = RunProgram({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Out.find("Использование: Kelvorin2 [--table RC F ОТ ДО ШАГ [--csv]]\n"), 0u);
    EXPECT_EQ(help.Err, "");
    const TRun version = RunProgram({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, "Kelvorin2 1.01\n");

    for (const QStringList& wrong : {QStringList{"--tabel"}, QStringList{"--table", "220", "50"}, QStringList{"220"}}) {
        const TRun run = RunProgram(wrong);
        EXPECT_EQ(run.Status, 2) << wrong.join(' ').toStdString();
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("Использование: Kelvorin2"), std::string::npos) << run.Err;
    }
}

TEST(CommandLine, AnOutputThatCannotBeWrittenIsReportedInRussian)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C.UTF-8"); // the system's own messages would be English
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setStandardOutputFile("/dev/full");
    program.start(KELVORIN2_PATH, {"--table", "220", "50", "1.0001", "1.0250", "0.0001"});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(program.readAllStandardError().toStdString(),
              "Kelvorin2: не удалось записать таблицу: на диске не осталось места\n");
}
