#include "ui/CommandLine.h"

#include "app/Application.h"
#include "core/SystemErrorText.h"
#include "results/ResultsTable.h"
#include "results/TableText.h"
#include "ui/ProgramInfo.h"

#include <cctype>
#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kWriteFailed = 1;
constexpr int kBadArguments = 2;

struct TArguments {
    std::string Program;
    bool Help = false;
    bool Version = false;
    bool Table = false;
    bool Csv = false;
    std::vector<std::string> Values;
    std::string Unknown; // the first option not known
};

// "-50" and "-,5" are values, not options: a negative number starts with a minus too.
bool IsOption(std::string_view arg)
{
    return arg.size() > 1 && arg[0] == '-' && (arg[1] == '-' || std::isalpha(static_cast<unsigned char>(arg[1])));
}

TArguments ParseArguments(int argc, char** argv)
{
    TArguments a;
    const std::string_view path = argv[0];
    a.Program = path.substr(path.find_last_of('/') + 1);
    bool valuesOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (valuesOnly || !IsOption(arg))
            a.Values.emplace_back(arg);
        else if (arg == "--")
            valuesOnly = true;
        else if (arg == "--help" || arg == "-h")
            a.Help = true;
        else if (arg == "--version")
            a.Version = true;
        else if (arg == "--table")
            a.Table = true;
        else if (arg == "--csv")
            a.Csv = true;
        else if (a.Unknown.empty())
            a.Unknown = arg;
    }
    return a;
}

bool Write(std::FILE* file, std::string_view text)
{
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

std::string Usage(const std::string& program)
{
    return "Использование: " + program + " [--table RC F ОТ ДО ШАГ [--csv]]\n";
}

std::string Help(const std::string& program)
{
    return Usage(program) + "\n"
        "Без аргументов открывает окно калькулятора разделительного конденсатора Сс.\n\n"
        "  --table RC F ОТ ДО ШАГ  вывести таблицу (Мн, ослабление в дБ, Сс в мкФ) в\n"
        "                          стандартный вывод, не открывая окон: сопротивление\n"
        "                          утечки сетки Rc в кОм, нижняя граничная частота F в Гц,\n"
        "                          Мн от, до и с шагом; числа пишутся с десятичным\n"
        "                          разделителем локали, как в полях окна\n"
        "  --csv                   вместе с --table: CSV вместо полей через табуляцию\n"
        "  --help                  показать эту справку и выйти\n"
        "  --version               показать версию и выйти\n\n"
        "Код возврата: 0 - готово, 1 - вывод не записан, 2 - неверные аргументы или данные.\n";
}

int UsageError(const TArguments& a, std::FILE* err, const std::string& reason)
{
    Write(err, a.Program + ": " + reason + "\n" + Usage(a.Program) + "Подробнее: " + a.Program + " --help\n");
    return kBadArguments;
}

int WriteTable(const TArguments& a, std::FILE* out, std::FILE* err)
{
    const auto field = [&](int k) { return AnsiFromUtf8(a.Values[k]); };
    std::string table;
    try {
        table = ResultsTableText({field(0), field(1), field(2), field(3), field(4)}, a.Csv ? CsvSeparator() : '\t');
    } catch (const std::exception& error) {
        Write(err, Utf8FromAnsi(TApplication::ErrorBoxText(error)) + "\n");
        return kBadArguments;
    }
    if (!Write(out, table)) {
        Write(err, a.Program + ": не удалось записать таблицу: " + Utf8FromAnsi(SystemErrorText(errno)) + "\n");
        return kWriteFailed;
    }
    return 0;
}

} // namespace

int RunCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err)
{
    const TArguments a = ParseArguments(argc, argv);
    if (!a.Unknown.empty())
        return UsageError(a, err, "неизвестный параметр «" + a.Unknown + "»");
    if (a.Help)
        return Write(out, Help(a.Program)) ? 0 : kWriteFailed;
    if (a.Version)
        return Write(out, a.Program + " " + ProgramVersion() + "\n") ? 0 : kWriteFailed;
    if (!a.Table)
        return UsageError(a, err, a.Csv ? "--csv действует только вместе с --table" : "не указана команда");
    if (a.Values.size() != 5)
        return UsageError(a, err, "--table ждёт пять чисел: RC F ОТ ДО ШАГ");
    return WriteTable(a, out, err);
}
