#pragma once
// A report list: column headers, grid lines, whole-row single selection that stays
// visible without focus, and in-place editing of a selected row's caption. It
// reports every row whose text or state changes, a row losing the selection
// before the row gaining it. Its context menu lists the commands its window attached
// to it (AddCommand), opening on the selected row when asked from the keyboard.
#include "app/ListItems.h"

#include <QTableView>

class TListView : public QTableView {
public:
    TListView(QWidget* parent, std::vector<TListItems::TColumn> columns);

    TListItems& Items() { return *FItems; }
    const TListItems& Items() const { return *FItems; }

    // The first selected row, or -1.
    int Selected() const;
    // Selects the row alone without giving it the focus mark.
    void SelectRow(int row);

    std::function<void(int row, TItemChange change)> OnChange;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Report(int row, TItemChange change);
    void ApplyColumnWidths();

    TListItems* FItems;
};
