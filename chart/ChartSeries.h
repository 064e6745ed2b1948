#pragma once
// A chart series: points with X and Y values, a colour and a label each, kept in
// X order. Every change asks the chart it belongs to for a repaint.
#include "chart/ChartObject.h"
#include "chart/ChartValueList.h"
#include "chart/PointLabels.h"
#include "chart/SeriesChart.h"
#include "chart/SeriesMarks.h"
#include "core/AnsiString.h"
#include "core/Colors.h"

#include <Qt>

#include <functional>
#include <optional>
#include <vector>

// Which axes map the series' X and Y. There are no custom axes in this system:
// aCustomHorizAxis resolves to the bottom axis, aCustomVertAxis to the left one.
enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

class TChartSeries {
public:
    TChartSeries();
    virtual ~TChartSeries();
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    // Adds a point with Y = value and X = PointCount; returns its index, or −1
    // when OnBeforeAdd refused it.
    int AddPoint(double value, std::string_view label, TColor color);
    // Adds a point at its place in X order; returns its index, or −1 when refused.
    int AddPointXY(double x, double y, std::string_view label, TColor color);
    // Room for this many points with labels of this many characters in all, for a
    // caller about to add them in one go.
    void ReservePoints(int count, std::size_t labelChars);
    // Removes every point and releases the storage.
    void ClearPoints();

    int PointCount() const { return FXValues.ValueCount(); }
    // EListError for an index outside the points.
    double XValueAt(int index) const { return FXValues.ValueAt(index); }
    double YValueAt(int index) const { return FYValues.ValueAt(index); }
    // The point's own colour; with AutoColor the palette colour when ColorEachPoint,
    // else SeriesColor. SeriesColor past the points.
    TColor PointColor(int index) const;
    // Whether every point is drawn in SeriesColor: none has a colour of its own.
    bool OneColor() const { return FOwnColors == 0 && !FColorEachPoint; }
    // The point's label, or the empty text past the stored labels.
    std::string_view PointLabel(int index) const;
    int LabelCount() const { return FLabels.Count(); }

    // Extent of the scaled values; 0 for an empty series.
    double LowestX() const { return FXValues.LowestValue(); }
    double HighestX() const { return FXValues.HighestValue(); }
    double LowestY() const { return FYValues.LowestValue(); }
    double HighestY() const { return FYValues.HighestValue(); }

    TChartValueList& XValues() { return FXValues; }
    const TChartValueList& XValues() const { return FXValues; }
    TChartValueList& YValues() { return FYValues; }
    const TChartValueList& YValues() const { return FYValues; }

    // Leaves the previous chart, resolves the axes and joins the new one (nullptr: none).
    void SetParentChart(TSeriesChart* chart);
    TSeriesChart* ParentChart() const { return FParentChart; }
    // The axes resolved from HorizAxis and VertAxis; nullptr without a chart.
    TChartAxis* GetHorizAxis() const { return FGetHorizAxis; }
    TChartAxis* GetVertAxis() const { return FGetVertAxis; }
    // True when the axis maps this series' X (horizontal axis) or Y (vertical axis).
    bool UsesAxis(const TCustomChartAxis& axis) const;
    // Asks the chart, if any, to invalidate.
    void Repaint() const;

    // Point index range of the last paint; −1 when nothing is drawn.
    int FirstVisible() const { return FFirstVisible; }
    int LastVisible() const { return FLastVisible; }
    // Whether the visible range keeps one point past the right edge of the plot.
    virtual bool DrawsOneBeyond() const { return false; }
    // Narrows FirstVisible … LastVisible to the points within the horizontal axis'
    // range at the plot's edges (all points when X is not kept in order).
    void UpdateVisibleRange();
    // The pixel of a point on the series' horizontal (vertical) axis.
    int PointScreenX(int index) const;
    int PointScreenY(int index) const;

    // Drawing, called by the chart inside its paint with the canvas clipped to the plot.
    virtual void DrawAllValues();
    virtual void DrawValue(int index);
    // Pixels the axes keep free around the series' extent.
    virtual void GetHorizMargins(int& left, int& right) const;
    virtual void GetVertMargins(int& top, int& bottom) const;
    // The point under a pixel of the chart, or −1.
    virtual int PointAtPixel(int x, int y) const;

    // Each setter stores only a changed value and then invalidates the chart.
    bool Active() const { return FActive; }
    void SetActive(bool value) { SetProperty(FActive, value); }
    TColor SeriesColor() const { return FSeriesColor; }
    void SetSeriesColor(TColor value) { SetProperty(FSeriesColor, value); }
    bool ColorEachPoint() const { return FColorEachPoint; }
    // Leaving it False also resets every point colour to AutoColor.
    void SetColorEachPoint(bool value);
    const AnsiString& Title() const { return FTitle; }
    void SetTitle(const AnsiString& value) { SetProperty(FTitle, value); }
    const AnsiString& ValueFormat() const { return FValueFormat; }
    void SetValueFormat(const AnsiString& value) { SetProperty(FValueFormat, value); }
    const AnsiString& PercentFormat() const { return FPercentFormat; }
    void SetPercentFormat(const AnsiString& value) { SetProperty(FPercentFormat, value); }
    bool ShowInLegend() const { return FShowInLegend; }
    void SetShowInLegend(bool value) { SetProperty(FShowInLegend, value); }
    THorizAxis HorizAxis() const { return FHorizAxis; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return FVertAxis; }
    void SetVertAxis(TVertAxis value);
    TSeriesMarks& Marks() { return FMarks; }
    const TSeriesMarks& Marks() const { return FMarks; }
    // The cursor the chart shows while the mouse rests on one of the series' points
    // or lines; none: the chart's own. It changes no picture.
    const std::optional<Qt::CursorShape>& Cursor() const { return FCursor; }
    void SetCursor(std::optional<Qt::CursorShape> value) { FCursor = value; }

    // Asked before each add; answering false refuses the point.
    std::function<bool(TChartSeries&)> OnBeforeAdd;
    // Told the index of each added point.
    std::function<void(TChartSeries&, int)> OnAfterAdd;
    std::function<void(TChartSeries&)> OnClearValues;
    // Told before and after the series' points are drawn.
    std::function<void(TChartSeries&)> BeforeDrawValues;
    std::function<void(TChartSeries&)> AfterDrawValues;

protected:
    int FFirstVisible = -1;
    int FLastVisible = -1;

    template <class T>
    void SetProperty(T& field, const T& value)
    {
        StoreChanged(field, value, [this] { Repaint(); });
    }

private:
    void ResolveAxes();

    TChartValueList FXValues;
    TChartValueList FYValues;
    // Each point's colour; empty while every point is AutoColor.
    std::vector<TColor> FColors;
    int FOwnColors = 0; // points whose colour is not AutoColor
    TPointLabels FLabels;
    TSeriesMarks FMarks;

    TSeriesChart* FParentChart = nullptr;
    TChartAxis* FGetHorizAxis = nullptr;
    TChartAxis* FGetVertAxis = nullptr;

    bool FActive = true;
    TColor FSeriesColor = AutoColor;
    bool FColorEachPoint = false;
    AnsiString FTitle;
    AnsiString FValueFormat = "#,##0.###";
    AnsiString FPercentFormat = "##0.## %";
    bool FShowInLegend = true;
    THorizAxis FHorizAxis = aBottomAxis;
    TVertAxis FVertAxis = aLeftAxis;
    std::optional<Qt::CursorShape> FCursor;
};
