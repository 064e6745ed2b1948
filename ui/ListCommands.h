#pragma once
// What the results list offers beyond showing its rows: the selected row or the whole
// table copied to the clipboard as cells between tabs, and the table saved as CSV.
// Each is a command the window attaches to the list, with its shortcut (while the
// list has the focus) and an entry of its context menu, enabled only while there is
// something to copy or save.
#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QAction;
class TListView;

class TListCommands : public QObject {
public:
    explicit TListCommands(TListView* list);

    // The caption line and the selected row; nothing without a selected row.
    void CopyRow() const;
    // The caption line and every row; nothing for an empty list.
    void CopyTable() const;
    // Asks for a file, in the folder last saved to this session, and saves the table there.
    void SaveTable();
    // Writes the caption line and every row as CSV in UTF-8, whole or not at all (SaveFile).
    void SaveTableTo(const QString& path) const;

    // Asks where to save, suggesting a path; an empty answer cancels. Replaceable, so
    // that tests need no dialog.
    std::function<QString(const QString& suggested)> AskSavePath;

private:
    std::string Text(int first, int count, char separator) const;
    void UpdateEnabled();

    TListView* FList;
    QAction* FCopyRow;
    QAction* FCopyTable;
    QAction* FSaveTable;
};
