#include "ListCommands.h"

#include "Application.h"
#include "GuardedAction.h"
#include "ListView.h"
#include "SaveDialog.h"
#include "SaveFile.h"
#include "platform/QtText.h"
#include "results/TableText.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace {

QAction* AddCommand(TListView* list, const char* caption, const QList<QKeySequence>& keys,
                    std::function<void()> run)
{
    QAction* action = NewGuardedAction(list, caption, std::move(run));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut); // not while an in-place editor has the focus
    action->setShortcutVisibleInContextMenu(true);
    list->addAction(action);
    return action;
}

void SetClipboard(const std::string& utf8)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

constexpr TFileType kTableTypes[] = {{"Таблица CSV", "csv"}, {"Все файлы", ""}};

} // namespace

TListCommands::TListCommands(TListView* list) : QObject(list), FList(list)
{
    FActions = {
        AddCommand(list, "Копировать строку", QKeySequence::keyBindings(QKeySequence::Copy), [this] { CopyRow(); }),
        AddCommand(list, "Копировать всю таблицу", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                   [this] { CopyTable(); }),
        AddCommand(list, "Сохранить таблицу…", {}, [this] { SaveTable(); }),
    };
    AskSavePath = [list](const QString& suggested) {
        return AskSaveFile(list, "Сохранить таблицу", suggested, kTableTypes).Path;
    };

    TListItems* items = &list->Items();
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { UpdateEnabled(); });
    connect(items, &QAbstractItemModel::modelReset, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void TListCommands::UpdateEnabled()
{
    const bool rows = FList->Items().Count() > 0;
    FActions[0]->setEnabled(FList->Selected() >= 0);
    FActions[1]->setEnabled(rows);
    FActions[2]->setEnabled(rows);
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
        SetClipboard(Text(row, 1, '\t'));
}

void TListCommands::CopyTable() const
{
    const int rows = FList->Items().Count();
    if (rows > 0)
        SetClipboard(Text(0, rows, '\t'));
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
