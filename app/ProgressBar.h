#pragma once
// A progress indicator with a 32-bit range.
#include <QProgressBar>

#include <cstdint>

class TProgressBar : public QProgressBar {
public:
    explicit TProgressBar(QWidget* parent);

    std::int32_t Min() const { return minimum(); }
    std::int32_t Max() const { return maximum(); }
    std::int32_t Position() const { return FPosition; }
    // A Min above Max, or a Max below Min, is refused with "TProgressBar property out of range".
    void SetMin(std::int32_t min);
    void SetMax(std::int32_t max);
    // A position beyond the range is held at its nearer end, so the bar stays empty or full.
    void SetPosition(std::int32_t position);

private:
    void ShowPosition();

    std::int32_t FPosition = 0;
    long long FFilled = -1; // pixels of the bar last drawn filled
};
