#pragma once
// The results table's columns and the texts of its rows: one source for the results
// list and for the table the command line writes.
#include "app/ListItems.h"
#include "app/RowTexts.h"
#include "calc/CapacitorSweep.h"

#include <functional>
#include <vector>

// Мн, attenuation, capacitance: captions, widths and alignments.
std::vector<TListItems::TColumn> ResultColumns();

// The three texts of each sweep row in column order, every quantity written with the
// picture "0.0000"; afterRow runs once after each row.
TRowTexts ResultRowTexts(const std::vector<TSweepRow>& rows, const std::function<void()>& afterRow = {});
