#pragma once
// What lies under a pixel of a chart, as the mouse handling asks it.
class TChartSeries;
class TCustomChartAxis;

enum TChartClickedPartStyle { cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect };

struct TChartClickedPart {
    TChartClickedPartStyle Part = cpNone;
    // For a series: the series and the point (or the first point of the line) under the pixel.
    TChartSeries* ASeries = nullptr;
    int PointIndex = -1;
    // For an axis: the axis.
    TCustomChartAxis* AAxis = nullptr;
};
