#pragma once
// What a chart offers beyond zooming and panning: its picture copied to the clipboard
// or saved as PNG or SVG, and its scales from before the first zoom brought back. The
// window attaches them to the chart as its commands; a context menu offers them where
// a right click that moved nothing ended.
#include "app/SaveDialog.h"
#include "core/AnsiString.h"
#include "ui/ChartImage.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class TChart;

class TChartCommands : public QObject {
public:
    // fileName: what the save dialog suggests, without a suffix.
    TChartCommands(TChart* chart, const AnsiString& fileName);

    // The picture the window shows, onto the clipboard.
    void CopyImage() const;
    // Asks for a file, in the folder last saved to this session, and saves the picture
    // there: as SVG when the file is named .svg, or when SVG was chosen for a name that
    // is neither .svg nor .png; else as PNG.
    void SaveImage();
    // Writes the picture whole or not at all (SaveFile).
    void SaveImageTo(const QString& path, TImageFormat format) const;

    // Asks where to save, suggesting a path; an empty path cancels. Replaceable, so
    // that tests need no dialog.
    std::function<TSaveAnswer(const QString& suggested)> AskSavePath;

private:
    void ShowMenu(int x, int y);

    TChart* FChart;
    QString FFileName;
    QMenu* FMenu;
    QAction* FUndoZoom = nullptr;
};
