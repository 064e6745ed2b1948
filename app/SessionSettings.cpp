#include "app/SessionSettings.h"

#include "app/Form.h"
#include "app/SaveDialog.h"

#include <QSettings>

namespace {
constexpr char kGeometry[] = "MainWindow/Geometry";
constexpr char kSaveFolder[] = "Saving/Folder";
} // namespace

TSessionSettings::TSessionSettings(TForm& main) : FMain(main)
{
    const QSettings settings;
    // A place no longer on any screen is moved onto one; an unreadable one is ignored
    // and the window opens centred, as on the first run.
    if (FMain.restoreGeometry(settings.value(kGeometry).toByteArray()))
        FMain.Position = poDesigned;
    SetSaveFolder(settings.value(kSaveFolder).toString());
}

TSessionSettings::~TSessionSettings()
{
    QSettings settings;
    settings.setValue(kGeometry, FMain.saveGeometry());
    if (!SaveFolder().isEmpty())
        settings.setValue(kSaveFolder, SaveFolder());
}
