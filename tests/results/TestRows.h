#pragma once
// Two-column rows for the table tests, from their texts in order.
#include "results/RowTexts.h"

#include <initializer_list>

inline TRowTexts TwoColumnRows(std::initializer_list<const char*> texts)
{
    TRowTexts rows(2);
    for (const char* text : texts)
        rows.Append(text);
    return rows;
}
