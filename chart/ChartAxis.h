#pragma once
// One axis of a chart. It keeps the axis' settings, takes its range from the series
// bound to it (or keeps a range set by hand), places itself along the plot rectangle
// and reserves the room its title, labels and ticks need. The work is done by parts
// of its own: the mapping between values and pixels (TAxisMapping), the step of the
// value labels (AxisLabelStep.h), the label values and texts (AxisLabelValues.h),
// all three free of Qt, and the drawing (TAxisPainter).
#include "chart/AxisLabelStep.h"
#include "chart/AxisMapping.h"
#include "chart/AxisTitle.h"
#include "chart/ChartFont.h"
#include "chart/ChartLayoutState.h"
#include "chart/ChartObject.h"
#include "chart/ChartPen.h"
#include "chart/ChartRect.h"
#include "core/AnsiString.h"

#include <memory>
#include <vector>

class TAxisPainter;
class TCustomAxisPanel;
class TChartSeries;

// Which labels an axis shows: chosen from the series (auto), none, numbers at a step,
// the series' mark texts, or the series' point labels.
enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

class TCustomChartAxis {
public:
    TCustomChartAxis(TCustomAxisPanel& chart, bool horizontal, bool otherSide, bool depth, int titleAngle);
    virtual ~TCustomChartAxis();
    TCustomChartAxis(const TCustomChartAxis&) = delete;
    TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

    TCustomAxisPanel& ParentChart() const { return FChart; }
    bool IsHorizontal() const { return FMapping.Horizontal; }
    bool IsOtherSide() const { return FOtherSide; }
    bool IsDepth() const { return FDepth; }

    // --- Range and step ---------------------------------------------------------
    bool Automatic() const { return FAutomatic; }
    // Also makes both ends automatic (or manual).
    void SetAutomatic(bool value);
    bool AutomaticMinimum() const { return FAutomaticMinimum; }
    void SetAutomaticMinimum(bool value);
    bool AutomaticMaximum() const { return FAutomaticMaximum; }
    void SetAutomaticMaximum(bool value);
    double Minimum() const { return FMinimum; }
    // AxisException when above Maximum.
    void SetMinimum(double value);
    double Maximum() const { return FMaximum; }
    // AxisException when below Minimum.
    void SetMaximum(double value);
    double Increment() const { return FIncrement; }
    // AxisException when negative.
    void SetIncrement(double value);
    int LabelsSeparation() const { return FLabelsSeparation; }
    // AxisException when negative.
    void SetLabelsSeparation(int value);
    bool Inverted() const { return FMapping.Inverted; }
    void SetInverted(bool value) { SetProperty(FMapping.Inverted, value); }
    // The scale stays linear; the flag is kept with its checks.
    bool Logarithmic() const { return FLogarithmic; }
    void SetLogarithmic(bool value);
    int LogarithmicBase() const { return FLogarithmicBase; }
    void SetLogarithmicBase(int value);
    double StartPosition() const { return FStartPosition; }
    void SetStartPosition(double value) { SetProperty(FStartPosition, value); }
    double EndPosition() const { return FEndPosition; }
    void SetEndPosition(double value) { SetProperty(FEndPosition, value); }
    double PositionPercent() const { return FPositionPercent; }
    void SetPositionPercent(double value) { SetProperty(FPositionPercent, value); }
    const AnsiString& AxisValuesFormat() const { return FAxisValuesFormat; }
    void SetAxisValuesFormat(const AnsiString& value) { SetProperty(FAxisValuesFormat, value); }
    // Date-time labels are not drawn: DateTimeFormat and ExactDateTime change nothing.
    const AnsiString& DateTimeFormat() const { return FDateTimeFormat; }
    void SetDateTimeFormat(const AnsiString& value) { SetProperty(FDateTimeFormat, value); }
    bool ExactDateTime() const { return FExactDateTime; }
    void SetExactDateTime(bool value) { SetProperty(FExactDateTime, value); }
    bool RoundFirstLabel() const { return FRoundFirstLabel; }
    void SetRoundFirstLabel(bool value) { SetProperty(FRoundFirstLabel, value); }

    // The working range of the last layout, and the axis' place along the plot.
    double RangeMin() const { return FMapping.RangeMin; }
    double RangeMax() const { return FMapping.RangeMax; }
    double RangeSize() const { return FMapping.RangeSize(); }
    int AxisStart() const { return FMapping.Start; }
    int AxisEnd() const { return FMapping.End; }
    int AxisLength() const { return FMapping.Length(); }
    int AxisCenter() const { return FMapping.Center(); } // truncated toward zero
    int LinePos() const { return FLinePos; }
    int LabelsPos() const { return FLabelsPos; }
    int TitlePos() const { return FTitlePos; }

