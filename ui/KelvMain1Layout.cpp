#include "ui/KelvMain1Layout.h"

#include "chart/Chart.h"
#include "platform/Scaling.h"
#include "results/ResultsTable.h"
#include "ui/KelvMain1.h"

#include <stdexcept>

namespace {

const TFontStyle kFormFont{"MS Sans Serif", -13, clWindowText};
const TFontStyle kBlueFont{"MS Sans Serif", -13, clBlue};
const TFontStyle kBlackFont{"MS Sans Serif", -13, clBlack};

const char* const kInputHint = "Исходные данные";

// Positions and sizes at 120 pixels per inch, relative to the parent's client area;
// pages have none of their own: their page control places them.
const TControlLayout kLayout[] = {
    // name, align, left, top, width, height, tab order, text, hint, hints, font, colour, visible
    {"Form1", alNone, 189, 140, 729, 484, -1, "Расчет предварительного усилителя v1.01", nullptr, shParent, &kFormFont, clBtnFace},
    {"PageControl1", alClient, 0, 0, 729, 484, 0, nullptr, nullptr, shParent, nullptr, clDefault},
    {"TabSheet1", alNone, 0, 0, 0, 0, -1, "Разделительный конденсатор Сс", nullptr, shOff, nullptr, clDefault},
    {"Panel1", alLeft, 0, 0, 313, 453, 0, "Panel1", nullptr, shParent, nullptr, clDefault},
    {"List", alClient, 0, 0, 313, 453, 0, nullptr, nullptr, shParent, nullptr, clInfoBk},
    {"Splitter1", alLeft, 313, 0, 3, 453, -1, nullptr, nullptr, shParent, nullptr, clDefault},
    {"PageControl2", alClient, 316, 0, 405, 453, 1, nullptr, nullptr, shOff, nullptr, clDefault},
    {"TabSheet2", alNone, 0, 0, 0, 0, -1, "Исходные данные", kInputHint, shOn, nullptr, clDefault},
    {"TabSheet3", alNone, 0, 0, 0, 0, -1, "Ослабления усиления", "Ослабление усиления на нижней граничной частоте,дб", shOn, nullptr, clDefault},
    {"TabSheet4", alNone, 0, 0, 0, 0, -1, "Сдвиг фазы ", "Сдвиг фазы в области нижних частот", shOn, nullptr, clDefault},
    {"Label1", alNone, 10, 16, 49, 16, -1, "Rc, кОм", "Сопротивление утечки сетки лампы следующего каскада", shOn, &kBlueFont, clScrollBar},
    {"Label2", alNone, 10, 52, 198, 16, -1, "Нижняя граничная частота, Гц", nullptr, shParent, &kBlueFont, clScrollBar},
    {"Label3", alNone, 10, 88, 102, 16, -1, "Мн изменять от", "Коэффициент частотных искажений", shOn, &kBlueFont, clScrollBar},
    {"Label4", alNone, 97, 120, 16, 16, -1, "до", nullptr, shParent, &kBlueFont, clScrollBar},
    {"Label5", alNone, 96, 155, 50, 16, -1, "с шагом", nullptr, shParent, &kBlueFont, clScrollBar},
    {"Edit1", alNone, 225, 16, 75, 24, 0, "220", nullptr, shParent, nullptr, clInfoBk},
    {"Edit2", alNone, 225, 48, 75, 24, 1, "50", nullptr, shParent, nullptr, clInfoBk},
    {"Edit3", alNone, 225, 85, 75, 24, 2, "1,0001", nullptr, shParent, nullptr, clInfoBk},
    {"Edit4", alNone, 225, 117, 75, 24, 3, "1,0250", nullptr, shParent, nullptr, clInfoBk},
    {"Button1", alNone, 313, 152, 75, 25, 4, nullptr, nullptr, shParent, nullptr, clDefault},
    {"Bar", alBottom, 0, 405, 397, 14, 5, nullptr, nullptr, shParent, nullptr, clDefault, false},
    {"Edit5", alNone, 225, 152, 75, 24, 6, "0,0001", nullptr, shParent, nullptr, clInfoBk},
    {"Button2", alNone, 312, 120, 75, 25, 7, "Схема", nullptr, shParent, &kBlackFont, clDefault},
    {"GroupBox1", alBottom, 0, 200, 397, 205, 8, "Мн", nullptr, shParent, &kBlueFont, clDefault},
    {"StaticText1", alNone, 2, 18, 393, 185, 0,
     "Коэффициент частотных усилений в области нижних звуковых частот равен: "
     "Мн = Кср/Кн, где Кср, Кн - коэффициенты усиления на средних и нижних частотах.",
     nullptr, shParent, nullptr, clDefault},
    // The charts paint their own colour (Form1Charts).
    {"Chart1", alClient, 0, 0, 397, 419, 0, nullptr, nullptr, shParent, nullptr, clDefault},
    {"Chart2", alClient, 0, 0, 397, 419, 0, nullptr, nullptr, shParent, nullptr, clDefault},
};

// Width in design pixels and alignment of each column of the results list, left to right.
constexpr struct {
    int Width;
    Qt::Alignment Alignment;
} kResultColumns[] = {{60, Qt::AlignLeft}, {120, Qt::AlignHCenter}, {80, Qt::AlignHCenter}};

const TChartLayout kCharts[] = {
    {&TForm1::Chart1, &TForm1::Series1, false, "Ослабление усиления, дб", "Емкость, мкФ"},
    {&TForm1::Chart2, &TForm1::Series2, true, "Частота, Гц", "Угол сдвига фазы, градусы"},
};

// "Arial", height −15 at the design resolution, bold, blue.
void SetTitleFont(TChartFont& font)
{
    font.SetName("Arial");
    font.SetHeight(-Scaled(15));
    font.SetBold(true);
    font.SetColor(clBlue);
}

} // namespace

std::span<const TControlLayout> Form1Layout()
{
    return kLayout;
}

std::vector<TListItems::TColumn> ResultColumns()
{
    const std::vector<AnsiString> captions = ResultCaptions();
    if (captions.size() != std::size(kResultColumns))
        throw std::logic_error("the results list's layout does not match the results' columns");
    std::vector<TListItems::TColumn> columns;
    for (std::size_t k = 0; k < captions.size(); ++k)
        columns.push_back({captions[k], kResultColumns[k].Width, kResultColumns[k].Alignment});
    return columns;
}

std::span<const TChartLayout> Form1Charts()
{
    return kCharts;
}

void ApplyChartLayout(TForm1& form, const TChartLayout& layout)
{
    TChart& chart = *(form.*layout.Chart);
    chart.SetColor(clInfoBk);
    chart.SetBevelOuter(bvNone);
    chart.SetView3D(false);
    chart.Legend().SetVisible(false);
    chart.Title().SetText({"TChart"});
    chart.Title().SetVisible(false);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().Brush().SetStyle(bsClear);
    if (!layout.Panning)
        chart.SetAllowPanning(pmNone);
    chart.BottomAxis().Title().SetCaption(AnsiFromUtf8(layout.BottomTitle));
    chart.LeftAxis().Title().SetCaption(AnsiFromUtf8(layout.LeftTitle));
    SetTitleFont(chart.BottomAxis().Title().Font());
    SetTitleFont(chart.LeftAxis().Title().Font());

    TLineSeries& series = form.*layout.Series;
    series.SetSeriesColor(clRed);
    series.Marks().SetVisible(false);
    series.Marks().SetArrowLength(8);
    series.SetParentChart(&chart);
}
