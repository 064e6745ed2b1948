#include "ui/StandardForm.h"

#include "app/Button.h"
#include "app/Commands.h"
#include "app/ControlLayout.h"
#include "app/Label.h"
#include "app/ListView.h"
#include "app/Panel.h"
#include "core/Exception.h"
#include "platform/Clipboard.h"
#include "results/ResultRows.h"
#include "results/StandardReport.h"

namespace {

const TFontStyle kFormFont{"MS Sans Serif", -13, clWindowText};

// Positions and sizes at 120 pixels per inch, relative to the parent's client area.
const TControlLayout kLayout[] = {
    // name, align, left, top, width, height, tab order, text, hint, hints, font, colour
    {"StandardForm", alNone, 0, 0, 640, 236, -1, "Стандартные номиналы", nullptr, shParent, &kFormFont, clBtnFace},
    {"Label1", alTop, 0, 0, 640, 44, -1, nullptr, nullptr, shParent, nullptr, clDefault},
    {"List", alClient, 0, 44, 640, 152, 0, nullptr, nullptr, shParent, nullptr, clDefault},
    {"Panel1", alBottom, 0, 196, 640, 40, 1, nullptr, nullptr, shParent, nullptr, clDefault},
    {"Button1", alNone, 557, 8, 75, 25, 0, "Закрыть", nullptr, shParent, nullptr, clDefault},
};

// Widths in design pixels, in the order of StandardReportCaptions.
constexpr int kColumnWidths[] = {124, 80, 64, 64, 100, 64, 100};

std::vector<TListItems::TColumn> ReportColumns()
{
    const std::vector<AnsiString> captions = StandardReportCaptions();
    std::vector<TListItems::TColumn> columns;
    for (std::size_t k = 0; k < captions.size(); ++k)
        columns.push_back({captions[k], kColumnWidths[k], k == 0 ? Qt::AlignLeft : Qt::AlignHCenter});
    return columns;
}

} // namespace

TStandardForm::TStandardForm(TListView* results) : TForm("StandardForm"), FResults(results)
{
    SetClientSize(640, 236);
    Label1 = NewControl<TLabel>(this, "Label1");
    Label1->setWordWrap(true);
    Label1->setContentsMargins(6, 6, 6, 6);
    List = NewControl<TListView>(this, "List", ReportColumns());
    List->setEditTriggers(QAbstractItemView::NoEditTriggers); // the report is not the user's to change
    Panel1 = NewControl<TPanel>(this, "Panel1");
    Panel1->SetBevelOuter(bvNone);
    Button1 = NewControl<TButton>(Panel1, "Button1");
    Button1->OnClick = [this] { close(); };
    AddCommand(List, "CopyReport", "Копировать", [this] { CopyReport(); },
               QKeySequence::keyBindings(QKeySequence::Copy));
    ApplyLayout(this, kLayout);

    connect(results->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { UpdateReport(); });
    connect(&results->Items(), &QAbstractItemModel::modelReset, this, [this] { UpdateReport(); });
    UpdateReport();
}

void TStandardForm::UpdateReport()
{
    const int row = FResults->Selected();
    TStandardReport report;
    try {
        // Rows that are not calculated ones (none yet) give the report of no row.
        static const TSweepTable kNoTable;
        const TSweepTable* table = SweepTableOf(FResults->Items().Rows());
        report = MakeStandardReport(table ? *table : kNoTable, row >= 0 ? std::optional<int>(row) : std::nullopt);
    } catch (const Exception& error) {
        // Inputs so extreme that what a part gives overflows: say so instead of any value.
        report.Heading = error.Message();
    }
    Label1->SetCaption(report.Heading);
    List->Items().Assign(std::move(report.Rows));
}

void TStandardForm::CopyReport() const
{
    SetClipboardText(StandardReportText(Label1->Caption(), List->Items().Rows()));
}
