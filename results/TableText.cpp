#include "results/TableText.h"

#include "numtext/DecimalSeparators.h"

namespace {

constexpr std::size_t kBytesPerField = 8; // "1,0221" and its separator, a little more

void AppendField(std::string& out, std::string_view field, char separator)
{
    const char special[] = {separator, '"', '\n', '\r'};
    if (field.find_first_of(std::string_view(special, sizeof special)) == std::string_view::npos) {
        AppendUtf8FromAnsi(out, field);
        return;
    }
    out += '"';
    for (std::size_t start = 0;;) {
        const std::size_t quote = field.find('"', start);
        AppendUtf8FromAnsi(out, field.substr(start, quote == std::string_view::npos ? quote : quote + 1 - start));
        if (quote == std::string_view::npos)
            break;
        out += '"';
        start = quote + 1;
    }
    out += '"';
}

template <class Field>
void AppendLine(std::string& out, int fields, char separator, Field field)
{
    for (int k = 0; k < fields; ++k) {
        if (k > 0)
            out += separator;
        AppendField(out, field(k), separator);
    }
    out += '\n';
}

} // namespace

std::string TableText(const std::vector<AnsiString>& captions, const TRowTexts& rows, int first, int count,
                      char separator)
{
    const int columns = rows.Columns();
    std::string out;
    out.reserve((static_cast<std::size_t>(count) + 1) * columns * kBytesPerField);
    AppendLine(out, static_cast<int>(captions.size()), separator,
               [&](int k) { return std::string_view(captions[k]); });
    for (int row = first; row < first + count; ++row)
        AppendLine(out, columns, separator, [&](int k) { return rows.Text(row, k); });
    return out;
}

char CsvSeparator()
{
    return DecimalChar == ',' ? ';' : ',';
}
