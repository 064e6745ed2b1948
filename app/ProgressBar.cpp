#include "ProgressBar.h"

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
}

void TProgressBar::SetMax(std::int32_t max)
{
    if (max < minimum())
        throw EInvalidOperation::PropertyOutOfRange("TProgressBar");
    setMaximum(max);
}

void TProgressBar::SetPosition(std::int32_t position)
{
    setValue(std::clamp(position, minimum(), maximum()));
}
