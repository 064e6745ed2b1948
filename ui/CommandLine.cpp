#include "ui/CommandLine.h"

#include "app/Application.h"
#include "calc/StandardSeries.h"
#include "core/SystemErrorText.h"
#include "results/ResultsTable.h"
#include "results/TableText.h"
#include "ui/ProgramInfo.h"

#include <cctype>
#include <cerrno>
#include <optional>
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
    std::optional<std::string> Standard; // the series named by --standard
    std::vector<std::string> Values;
    std::string Unknown; // the first option not known
};

constexpr std::string_view kStandardOption = "--standard";

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
        else if (arg == kStandardOption)
            a.Standard = i + 1 < argc ? argv[++i] : "";
        else if (arg.starts_with(std::string(kStandardOption) + "="))
            a.Standard = arg.substr(kStandardOption.size() + 1);
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
    return "Использование: " + program + " [--table RC F ОТ ДО ШАГ [--csv] [--standard РЯД]]\n";
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
        "  --standard РЯД          вместе с --table: ещё три столбца для ряда номиналов\n"
        "                          E6, E12 или E24: ближайший номинал не меньше Сс (мкФ\n"
        "                          и маркировка), Мн и ослабление с этим конденсатором\n"
        "  --help                  показать эту справку и выйти\n"
        "  --version               показать версию и выйти\n\n"
        "Код возврата: 0 - готово, 1 - вывод не записан, 2 - неверные аргументы или данные.\n";
}

int UsageError(const TArguments& a, std::FILE* err, const std::string& reason)
{
    Write(err, a.Program + ": " + reason + "\n" + Usage(a.Program) + "Подробнее: " + a.Program + " --help\n");
    return kBadArguments;
}

int WriteTable(const TArguments& a, std::optional<TStandardSeries> series, std::FILE* out, std::FILE* err)
{
    const auto field = [&](int k) { return AnsiFromUtf8(a.Values[k]); };
    // Pieces go out as they are made; after a failed write the rest is not tried.
    bool written = true;
    int writeError = 0;
    const auto write = [&](std::string_view piece) {
        if (written && std::fwrite(piece.data(), 1, piece.size(), out) != piece.size()) {
            written = false;
            writeError = errno;
        }
    };
    try {
        WriteResultsTable({field(0), field(1), field(2), field(3), field(4)}, a.Csv ? CsvSeparator() : '\t', series,
                          write);
    } catch (const std::exception& error) {
        Write(err, Utf8FromAnsi(TApplication::ErrorBoxText(error)) + "\n");
        return kBadArguments;
    }
    if (written && std::fflush(out) != 0) {
        written = false;
        writeError = errno;
    }
    if (!written) {
        Write(err, a.Program + ": не удалось записать таблицу: " + Utf8FromAnsi(SystemErrorText(writeError)) + "\n");
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
    if (!a.Table) {
        if (a.Csv || a.Standard)
            return UsageError(a, err, std::string(a.Csv ? "--csv" : kStandardOption) + " действует только вместе с --table");
        return UsageError(a, err, "не указана команда");
    }
    std::optional<TStandardSeries> series;
    if (a.Standard) {
        series = FindStandardSeries(*a.Standard);
        if (!series)
            return UsageError(a, err,
                              a.Standard->empty() ? "--standard ждёт ряд номиналов: E6, E12 или E24"
                                                  : "неизвестный ряд номиналов «" + *a.Standard
                                                        + "»: допустимы E6, E12 и E24");
    }
    if (a.Values.size() != 5)
        return UsageError(a, err, "--table ждёт пять чисел: RC F ОТ ДО ШАГ");
    return WriteTable(a, series, out, err);
}