    // The working range, place and positions the last layout left, and putting them back.
    TAxisLayoutState LayoutState() const;
    void RestoreLayout(const TAxisLayoutState& layout);

    // Minimum and Maximum from the series where automatic, then the working range.
    void ComputeRange();
    // AxisStart … AxisEnd along the chart's plot rectangle.
    void PlaceAxis();
    // Widens the range so that the data keeps the given pixels from the axis' ends.
    void FitRangeToMargins(int startMargin, int endMargin);
    // The pixel of a value: the axis' middle for a range of size 0 or a value far off the axis.
    int ValueToPos(double value) const { return FMapping.ValueToPos(value); }
    // The same, except that a value too far off the axis for a pixel (or no number)
    // lies far beyond the axis' end on its side, not in the middle: a line through it
    // then leaves the plot instead of cutting across it.
    int ValueToPosClamped(double value) const { return FMapping.ValueToPosClamped(value); }
    // The value at a pixel; 0 for an axis of no length.
    double PosToValue(int pos) const { return FMapping.PosToValue(pos); }
    const TAxisMapping& Mapping() const { return FMapping; }

    // The step between value labels, from the room the labels of the range's ends
    // take in the labels font.
    double LabelStep();
    // The smallest step of the 1-2-5 sequence (or Increment raised along it) that
    // leaves at most the given number of labels.
    double StepForLabelCount(int maxCount) const { return ::StepForLabelCount(StepRule(), RangeSize(), maxCount); }
    static double NextLabelStep(double x) { return ::NextLabelStep(x); }

    // Makes the axis manual with the range low … high (swapped when reversed, at least 1e-10 wide).
    void SetManualRange(double low, double high);
    // Moves both ends by the offset; with checkLimits only towards data beyond the range.
    void ShiftRange(double offset, bool checkLimits);

    // --- Labels, ticks, grid and title -----------------------------------------
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { SetProperty(FVisible, value); }
    bool Labels() const { return FLabels; }
    void SetLabels(bool value) { SetProperty(FLabels, value); }
    TAxisLabelStyle LabelStyle() const { return FLabelStyle; }
    void SetLabelStyle(TAxisLabelStyle value) { SetProperty(FLabelStyle, value); }
    TChartFont& LabelsFont() { return *FLabelsFont; }
    int LabelsAngle() const { return FLabelsAngle; }
    // ChartException outside 0 … 359.
    void SetLabelsAngle(int value);
    bool LabelsMultiLine() const { return FLabelsMultiLine; }
    void SetLabelsMultiLine(bool value) { SetProperty(FLabelsMultiLine, value); }
    bool LabelsOnAxis() const { return FLabelsOnAxis; }
    void SetLabelsOnAxis(bool value) { SetProperty(FLabelsOnAxis, value); }
    int LabelsSize() const { return FLabelsSize; }
    void SetLabelsSize(int value) { SetProperty(FLabelsSize, value); }
    TChartAxisTitle& Title() { return FTitle; }
    const TChartAxisTitle& Title() const { return FTitle; }
    int TitleSize() const { return FTitleSize; }
    void SetTitleSize(int value) { SetProperty(FTitleSize, value); }
    TChartPen& Axis() { return FAxisPen; }
    TChartPen& Ticks() { return FTicks; }
    int TickLength() const { return FTickLength; }
    void SetTickLength(int value) { SetProperty(FTickLength, value); }
    TChartPen& TicksInner() { return FTicksInner; }
    int TickInnerLength() const { return FTickInnerLength; }
    void SetTickInnerLength(int value) { SetProperty(FTickInnerLength, value); }
    TChartPen& MinorTicks() { return FMinorTicks; }
    int MinorTickLength() const { return FMinorTickLength; }
    void SetMinorTickLength(int value) { SetProperty(FMinorTickLength, value); }
    int MinorTickCount() const { return FMinorTickCount; }
    void SetMinorTickCount(int value) { SetProperty(FMinorTickCount, value); }
    bool TickOnLabelsOnly() const { return FTickOnLabelsOnly; }
    void SetTickOnLabelsOnly(bool value) { SetProperty(FTickOnLabelsOnly, value); }
    TChartPen& Grid() { return FGrid; }
    bool GridCentered() const { return FGridCentered; }
    void SetGridCentered(bool value) { SetProperty(FGridCentered, value); }
    TChartPen& MinorGrid() { return FMinorGrid; }

