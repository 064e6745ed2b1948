#pragma once
// The main window: the inputs, the results list and the two charts.
#include "app/Action.h"
#include "app/Form.h"
#include "app/ListItems.h"
#include "chart/LineSeries.h"
#include "results/InputTexts.h"

class TButton;
class TChart;
class TEdit;
class TGroupBox;
class TLabel;
class TListView;
class TPageControl;
class TPanel;
class TProgressBar;
class TSplitter;
class TStaticText;
class TTabSheet;

class TForm1 : public TForm {
public:
    TForm1();

    TPageControl* PageControl1;
    TTabSheet* TabSheet1;
    TPanel* Panel1;
    TListView* List;
    TSplitter* Splitter1;
    TPageControl* PageControl2;
    TTabSheet* TabSheet2;
    TTabSheet* TabSheet3;
    TTabSheet* TabSheet4;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TEdit* Edit1;
    TEdit* Edit2;
    TEdit* Edit3;
    TEdit* Edit4;
    TEdit* Edit5;
    TButton* Button1;
    TButton* Button2;
    TProgressBar* Bar;
    TGroupBox* GroupBox1;
    TStaticText* StaticText1;
    TChart* Chart1;
    TChart* Chart2;
    TLineSeries Series1;
    TLineSeries Series2;
    TActionList ActionList1;
    TAction* Action1;

    // Enables Calculate exactly when the five inputs parse and are in range; when it is
    // refused, its hint says why and the fields whose texts do not parse are marked.
    void Action1Update(TAction* sender);
    // Calculates the table, then puts the keyboard focus on the results.
    void Action1Execute(TAction* sender);
    // Replots the phase for every reported row while the phase page is shown.
    void ListChange(int item, TItemChange change);
    // Replots the phase for the selected row when the phase page is switched to.
    void PageControl2Change();
    // Shows the schematic window modally.
    void Button2Click();

    // Fills the results list and Series1 with one row and point per Мн. Everything is
    // computed before anything is shown, so a failed calculation leaves the previous
    // results as they were.
    void CalcCapacitorTable();
    // Fills Series2 with the phase shift of the capacitance over 1 to 199 Hz.
    void PlotPhaseResponse(double cc);

    // The five input texts as typed.
    TInputTexts InputTexts() const;
    // The field of an input.
    TEdit* InputEdit(TInput input) const;

private:
    // The capacitance text of a results row, as a number.
    double RowCapacitance(int row) const;
};

extern TForm1* Form1;
