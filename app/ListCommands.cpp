#include "ListCommands.h"

#include "Application.h"
#include "ListView.h"
#include "TableText.h"
#include "core/FileErrors.h"
#include "platform/Guarded.h"
#include "platform/QtText.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

namespace {

QAction* AddCommand(TListView* list, const char* caption, const QList<QKeySequence>& keys,
                    std::function<void()> run)
{
    auto* action = new QAction(ToQString(AnsiFromUtf8(caption)), list);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut); // not while an in-place editor has the focus
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, list, [run = std::move(run)] { Guarded(run); });
    list->addAction(action);
    return action;
}

void SetClipboard(const std::string& utf8)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString AskWithDialog(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, ToQString(AnsiFromUtf8("Сохранить таблицу")), suggested,
                       ToQString(AnsiFromUtf8("Таблица CSV (*.csv);;Все файлы (*)")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

TListCommands::TListCommands(TListView* list) : QObject(list), FList(list)
{
    FActions = {
        AddCommand(list, "Копировать строку", QKeySequence::keyBindings(QKeySequence::Copy), [this] { CopyRow(); }),
        AddCommand(list, "Копировать всю таблицу", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                   [this] { CopyTable(); }),
        AddCommand(list, "Сохранить таблицу…", {}, [this] { SaveTable(); }),
    };
    AskSavePath = [list](const QString& suggested) { return AskWithDialog(list, suggested); };

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
    const QString folder = FLastFolder.isEmpty() ? QDir::homePath() : FLastFolder;
    const QString path = AskSavePath(QDir(folder).filePath(ToQString(Application->Title()) + ".csv"));
    if (path.isEmpty())
        return;
    FLastFolder = QFileInfo(path).absolutePath();
    SaveTableTo(path);
}

void TListCommands::SaveTableTo(const QString& path) const
{
    const std::string text = Text(0, FList->Items().Count(), CsvSeparator());
    QSaveFile file(path);
    const auto fail = [&] {
        return EFileWrite(FromQString(QDir::toNativeSeparators(path)), FromQString(file.errorString()));
    };
    // Unbuffered, and written until every byte is taken: a buffered write that the disk
    // took only in part can still be committed as if whole.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw fail();
    const auto size = static_cast<qint64>(text.size());
    for (qint64 done = 0; done < size;) {
        const qint64 written = file.write(text.data() + done, size - done);
        if (written <= 0)
            throw fail();
        done += written;
    }
    if (!file.commit())
        throw fail();
}
