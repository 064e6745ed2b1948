#pragma once
// Asking where to save a file: the platform's save dialog, opened in the folder the
// user last saved to, whatever was saved there.
#include <QString>

#include <span>

class QWidget;

struct TFileType {
    const char* Name;   // UTF-8, shown with its pattern
    const char* Suffix; // without the dot; empty: any file
};

struct TSaveAnswer {
    QString Path; // empty: the user cancelled
    int Type = 0; // the index of the file type chosen
};

// The file name in the folder last saved to, the home folder before the first save.
QString SuggestedSavePath(const QString& fileName);
// Makes the file's folder the one the next save starts in.
void RememberSaveFolder(const QString& path);
// The folder last saved to, empty before the first save; and setting it, as a new run
// does with the one the last run saved to.
QString SaveFolder();
void SetSaveFolder(const QString& folder);

// Asks where to save, suggesting a path. A name typed without a suffix gets the
// chosen type's.
TSaveAnswer AskSaveFile(QWidget* parent, const char* caption, const QString& suggested,
                        std::span<const TFileType> types);
