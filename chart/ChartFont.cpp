#include "chart/ChartFont.h"

#include "core/MulDiv.h"
#include "platform/Fonts.h"
#include "platform/QtText.h"
#include "platform/Scaling.h"

#include <QGuiApplication>
#include <QLocale>

#include <cstdlib>

namespace {

struct TDefaultFace {
    AnsiString Name;
    int Size;
};

TDefaultFace DefaultFace()
{
    TDefaultFace face{"Arial", 8};
    if (QLocale::system().language() == QLocale::Japanese && qGuiApp) {
        const QFont desktop = QGuiApplication::font();
        face.Name = desktop.family().toStdString();
        if (desktop.pointSize() > 0)
            face.Size = desktop.pointSize();
    }
    return face;
}

} // namespace

TChartFont::TChartFont(std::function<void()> onChange)
    : TChartObject(std::move(onChange)), FPixelsPerInch(ScreenPixelsPerInch())
{
    const TDefaultFace face = DefaultFace();
    FName = face.Name;
    FHeight = -MulDiv(face.Size, FPixelsPerInch, 72);
}

int TChartFont::Size() const
{
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TChartFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, FPixelsPerInch, 72));
}

void TChartFont::Assign(const TChartFont& other)
{
    const bool differs = FName != other.FName || FHeight != other.FHeight || FColor != other.FColor
        || FBold != other.FBold || FItalic != other.FItalic || FPixelsPerInch != other.FPixelsPerInch;
    FName = other.FName;
    FHeight = other.FHeight;
    FPixelsPerInch = other.FPixelsPerInch;
    FColor = other.FColor;
    FBold = other.FBold;
    FItalic = other.FItalic;
    if (differs)
        Changed();
}

QFont TChartFont::ToQFont() const
{
    QFont font = MakePixelFont(ToQString(FName), std::abs(FHeight), FBold, FItalic);
    font.setKerning(false);
    return font;
}

std::unique_ptr<TChartFont> CreateChartFont(std::function<void()> onChange)
{
    return std::make_unique<TChartFont>(std::move(onChange));
}
