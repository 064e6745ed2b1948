#pragma once
// The main window's stored layout.
#include "app/ControlLayout.h"
#include "app/ListItems.h"

#include <span>
#include <vector>

class TForm1;

std::span<const TControlLayout> Form1Layout();
// The results list's columns: the results' captions, with the widths and alignments
// the window gives them.
std::vector<TListItems::TColumn> ResultColumns();

class TChart;
class TLineSeries;

// What the window sets on one of its charts; everything else is the chart's default.
struct TChartLayout {
    TChart* TForm1::*Chart;
    TLineSeries TForm1::*Series;
    bool Panning;             // whether a right drag moves the axes
    const char* BottomTitle;  // UTF-8
    const char* LeftTitle;    // UTF-8
};

std::span<const TChartLayout> Form1Charts();
// Gives the chart the window's settings and its series.
void ApplyChartLayout(TForm1& form, const TChartLayout& layout);
