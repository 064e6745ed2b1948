#pragma once
// Progress of one decode, told to a handler at the start, at most every
// 500 ms while libjpeg works and only when the percentage has changed, and at
// the end.
#include "picture/Graphic.h"

#include <chrono>
#include <cstdio>
#include <jpeglib.h>

using TJpegProgressEvent = std::function<void(TProgressStage stage, int percentDone, bool redrawNow, const QRect& rect)>;

// (pass counter / pass limit + completed passes) × 100 / total passes,
// truncated; −1 while libjpeg has not yet sized its passes.
int ProgressPercent(const jpeg_progress_mgr& progress);

class TJpegProgressReport {
public:
    explicit TJpegProgressReport(TJpegProgressEvent event);

    void Start();
    // From libjpeg's progress monitor. In buffered-image mode the report asks
    // for a redraw of the rows decoded since the last one.
    void Update(const jpeg_decompress_struct& info);
    void End(int percentDone);

private:
    using TClock = std::chrono::steady_clock;

    TJpegProgressEvent FEvent;
    TClock::time_point FLastTime;
    int FLastPercent = 0;
    JDIMENSION FLastRow = 0;
};
