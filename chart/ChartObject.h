#pragma once
#include "core/StoreChanged.h"

#include <functional>

// A settings object of a chart (pen, brush, font, wall, title …) that reports each
// change to its owner, who then repaints the chart.
class TChartObject {
public:
    TChartObject(const TChartObject&) = delete;
    TChartObject& operator=(const TChartObject&) = delete;

protected:
    explicit TChartObject(std::function<void()> onChange) : FOnChange(std::move(onChange)) {}
    ~TChartObject() = default;

    template <class T>
    void Set(T& field, const T& value)
    {
        StoreChanged(field, value, [this] { Changed(); });
    }
    void Changed() const
    {
        if (FOnChange)
            FOnChange();
    }
    const std::function<void()>& OnChange() const { return FOnChange; }

private:
    std::function<void()> FOnChange;
};
