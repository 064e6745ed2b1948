#include "ui/ChartCommands.h"

#include "app/Commands.h"
#include "chart/Chart.h"
#include "platform/QtText.h"
#include "platform/SaveFile.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>

#include <vector>

namespace {

// The picture's file types, in the order the save dialog offers them.
const struct {
    TFileType File;
    TImageFormat Format;
} kImageTypes[] = {{{"Изображение PNG", "png"}, ifPng}, {{"Изображение SVG", "svg"}, ifSvg}};

std::vector<TFileType> DialogTypes()
{
    std::vector<TFileType> types;
    for (const auto& type : kImageTypes)
        types.push_back(type.File);
    return types;
}

// A name with the suffix of one of the types is saved as that type; any other name as
// the type chosen in the dialog.
TImageFormat FormatFor(const TSaveAnswer& answer)
{
    const QString suffix = QFileInfo(answer.Path).suffix().toLower();
    for (const auto& type : kImageTypes)
        if (suffix == QLatin1String(type.File.Suffix))
            return type.Format;
    return kImageTypes[answer.Type].Format;
}

} // namespace

TChartCommands::TChartCommands(TChart* chart, const AnsiString& fileName)
    : QObject(chart),
      FChart(chart),
      FFileName(ToQString(fileName)),
      FMenu(new QMenu(chart))
{
    AddCommand(chart, "CopyImage", "Копировать изображение", [this] { CopyImage(); });
    AddCommand(chart, "SaveImage", "Сохранить изображение…", [this] { SaveImage(); });
    FUndoZoom = AddCommand(chart, "UndoZoom", "Исходный масштаб", [this] { FChart->UndoZoom(); });
    FMenu->addActions(chart->actions());
    AskSavePath = [chart](const QString& suggested) {
        return AskSaveFile(chart, "Сохранить изображение", suggested, DialogTypes());
    };
    chart->OnContextMenu = [this](int x, int y) { ShowMenu(x, y); };
}

void TChartCommands::ShowMenu(int x, int y)
{
    // Nothing to go back to before a zoom, a pan or a scroll.
    FUndoZoom->setEnabled(FChart->SavedAxisScales().Present);
    FMenu->popup(FChart->mapToGlobal(QPoint(x, y)));
}

void TChartCommands::CopyImage() const
{
    QGuiApplication::clipboard()->setImage(FChart->Picture());
}

void TChartCommands::SaveImage()
{
    const TSaveAnswer answer = AskSavePath(SuggestedSavePath(FFileName + ".png"));
    if (answer.Path.isEmpty())
        return;
    RememberSaveFolder(answer.Path);
    SaveImageTo(answer.Path, FormatFor(answer));
}

void TChartCommands::SaveImageTo(const QString& path, TImageFormat format) const
{
    const QByteArray bytes = ChartImage(*FChart, format, FFileName, path);
    SaveFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
