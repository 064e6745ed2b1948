#include "picture/JpegProgressReport.h"

#include "core/Extended.h"

namespace {

constexpr auto ReportInterval = std::chrono::milliseconds(500);

} // namespace

int ProgressPercent(const jpeg_progress_mgr& progress)
{
    if (progress.pass_limit <= 0 || progress.total_passes <= 0)
        return -1;
    const TExtended done = TExtended(static_cast<std::int64_t>(progress.pass_counter)) / static_cast<std::int64_t>(progress.pass_limit)
        + progress.completed_passes;
    return static_cast<int>((done * 100 / progress.total_passes).TruncToInt64());
}

TJpegProgressReport::TJpegProgressReport(TJpegProgressEvent event)
    : FEvent(std::move(event))
{
}

void TJpegProgressReport::Start()
{
    FLastTime = TClock::now();
    FLastPercent = 0;
    FLastRow = 0;
    if (FEvent)
        FEvent(psStarting, 0, false, QRect());
}

void TJpegProgressReport::Update(const jpeg_decompress_struct& info)
{
    if (!FEvent)
        return;
    const TClock::time_point now = TClock::now();
    if (now - FLastTime < ReportInterval)
        return;
    const int percent = ProgressPercent(*info.progress);
    if (percent < 0 || percent == FLastPercent)
        return;
    FLastTime = now;
    FLastPercent = percent;
    QRect rows;
    if (info.buffered_image) {
        if (info.output_scanline < FLastRow)
            FLastRow = 0;
        rows = QRect(0, static_cast<int>(FLastRow), static_cast<int>(info.output_width),
            static_cast<int>(info.output_scanline - FLastRow));
        FLastRow = info.output_scanline;
    }
    FEvent(psRunning, percent, info.buffered_image != FALSE, rows);
}

void TJpegProgressReport::End(int percentDone)
{
    if (FEvent)
        FEvent(psEnding, percentDone, false, QRect());
}
