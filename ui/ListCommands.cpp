#include "ui/ListCommands.h"

#include "app/Application.h"
#include "app/Commands.h"
#include "app/ListView.h"
#include "app/SaveDialog.h"
#include "platform/Clipboard.h"
#include "platform/QtText.h"
#include "platform/SaveFile.h"
#include "results/TableText.h"

#include <QAction>

namespace {
constexpr TFileType kTableTypes[] = {{"Таблица CSV", "csv"}, {"Все файлы", ""}};
}

TListCommands::TListCommands(TListView* list)
    : QObject(list),
      FList(list),
      FCopyRow(AddCommand(list, "CopyRow", "Копировать строку", [this] { CopyRow(); },
                          QKeySequence::keyBindings(QKeySequence::Copy))),
      FCopyTable(AddCommand(list, "CopyTable", "Копировать всю таблицу", [this] { CopyTable(); },
                            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)})),
      FSaveTable(AddCommand(list, "SaveTable", "Сохранить таблицу…", [this] { SaveTable(); }))
{
    AskSavePath = [list](const QString& suggested) {
        return AskSaveFile(list, "Сохранить таблицу", suggested, kTableTypes).Path;
    };
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { UpdateEnabled(); });
    connect(&list->Items(), &QAbstractItemModel::modelReset, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void TListCommands::UpdateEnabled()
{
    const bool rows = FList->Items().Count() > 0;
    FCopyRow->setEnabled(FList->Selected() >= 0);
    FCopyTable->setEnabled(rows);
    FSaveTable->setEnabled(rows);
}

std::string TListCommands::Text(int first, int count, char separator) const
{
    const TListItems& items = FList->Items();
    return TableText(ColumnCaptions(items.Columns()), items.Rows(), first, count, separator);
}

void TListCommands::CopyRow() const
{
    const int row = FList->Selected();
    if (row >= 0)
        SetClipboardText(Text(row, 1, '\t'));
}

void TListCommands::CopyTable() const
{
    const int rows = FList->Items().Count();
    if (rows > 0)
        SetClipboardText(Text(0, rows, '\t'));
}

void TListCommands::SaveTable()
{
    if (FList->Items().Count() == 0)
        return;
    const QString path = AskSavePath(SuggestedSavePath(ToQString(Application->Title()) + ".csv"));
    if (path.isEmpty())
        return;
    RememberSaveFolder(path);
    SaveTableTo(path);
}

void TListCommands::SaveTableTo(const QString& path) const
{
    SaveFile(path, Text(0, FList->Items().Count(), CsvSeparator()));
}
