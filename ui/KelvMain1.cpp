#include "ui/KelvMain1.h"

#include "ui/AboutBox.h"

#include "app/Appearance.h"
#include "app/Button.h"
#include "app/Edit.h"
#include "app/GroupBox.h"
#include "app/Label.h"
#include "app/ListView.h"
#include "app/PageControl.h"
#include "app/Panel.h"
#include "app/ProgressBar.h"
#include "app/Splitter.h"
#include "app/StaticText.h"
#include "chart/Chart.h"
#include "core/CheckedFloat.h"
#include "numtext/ParseDecimal.h"
#include "numtext/TrimBlanks.h"
#include "results/InputsCheck.h"
#include "ui/AboutBox.h"
#include "ui/ChartCommands.h"
#include "ui/KelvMain1Layout.h"
#include "ui/ListCommands.h"
#include "ui/sx.h"

#include <stdexcept>

TForm1* Form1 = nullptr;

TForm1::TForm1() : TForm("Form1")
{
    SetClientSize(729, 484);
    // Any smaller and the list or the input page would cut its controls, or the group
    // box would cover the inputs.
    setMinimumSize(size());

    PageControl1 = NewControl<TPageControl>(this, "PageControl1", tsTabs);
    TabSheet1 = PageControl1->AddPage("TabSheet1");
    Panel1 = NewControl<TPanel>(TabSheet1, "Panel1");
    Panel1->SetBevelOuter(bvNone);
    List = NewControl<TListView>(Panel1, "List", ResultColumns());
    Splitter1 = NewControl<TSplitter>(TabSheet1, "Splitter1");
    PageControl2 = NewControl<TPageControl>(TabSheet1, "PageControl2", tsButtons);
    TabSheet2 = PageControl2->AddPage("TabSheet2");
    TabSheet3 = PageControl2->AddPage("TabSheet3");
    TabSheet4 = PageControl2->AddPage("TabSheet4");

    Label1 = NewControl<TLabel>(TabSheet2, "Label1");
    Label2 = NewControl<TLabel>(TabSheet2, "Label2");
    Label3 = NewControl<TLabel>(TabSheet2, "Label3");
    Label4 = NewControl<TLabel>(TabSheet2, "Label4");
    Label5 = NewControl<TLabel>(TabSheet2, "Label5");
    Edit1 = NewControl<TEdit>(TabSheet2, "Edit1");
    Edit2 = NewControl<TEdit>(TabSheet2, "Edit2");
    Edit3 = NewControl<TEdit>(TabSheet2, "Edit3");
    Edit4 = NewControl<TEdit>(TabSheet2, "Edit4");
    Button1 = NewControl<TButton>(TabSheet2, "Button1");
    Bar = NewControl<TProgressBar>(TabSheet2, "Bar");
    Edit5 = NewControl<TEdit>(TabSheet2, "Edit5");
    Button2 = NewControl<TButton>(TabSheet2, "Button2");
    GroupBox1 = NewControl<TGroupBox>(TabSheet2, "GroupBox1");
    StaticText1 = NewControl<TStaticText>(GroupBox1, "StaticText1");

    Chart1 = NewControl<TChart>(TabSheet3, "Chart1");
    Chart2 = NewControl<TChart>(TabSheet4, "Chart2");

    Action1 = ActionList1.Add("Action1");
    Action1->SetCaption(AnsiFromUtf8("Считать"));
    Action1->OnUpdate = [this](TAction* sender) { Action1Update(sender); };
    Action1->OnExecute = [this](TAction* sender) { Action1Execute(sender); };
    List->OnChange = [this](int item, TItemChange change) { ListChange(item, change); };
    PageControl2->OnChange = [this] { PageControl2Change(); };
    Button2->OnClick = [this] { Button2Click(); };

    for (const TChartLayout& chart : Form1Charts())
        ApplyChartLayout(*this, chart);
    ApplyLayout(this, Form1Layout());
    new TListCommands(List);
    // Each chart's context menu saves its picture under the name of its page.
    new TChartCommands(Chart1, TrimBlanks(TabSheet3->Caption()));
    new TChartCommands(Chart2, TrimBlanks(TabSheet4->Caption()));
    for (QWidget* control : std::initializer_list<QWidget*>{List, Chart1, Chart2})
        AddAboutCommand(control);

    Button1->SetAction(Action1);
    Button1->SetDefault(true);
}

TInputTexts TForm1::InputTexts() const
{
    return {Edit1->Text(), Edit2->Text(), Edit3->Text(), Edit4->Text(), Edit5->Text()};
}

TEdit* TForm1::InputEdit(TInput input) const
{
    switch (input) {
    case inRc:
        return Edit1;
    case inF:
        return Edit2;
    case inFrom:
        return Edit3;
    case inTo:
        return Edit4;
    case inStep:
        return Edit5;
    }
    throw std::invalid_argument("no such input");
}

void TForm1::Action1Update(TAction* sender)
{
    const TInputsCheck check = CheckInputs(InputTexts());
    sender->SetEnabled(check.Available());
    sender->SetHint(check.Reason);
    for (std::size_t input = 0; input < kInputCount; ++input)
        SetMarked(InputEdit(static_cast<TInput>(input)), check.Unparsable[input]);
}

void TForm1::Action1Execute(TAction*)
{
    CalcCapacitorTable();
    List->setFocus();
}

double TForm1::RowCapacitance(int row) const
{
    return StoreDouble(ParseDecimal(List->Items().SubItem(row, 1)));
}

void TForm1::ListChange(int item, TItemChange)
{
    if (TabSheet4->isVisible())
        PlotPhaseResponse(RowCapacitance(item));
}

void TForm1::PageControl2Change()
{
    const int selected = List->Selected();
    if (PageControl2->ActivePageIndex() == 2 && selected >= 0)
        PlotPhaseResponse(RowCapacitance(selected));
}

void TForm1::Button2Click()
{
    Form2->ShowModal();
}
