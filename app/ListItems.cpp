#include "app/ListItems.h"

#include "platform/QtText.h"

#include <stdexcept>

TListItems::TListItems(int columns, QObject* parent)
    : QAbstractTableModel(parent), FTexts(columns)
{
}

void TListItems::Clear()
{
    Assign(TRowTexts(FTexts.Columns()));
}

void TListItems::Assign(TRowTexts&& texts)
{
    if (texts.Columns() != FTexts.Columns())
        throw std::invalid_argument("row texts do not match the list's columns");
    beginResetModel();
    FTexts = std::move(texts);
    endResetModel();
}

void TListItems::SetCaption(int row, const AnsiString& caption)
{
    FTexts.Replace(row, 0, caption);
    const QModelIndex cell = index(row, 0);
    emit dataChanged(cell, cell);
    if (OnChange)
        OnChange(row, ctText);
}

int TListItems::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int TListItems::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FTexts.Columns();
}

QVariant TListItems::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return ToQString(Text(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        if (index.column() < static_cast<int>(FColumnSpecs.size()))
            return static_cast<int>(FColumnSpecs[index.column()].Alignment | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

bool TListItems::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::EditRole)
        return false;
    SetCaption(index.row(), FromQString(value.toString()));
    return true;
}

Qt::ItemFlags TListItems::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        f |= Qt::ItemIsEditable; // only the caption can be edited in place
    return f;
}

QVariant TListItems::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section >= static_cast<int>(FColumnSpecs.size()))
        return {};
    if (role == Qt::DisplayRole)
        return ToQString(FColumnSpecs[section].Caption);
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(FColumnSpecs[section].Alignment | Qt::AlignVCenter);
    return {};
}

void TListItems::SetColumns(std::vector<TColumn> columns)
{
    FColumnSpecs = std::move(columns);
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(FColumnSpecs.size()) - 1);
}

std::vector<AnsiString> ColumnCaptions(const std::vector<TListItems::TColumn>& columns)
{
    std::vector<AnsiString> captions;
    for (const TListItems::TColumn& column : columns)
        captions.push_back(column.Caption);
    return captions;
}
