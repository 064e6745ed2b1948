#pragma once
// The main window at the design resolution after Calculate, with the page of a chart
// shown (1: attenuation, 2: phase for the first row) and painted.
#include "app/Button.h"
#include "app/Edit.h"
#include "app/PageControl.h"
#include "chart/Chart.h"
#include "platform/Scaling.h"
#include "ui/ProgramWindows.h"

#include <QCoreApplication>

#include <memory>

// ~900,000 rows: Мн from 1,0001 to 10 in steps of 0,00001.
constexpr const char* kLargeTo = "10";
constexpr const char* kLargeStep = "0,00001";

class TCalculatedWindow {
public:
    TCalculatedWindow(const char* to, const char* step, int page = 1)
    {
        SetScreenPixelsPerInch(kDesignPixelsPerInch);
        FWindows = std::make_unique<TProgramWindows>();
        TForm1& form = FWindows->Main;
        form.Edit4->SetText(to);
        form.Edit5->SetText(step);
        form.Show();
        form.Button1->click();
        form.PageControl2->SetActivePageIndex(page);
        form.PageControl2Change();
        QCoreApplication::processEvents();
    }
    TForm1& Form() { return FWindows->Main; }
    TChart& Chart() { return *FWindows->Main.Chart1; }
    int Points() { return FWindows->Main.Series1.PointCount(); }

private:
    std::unique_ptr<TProgramWindows> FWindows;
};
