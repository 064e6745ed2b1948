#include "app/SaveDialog.h"

#include "platform/QtText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString& LastSaveFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString SuggestedSavePath(const QString& fileName)
{
    const QString& folder = LastSaveFolder();
    // A folder removed since it was saved to is no place to start.
    return QDir(folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder).filePath(fileName);
}

void RememberSaveFolder(const QString& path)
{
    LastSaveFolder() = QFileInfo(path).absolutePath();
}

QString SaveFolder()
{
    return LastSaveFolder();
}

void SetSaveFolder(const QString& folder)
{
    LastSaveFolder() = folder;
}

TSaveAnswer AskSaveFile(QWidget* parent, const char* caption, const QString& suggested,
                        std::span<const TFileType> types)
{
    QStringList filters;
    QStringList suffixes;
    for (const TFileType& type : types) {
        suffixes << QString::fromUtf8(type.Suffix);
        filters << ToQString(AnsiFromUtf8(type.Name)) + (suffixes.back().isEmpty() ? " (*)" : " (*." + suffixes.back() + ")");
    }
    QFileDialog dialog(parent, ToQString(AnsiFromUtf8(caption)), suggested, filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto chosen = [&] { return static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))); };
    // The suggested name's suffix picks the type shown first; the chosen type's suffix
    // completes a name typed without one.
    const QString suggestedSuffix = QFileInfo(suggested).suffix().toLower();
    const auto suggestedType = suggestedSuffix.isEmpty() ? -1 : suffixes.indexOf(suggestedSuffix);
    if (suggestedType >= 0)
        dialog.selectNameFilter(filters[suggestedType]);
    dialog.setDefaultSuffix(suffixes[chosen()]);
    // Choosing another type also renames a file typed with a known type's suffix.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&] {
        const QString suffix = suffixes[chosen()];
        dialog.setDefaultSuffix(suffix);
        const QStringList typed = dialog.selectedFiles();
        const QFileInfo file(typed.isEmpty() ? QString() : typed.front());
        if (!suffix.isEmpty() && suffixes.contains(file.suffix().toLower()))
            dialog.selectFile(file.completeBaseName() + "." + suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().front(), chosen()};
}
