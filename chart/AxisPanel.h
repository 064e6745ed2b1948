#pragma once
// The chart with axes and series: the five axes in their order (bottom, top, left,
// right, depth), the list of series, and the paint in its fixed order: panel, titles,
// axis ranges and room, series margins, back wall, axes, then the series clipped
// to the plot.
#include "chart/ChartAxis.h"
#include "chart/ChartPanel.h"
#include "chart/ChartSeries.h"
#include "chart/SeriesChart.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

// Told of each axis label before it is drawn, and may change its text. Series is
// none and the index −1 for value labels.
using TAxisOnGetLabel = std::function<void(TCustomChartAxis& sender, TChartSeries* series, int valueIndex, AnsiString& labelText)>;
// Gives the axis its value labels one by one; setting stop ends them.
using TAxisOnGetNextLabel = std::function<void(TCustomChartAxis& sender, int labelIndex, double& labelValue, bool& stop)>;

class TCustomAxisPanel : public TCustomChartPanel, public TSeriesChart {
public:
    TCustomAxisPanel();
    // Detaches every series, in list order; the series themselves belong to their owner.
    ~TCustomAxisPanel() override;

    TChartAxis& BottomAxis() { return *FBottomAxis; }
    TChartAxis& TopAxis() { return *FTopAxis; }
    TChartAxis& LeftAxis() { return *FLeftAxis; }
    TChartAxis& RightAxis() { return *FRightAxis; }
    TChartDepthAxis& DepthAxis() { return *FDepthAxis; }
    // The four side axes top, left, right, bottom: the order of the series margins and
    // of the saved scales.
    std::array<TChartAxis*, 4> SideAxes() { return {FTopAxis.get(), FLeftAxis.get(), FRightAxis.get(), FBottomAxis.get()}; }
    // The five axes in the order of range computation, layout and painting.
    const std::vector<TCustomChartAxis*>& AxesList() const { return FAxes; }

    const std::vector<TChartSeries*>& SeriesList() const { return FSeries; }
    int SeriesCount() const { return static_cast<int>(FSeries.size()); }
    TChartSeries& SeriesAt(int index) const { return *FSeries.at(static_cast<std::size_t>(index)); }

    bool AxisVisible() const { return FAxisVisible; }
    void SetAxisVisible(bool value) { SetProperty(FAxisVisible, value); }
    // Clipping is not switched off: the series are always clipped to the plot.
    bool ClipPoints() const { return FClipPoints; }
    void SetClipPoints(bool value) { SetProperty(FClipPoints, value); }
    // The side walls belong to the 3D view, which is not drawn: View3DWalls changes nothing.
    bool View3DWalls() const { return FView3DWalls; }
    void SetView3DWalls(bool value) { SetProperty(FView3DWalls, value); }
    int MaxPointsPerPage() const { return FMaxPointsPerPage; }
    // ChartException when negative. Paging is not drawn: every point is on the one page.
    void SetMaxPointsPerPage(int value);

    // The lowest or highest value of the series that set the axis' range; 0 when none.
    double SeriesExtreme(const TCustomChartAxis& axis, bool low, bool xDimension) const;
    // Whether the axis takes part in layout and painting.
    bool AxisIsShown(const TCustomChartAxis& axis) const;

    TAxisOnGetLabel OnGetAxisLabel;
    TAxisOnGetNextLabel OnGetNextAxisLabel;
    std::function<void()> OnBeforeDrawAxes;
    std::function<void()> OnBeforeDrawSeries;
    std::function<void()> OnAfterDraw;

    // What the series see of their chart.
    void Invalidate() override { TCustomChartPanel::Invalidate(); }
    bool IsDestroying() const override { return FDestroying; }
    void AddSeries(TChartSeries& series) override;
    void RemoveSeries(TChartSeries& series) override;
    TChartAxis* GetTopAxis() const override { return FTopAxis.get(); }
    TChartAxis* GetBottomAxis() const override { return FBottomAxis.get(); }
    TChartAxis* GetLeftAxis() const override { return FLeftAxis.get(); }
    TChartAxis* GetRightAxis() const override { return FRightAxis.get(); }
    bool IsHorizontal(const TCustomChartAxis& axis) const override { return axis.IsHorizontal(); }
    TChartCanvas3D& Canvas() override { return TCustomChartPanel::Canvas(); }
    const TRect& PlotRect() const override { return FPlotRect; }

protected:
    void DrawContent(const TRect& bounds) override;
    // The rectangles and each axis' layout.
    TChartLayoutState SaveLayout() const override;
    void RestoreLayout(const TChartLayoutState& layout) override;
    // The steps of the paint that the chart with walls and titles provides.
    virtual void DrawTitlesAndLegend() = 0;
    virtual void CalcAxesRect() = 0;
    virtual void CalcSeriesMargins() = 0;
    virtual void DrawWalls() = 0;
    // The width of a 3D wall next to the axis: none in a flat chart.
    virtual int WallSize(const TCustomChartAxis& axis) const = 0;
    // Whether a palette colour is free for a new series.
    virtual bool IsFreeSeriesColor(TColor color) const = 0;
    // Drawn over everything else at the end of a paint (the rubber band of a zoom drag).
    virtual void DrawOverlay() {}

    friend class TCustomChartAxis;

private:
    std::unique_ptr<TChartAxis> FBottomAxis;
    std::unique_ptr<TChartAxis> FTopAxis;
    std::unique_ptr<TChartAxis> FLeftAxis;
    std::unique_ptr<TChartAxis> FRightAxis;
    std::unique_ptr<TChartDepthAxis> FDepthAxis;
    std::vector<TCustomChartAxis*> FAxes;
    std::vector<TChartSeries*> FSeries;
    bool FDestroying = false;
    bool FAxisVisible = true;
    bool FClipPoints = true;
    bool FView3DWalls = true;
    int FMaxPointsPerPage = 0;
};
