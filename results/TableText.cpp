#include "results/TableText.h"

#include "numtext/DecimalSeparators.h"

#include <algorithm>

namespace {

constexpr std::size_t kBytesPerField = 8; // "1,0221" and its separator, a little more
constexpr std::size_t kPieceBytes = 64 * 1024;

void AppendField(std::string& out, std::string_view field, char separator)
{
    const auto special = [separator](char c) { return c == separator || c == '"' || c == '\n' || c == '\r'; };
    if (std::none_of(field.begin(), field.end(), special)) {
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

// Appends a line of fields, each written by appendText(out, k) as it is kept. A field
// of plain ASCII, as a number's is, stays as written after one pass over it (a
// million-row table has three million fields); any other is converted and quoted.
template <class AppendText>
void AppendLine(std::string& out, int fields, char separator, AppendText appendText)
{
    const auto plain = [separator](char c) {
        return static_cast<unsigned char>(c) < 0x80 && c != separator && c != '"' && c != '\n' && c != '\r';
    };
    for (int k = 0; k < fields; ++k) {
        if (k > 0)
            out += separator;
        const std::size_t start = out.size();
        appendText(out, k);
        if (!std::all_of(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), plain)) {
            const std::string field = out.substr(start);
            out.resize(start);
            AppendField(out, field, separator);
        }
    }
    out += '\n';
}

} // namespace

std::string TableText(const std::vector<AnsiString>& captions, const TTableRows& rows, int first, int count,
                      char separator)
{
    std::string out;
    out.reserve((static_cast<std::size_t>(count) + 1) * rows.Columns() * kBytesPerField);
    WriteTableText(captions, rows, first, count, separator, [&out](std::string_view piece) { out += piece; });
    return out;
}

void WriteTableText(const std::vector<AnsiString>& captions, const TTableRows& rows, int first, int count,
                    char separator, const TTextSink& write)
{
    const int columns = rows.Columns();
    std::string piece;
    piece.reserve(kPieceBytes + 1024);
    AppendLine(piece, static_cast<int>(captions.size()), separator,
               [&](std::string& out, int k) { out += captions[k]; });
    for (int row = first; row < first + count; ++row) {
        AppendLine(piece, columns, separator, [&](std::string& out, int k) { rows.AppendText(out, row, k); });
        if (piece.size() >= kPieceBytes) {
            write(piece);
            piece.clear();
        }
    }
    if (!piece.empty())
        write(piece);
}

char CsvSeparator()
{
    return DecimalChar == ',' ? ';' : ',';
}