    // The label style in force: LabelStyle, or for talAuto the series' point labels
    // when the first series bound to the axis labels it, numbers otherwise.
    TAxisLabelStyle EffectiveLabelStyle() const;
    // A number as a value label: AxisValuesFormat, the chart's OnGetAxisLabel, and
    // with LabelsMultiLine a line per word.
    AnsiString ValueLabelText(double value, bool askChart = true);
    int LabelsExtent();
    int TitleExtent();
    int TickExtent() const;
    // Takes the room of the title, labels and ticks from the axis' side of the rectangle.
    void ReserveAxisSpace(TRect& rect);
    // Draws title, labels, axis line, ticks and grid.
    void PaintAxis();
    // A text of one or more lines placed for this axis' side and the angle.
    void DrawAxisText(int x, int y, const AnsiString& text, int angle);
    // Whether (x, y) lies on the axis: its ticks, labels' anchor line and 3 pixels of the plot.
    bool AxisHitTest(int x, int y) const;
    // Where the last paint put the major ticks, in the order the labels came.
    const std::vector<int>& TickPositions() const { return FTickPositions; }

    // At most this many tick positions are kept while an axis is painted; labels
    // beyond them are still drawn, without a tick or grid line.
    static constexpr std::size_t kMaxTickPositions = 2000;

private:
    template <class T>
    void SetProperty(T& field, const T& value)
    {
        StoreChanged(field, value, [this] { Invalidate(); });
    }
    void Invalidate();
    // Whether labels of this axis run along it (else across it) at the angle.
    bool RunsAlong(int angle) const;
    TStepRule StepRule() const { return {FIncrement, FLabelsSeparation}; }
    // A text's size in the font: its widest line along the axis, its lines' height across it.
    int SizeAcross(std::string_view text, bool along, const TChartFont& font) const;
    int WidestLine(std::string_view text, const TChartFont& font) const;
    // Cuts n pixels from the axis' side of the rectangle; answers the new edge.
    int Cut(TRect& rect, int n) const;
    int Shifted(int pos, const TRect& rect) const;
    void AddTick(int pos);
    // Draws a label at the position along the axis, with its tick when ticks stand
    // only under labels.
    void DrawLabel(TAxisPainter& painter, int pos, const AnsiString& text);
    void PlaceValueLabel(TAxisPainter& painter, double value);
    void DrawValueLabels(TAxisPainter& painter, double step);
    void DrawCustomValueLabels(TAxisPainter& painter, double step);
    void DrawSeriesLabels(TAxisPainter& painter, TAxisLabelStyle style);
    // The same for the labels of one series whose X rises along this axis, drawn apart
    // with ticks under them only and no handler to ask: first … last are visible.
    void DrawRisingSeriesLabels(TAxisPainter& painter, TChartSeries& series, int first, int last,
                                TAxisLabelStyle style, bool along);
    // A painter onto the chart's canvas, for the paint in progress.
    TAxisPainter Painter();
    // The series whose labels the axis shows, in list order.
    std::vector<TChartSeries*> LabelledSeries() const;
    AnsiString SeriesLabelText(TChartSeries& series, int index, TAxisLabelStyle style);

    TCustomAxisPanel& FChart;
    // The range, the place along the plot, and the orientation.
    TAxisMapping FMapping;
    const bool FOtherSide;
    const bool FDepth;

    bool FAutomatic = true;
    bool FAutomaticMinimum = true;
    bool FAutomaticMaximum = true;
    double FMinimum = 0;
    double FMaximum = 0;
    double FIncrement = 0;
    int FLabelsSeparation = 10;
    bool FLogarithmic = false;
    int FLogarithmicBase = 10;
    double FStartPosition = 0;
    double FEndPosition = 100;
    double FPositionPercent = 0;
    AnsiString FAxisValuesFormat = "#,##0.###";
    AnsiString FDateTimeFormat;
    bool FExactDateTime = true;
    bool FRoundFirstLabel = true;

    int FLinePos = 0;
    int FLabelsPos = 0;
    int FTitlePos = 0;

    bool FVisible = true;
    bool FLabels = true;
    TAxisLabelStyle FLabelStyle = talAuto;
    std::unique_ptr<TChartFont> FLabelsFont;
    int FLabelsAngle = 0;
    bool FLabelsMultiLine = false;
    bool FLabelsOnAxis = true;
    int FLabelsSize = 0;
    TChartAxisTitle FTitle;
    int FTitleSize = 0;
    TChartAxisPen FAxisPen;
    TDarkGrayPen FTicks;
    int FTickLength = 4;
    TDarkGrayPen FTicksInner;
    int FTickInnerLength = 0;
    TDarkGrayPen FMinorTicks;
    int FMinorTickLength = 2;
    int FMinorTickCount = 3;
    bool FTickOnLabelsOnly = true;
    TDottedGrayPen FGrid;
    bool FGridCentered = false;
    TChartHiddenPen FMinorGrid;

    std::vector<int> FTickPositions;
};

// The left, top, right and bottom axes.
class TChartAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};

// The depth axis of a 3D chart; hidden in a flat one.
class TChartDepthAxis : public TCustomChartAxis {
public:
    explicit TChartDepthAxis(TCustomAxisPanel& chart);
};
