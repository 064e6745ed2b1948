#include "chart/AxisPanel.h"

#include "chart/ColorPalette.h"
#include "core/ChartErrors.h"

#include <algorithm>

TCustomAxisPanel::TCustomAxisPanel()
    : FBottomAxis(std::make_unique<TChartAxis>(*this, true, false, false, 0)),
      FTopAxis(std::make_unique<TChartAxis>(*this, true, true, false, 0)),
      FLeftAxis(std::make_unique<TChartAxis>(*this, false, false, false, 90)),
      FRightAxis(std::make_unique<TChartAxis>(*this, false, true, false, 270)),
      FDepthAxis(std::make_unique<TChartDepthAxis>(*this)),
      FAxes{FBottomAxis.get(), FTopAxis.get(), FLeftAxis.get(), FRightAxis.get(), FDepthAxis.get()}
{
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    FDestroying = true;
    while (!FSeries.empty())
        FSeries.front()->SetParentChart(nullptr);
}

void TCustomAxisPanel::SetMaxPointsPerPage(int value)
{
    if (value < 0)
        throw ChartException("MaxPointsPerPage must be >= 0");
    SetProperty(FMaxPointsPerPage, value);
}

void TCustomAxisPanel::AddSeries(TChartSeries& series)
{
    if (std::find(FSeries.begin(), FSeries.end(), &series) != FSeries.end())
        return;
    if (series.SeriesColor() == AutoColor) {
        TColor color = PaletteColor(0);
        for (int n = 0; n < kPaletteSize; ++n)
            if (IsFreeSeriesColor(PaletteColor(n))) {
                color = PaletteColor(n);
                break;
            }
        series.SetSeriesColor(color);
    }
    FSeries.push_back(&series);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries& series)
{
    const auto found = std::find(FSeries.begin(), FSeries.end(), &series);
    if (found == FSeries.end())
        return;
    if (series.Cursor() == Cursor())
        ShowCursor(RestingCursor());
    FSeries.erase(found);
    Invalidate();
}

double TCustomAxisPanel::SeriesExtreme(const TCustomChartAxis& axis, bool low, bool xDimension) const
{
    if (axis.IsDepth())
        return 0; // a line series has no depth values
    const auto bound = [&](const TChartSeries& s) {
        return xDimension ? s.HorizAxis() == aBothHorizAxis || s.GetHorizAxis() == &axis
                          : s.VertAxis() == aBothVertAxis || s.GetVertAxis() == &axis;
    };
    // When every series of the axis is inactive, the inactive ones still set its range.
    const bool anyActive = std::any_of(FSeries.begin(), FSeries.end(),
                                       [&](const TChartSeries* s) { return s->Active() && s->UsesAxis(axis); });
    bool found = false;
    double result = 0;
    for (const TChartSeries* s : FSeries) {
        if (s->PointCount() == 0 || !bound(*s) || (!s->Active() && anyActive))
            continue;
        const double candidate = xDimension ? (low ? s->LowestX() : s->HighestX()) : (low ? s->LowestY() : s->HighestY());
        if (!found || (low ? candidate < result : candidate > result))
            result = candidate;
        found = true;
    }
    return result;
}

bool TCustomAxisPanel::AxisIsShown(const TCustomChartAxis& axis) const
{
    if (!FAxisVisible || !axis.Visible())
        return false;
    if (axis.IsDepth())
        return View3D();
    // Shown while no series is active, else when an active one uses it.
    return std::none_of(FSeries.begin(), FSeries.end(), [](const TChartSeries* s) { return s->Active(); })
        || std::any_of(FSeries.begin(), FSeries.end(),
                       [&](const TChartSeries* s) { return s->Active() && s->UsesAxis(axis); });
}

TChartLayoutState TCustomAxisPanel::SaveLayout() const
{
    TChartLayoutState layout = TCustomChartPanel::SaveLayout();
    for (const TCustomChartAxis* axis : FAxes)
        layout.Axes.push_back(axis->LayoutState());
    return layout;
}

void TCustomAxisPanel::RestoreLayout(const TChartLayoutState& layout)
{
    TCustomChartPanel::RestoreLayout(layout);
    for (std::size_t i = 0; i < FAxes.size() && i < layout.Axes.size(); ++i)
        FAxes[i]->RestoreLayout(layout.Axes[i]);
}

void TCustomAxisPanel::DrawContent(const TRect& bounds)
{
    TChartCanvas3D& canvas = Canvas();
    PaintPanel(bounds);
    DrawTitlesAndLegend();
    CalcAxesRect();
    CalcSeriesMargins();
    DrawWalls();
    if (FAxisVisible) {
        if (OnBeforeDrawAxes)
            OnBeforeDrawAxes();
        for (TCustomChartAxis* axis : FAxes)
            if (AxisIsShown(*axis))
                axis->PaintAxis();
    }
    if (OnBeforeDrawSeries)
        OnBeforeDrawSeries();
    for (TChartSeries* series : FSeries) {
        if (!series->Active())
            continue;
        series->UpdateVisibleRange();
        if (series->FirstVisible() == -1)
            continue;
        if (series->BeforeDrawValues)
            series->BeforeDrawValues(*series);
        // On the screen the series are always clipped to the plot.
        canvas.ClipToPlotArea(FPlotRect, 0, 0);
        series->DrawAllValues();
        canvas.RemoveClip();
        if (series->AfterDrawValues)
            series->AfterDrawValues(*series);
    }
    DrawOverlay();
    canvas.ResetDrawingDefaults();
    if (OnAfterDraw)
        OnAfterDraw();
}
