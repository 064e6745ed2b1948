#pragma once
// The rows of a report list: per row a caption and its sub-items, one text per column.
#include "core/AnsiString.h"
#include "results/RowTexts.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

enum TItemChange { ctText, ctImage, ctState };

class TListItems : public QAbstractTableModel {
public:
    explicit TListItems(int columns, QObject* parent = nullptr);

    int Count() const { return FTexts.Count(); }
    // Text k of a row: 0 is the caption, 1 onwards the sub-items.
    std::string_view Text(int row, int k) const { return FTexts.Text(row, k); }
    std::string_view Caption(int row) const { return Text(row, 0); }
    std::string_view SubItem(int row, int k) const { return Text(row, k + 1); }
    const TRowTexts& Rows() const { return FTexts; }

    void Clear();
    // Replaces every row at once; the texts must have the list's columns.
    void Assign(TRowTexts&& texts);
    void SetCaption(int row, const AnsiString& caption);

    // Called for each row whose text changed.
    std::function<void(int row, TItemChange change)> OnChange;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    struct TColumn {
        AnsiString Caption;
        int Width; // design pixels
        Qt::Alignment Alignment;
    };
    void SetColumns(std::vector<TColumn> columns);
    const std::vector<TColumn>& Columns() const { return FColumnSpecs; }

private:
    TRowTexts FTexts;
    std::vector<TColumn> FColumnSpecs;
};

// The columns' captions, in order.
std::vector<AnsiString> ColumnCaptions(const std::vector<TListItems::TColumn>& columns);
