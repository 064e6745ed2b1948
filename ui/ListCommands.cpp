#include "ui/ListCommands.h"

#include "app/Application.h"
#include "app/Commands.h"
#include "app/ListView.h"
#include "app/SaveDialog.h"
#include "platform/Clipboard.h"
#include "platform/QtText.h"
#include "platform/SaveFile.h"
#include "results/ResultRows.h"
#include "results/StandardColumns.h"
#include "results/TableText.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {
constexpr TFileType kTableTypes[] = {{"Таблица CSV", "csv"}, {"Все файлы", ""}};
}

TListCommands::TListCommands(TListView* list, bool seriesChoice)
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
    if (seriesChoice)
        AddSeriesMenu();
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { UpdateEnabled(); });
    connect(&list->Items(), &QAbstractItemModel::modelReset, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void TListCommands::AddSeriesMenu()
{
    auto* menu = new QMenu(FList);
    auto* group = new QActionGroup(menu);
    const auto choice = [&](const QString& caption, std::optional<TStandardSeries> series) {
        QAction* action = group->addAction(caption);
        action->setCheckable(true);
        action->setChecked(series == FSeries);
        connect(action, &QAction::triggered, this, [this, series] { SetSeries(series); });
        menu->addAction(action);
        FSeriesChoices.push_back(action);
    };
    choice(QString::fromUtf8("Нет"), std::nullopt);
    for (const TStandardSeries series : kStandardSeries)
        choice(QString::fromUtf8(StandardSeriesName(series)), series);
    QAction* submenu = menu->menuAction();
    submenu->setText(QString::fromUtf8("Ряд в таблице"));
    submenu->setObjectName("TableSeries");
    FList->addAction(submenu);
}

void TListCommands::SetSeries(std::optional<TStandardSeries> series)
{
    FSeries = series;
    for (std::size_t k = 0; k < FSeriesChoices.size(); ++k)
        FSeriesChoices[k]->setChecked(k == (series ? static_cast<std::size_t>(*series) + 1 : 0));
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
    const TSweepTable* table = SweepTableOf(items.Rows());
    if (table && FSeries)
        return StandardTableText(ColumnCaptions(items.Columns()), items.Rows(), *table, *FSeries, first, count,
                                 separator);
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
