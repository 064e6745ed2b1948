#include "app/ProgressBar.h"

#include "core/InvalidOperation.h"

#include <algorithm>

TProgressBar::TProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TProgressBar::SetMin(std::int32_t min)
{
    if (min > maximum())
        throw EInvalidOperation::PropertyOutOfRange("TProgressBar");
    setMinimum(min);
    SetPosition(FPosition);
}

void TProgressBar::SetMax(std::int32_t max)
{
    if (max < minimum())
        throw EInvalidOperation::PropertyOutOfRange("TProgressBar");
    setMaximum(max);
    SetPosition(FPosition);
}

void TProgressBar::SetPosition(std::int32_t position)
{
    FPosition = std::clamp(position, minimum(), maximum());
    ShowPosition();
}

void TProgressBar::ShowPosition()
{
    // Qt redraws on every change of value; a sweep steps the position once per row,
    // so pass on only the steps that move the fill by a pixel.
    const long long range = static_cast<long long>(maximum()) - minimum();
    const long long span = std::max(1, width());
    const long long filled = range > 0 ? (static_cast<long long>(FPosition) - minimum()) * span / range : span;
    if (filled != FFilled || FPosition == minimum() || FPosition == maximum()) {
        FFilled = filled;
        setValue(FPosition);
    }
}
