#include "app/ListView.h"

#include "platform/Guarded.h"
#include "platform/Scaling.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>

#include <set>

TListView::TListView(QWidget* parent, std::vector<TListItems::TColumn> columns)
    : QTableView(parent), FItems(new TListItems(static_cast<int>(columns.size()), this))
{
    FItems->SetColumns(std::move(columns));
    setModel(FItems);
    FItems->OnChange = [this](int row, TItemChange change) { Report(row, change); };

    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    ApplyColumnWidths();

    // Rows that lose the selection are reported before the rows that gain it.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                for (const QItemSelection* part : {&deselected, &selected}) {
                    std::set<int> rows;
                    for (const QModelIndex& index : part->indexes())
                        rows.insert(index.row());
                    for (int row : rows)
                        Report(row, ctState);
                }
            });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (previous.isValid())
                    Report(previous.row(), ctState);
                if (current.isValid())
                    Report(current.row(), ctState);
            });
}

void TListView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        horizontalHeader()->setFont(font());
        ApplyColumnWidths();
    }
}

void TListView::ApplyColumnWidths()
{
    const auto& columns = FItems->Columns();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c)
        setColumnWidth(c, Scaled(columns[c].Width));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + Scaled(4));
}

int TListView::Selected() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : rows)
        if (first < 0 || index.row() < first)
            first = index.row();
    return first;
}

void TListView::SelectRow(int row)
{
    selectionModel()->select(FItems->index(row, 0),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TListView::mousePressEvent(QMouseEvent* event)
{
    // A click below the rows takes the selection away, as a report list does.
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        selectionModel()->clearSelection();
        return;
    }
    QTableView::mousePressEvent(event);
}

void TListView::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // From the keyboard the menu opens on the selected row, or at the list's corner.
        const int row = Selected();
        const QRect cell = row >= 0 ? visualRect(FItems->index(row, 0)) : QRect();
        at = viewport()->mapToGlobal(viewport()->rect().contains(cell.center()) ? cell.center() : QPoint());
    }
    if (!actions().isEmpty())
        QMenu::exec(actions(), at, nullptr, this);
}

void TListView::keyPressEvent(QKeyEvent* event)
{
    // Copying belongs to the list's copy command; without a selected row it copies
    // nothing rather than the current cell alone.
    if (event->matches(QKeySequence::Copy))
        return;
    QTableView::keyPressEvent(event);
}

void TListView::Report(int row, TItemChange change)
{
    if (OnChange)
        Guarded([&] { OnChange(row, change); });
}
