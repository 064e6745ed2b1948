#include "ChartCommands.h"

#include "app/GuardedAction.h"
#include "app/SaveFile.h"
#include "chart/Chart.h"
#include "platform/QtText.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>

namespace {

// In the order of TImageFormat.
constexpr TFileType kImageTypes[] = {{"Изображение PNG", "png"}, {"Изображение SVG", "svg"}};

TImageFormat FormatFor(const TSaveAnswer& answer)
{
    const QString suffix = QFileInfo(answer.Path).suffix().toLower();
    if (suffix == "svg")
        return ifSvg;
    if (suffix == "png")
        return ifPng;
    return answer.Type == ifSvg ? ifSvg : ifPng;
}

} // namespace

TChartCommands::TChartCommands(TChart* chart, const AnsiString& fileName)
    : QObject(chart), FChart(chart), FFileName(ToQString(fileName)), FMenu(new QMenu(chart))
{
    const auto add = [this](const char* caption, std::function<void()> run) {
        FMenu->addAction(NewGuardedAction(FMenu, caption, std::move(run)));
    };
    add("Копировать изображение", [this] { CopyImage(); });
    add("Сохранить изображение…", [this] { SaveImage(); });
    add("Исходный масштаб", [this] { FChart->UndoZoom(); });
    AskSavePath = [chart](const QString& suggested) {
        return AskSaveFile(chart, "Сохранить изображение", suggested, kImageTypes);
    };
    chart->OnContextMenu = [this](int x, int y) { ShowMenu(x, y); };
}

QList<QAction*> TChartCommands::Actions() const
{
    return FMenu->actions();
}

void TChartCommands::ShowMenu(int x, int y)
{
    // Nothing to go back to before a zoom, a pan or a scroll.
    FMenu->actions()[2]->setEnabled(FChart->SavedAxisScales().Present);
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
