// The charts' context menu: when a right click opens it, and what its entries do
// with the chart's picture and scales.
#include "app/Commands.h"
#include "tests/ui/ChartWindowFixture.h"
#include "ui/ChartCommands.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <functional>
#include <string>

namespace {

class TChartCommandsTest : public TChartWindowTest {
protected:
    static TChartCommands& Commands(TChart* chart) { return *chart->findChild<TChartCommands*>(); }

    // The entries of the menu open now, joined; closes it.
    static std::string CloseMenu()
    {
        QStringList entries;
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            entries = MenuEntries(*menu);
            menu->close();
        }
        return entries.join(", ").toStdString();
    }
};

// Reads the SVG file, handing each element to the visitor as it starts; answers the
// reader's error, empty for a well-formed file.
QString ReadSvg(const QString& path, const std::function<void(QXmlStreamReader& svg)>& visit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    QXmlStreamReader svg(&file);
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::StartElement)
            visit(svg);
    return svg.errorString();
}

TEST_F(TChartCommandsTest, ARightClickThatMovesNothingOpensTheMenuAndARightDragThatPansOpensNone)
{
    const std::string menu = "Копировать изображение, Сохранить изображение…, Исходный масштаб (off)";
    const struct {
        const char* name;
        int page;
        QPoint press, release;
        bool moved;
        std::string entries;
    } cases[] = {
        {"a click on the phase chart", 2, {200, 200}, {200, 200}, false, menu},
        {"a pan of the phase chart", 2, {200, 200}, {210, 200}, true, {}},
        {"a right drag moves nothing on the attenuation chart", 1, {150, 150}, {250, 250}, false, menu},
        {"released off the chart", 2, {200, 200}, {500, 200}, false, {}},
    };
    Form->Button1->click();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TChart* chart = Shown(c.page);
        chart->UndoZoom();
        const double minimum = chart->BottomAxis().Minimum();
        Press(chart, Qt::RightButton, c.press);
        MoveHolding(chart, Qt::RightButton, c.release);
        Release(chart, Qt::RightButton, c.release);
        EXPECT_EQ(chart->BottomAxis().Minimum() != minimum, c.moved);
        EXPECT_EQ(CloseMenu(), c.entries);
    }
}

TEST_F(TChartCommandsTest, AfterAZoomTheOriginalScaleUndoesIt)
{
    TChart* chart = Calculated(1);
    const double maximum = chart->BottomAxis().Maximum();
    Drag(chart, Qt::LeftButton, {100, 100}, {200, 180});
    ASSERT_TRUE(chart->ZoomedIn());
    PressContextMenuKey(chart);
    EXPECT_EQ(CloseMenu(), "Копировать изображение, Сохранить изображение…, Исходный масштаб");
    CommandOf(chart, "UndoZoom")->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(chart->ZoomedIn());
    EXPECT_TRUE(chart->BottomAxis().Automatic() && chart->LeftAxis().Automatic());
    EXPECT_EQ(chart->BottomAxis().Maximum(), maximum);
}

TEST_F(TChartCommandsTest, CopyAndPngGiveTheChartsPictureAndSvgItsDrawingWithTheAxisTitlesAsText)
{
    TChart* chart = Settled(2);
    const QImage picture = chart->Canvas().Buffer().copy();
    TChartCommands& commands = Commands(chart);
    CommandOf(chart, "CopyImage")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(picture.format()), picture);

    QTemporaryDir folder;
    RememberSaveFolder(folder.filePath("table.csv"));
    const struct {
        const char* answer;
        int type;
        const char* starts;
    } cases[] = {{"phase.png", 0, "\x89PNG"}, {"phase.svg", 0, "<?xml"}, {"phase.v2", 1, "<?xml"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        commands.AskSavePath = [&](const QString& suggested) {
            EXPECT_EQ(suggested, folder.filePath("Сдвиг фазы.png"));
            return TSaveAnswer{folder.filePath(c.answer), c.type};
        };
        CommandOf(chart, "SaveImage")->trigger();
        QFile file(folder.filePath(c.answer));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(c.starts));
    }
    EXPECT_EQ(QImage(folder.filePath("phase.png")).convertToFormat(picture.format()), picture);
    QStringList texts;
    EXPECT_EQ(ReadSvg(folder.filePath("phase.svg"),
                      [&](QXmlStreamReader& svg) {
                          if (svg.name() == u"text")
                              texts << svg.readElementText();
                      }),
              "");
    EXPECT_TRUE(texts.contains("Частота, Гц") && texts.contains("Угол сдвига фазы, градусы")) << texts.join('|').toStdString();

    // Drawing the SVG asked the window for a paint, which draws the same picture again.
    EXPECT_TRUE(chart->Canvas().BufferStale());
    QCoreApplication::processEvents();
    EXPECT_FALSE(chart->Canvas().BufferStale());
    EXPECT_EQ(chart->Canvas().Buffer(), picture);

    commands.AskSavePath = [&](const QString&) { return TSaveAnswer{folder.filePath("no such folder/phase.png"), 0}; };
    CommandOf(chart, "SaveImage")->trigger();
    ASSERT_EQ(Boxes.Shown().size(), 1u);
    EXPECT_EQ(Utf8FromAnsi(Boxes.Shown()[0]).find("Не удалось сохранить файл «" + folder.path().toStdString()), 0u);
}

// Panned up, the line's steep start runs far above the plot; in the SVG, as on the
// screen, it stops at the plot's edges.
TEST_F(TChartCommandsTest, TheSvgLineStaysInsideThePlot)
{
    TChart* chart = Calculated(2);
    Drag(chart, Qt::RightButton, {200, 300}, {240, 200});
    QTemporaryDir folder;
    Commands(chart).SaveImageTo(folder.filePath("zoomed.svg"), ifSvg);
    const TRect plot = chart->PlotRect();

    // Within the frame drawn around the plot, as the series is clipped on the screen.
    const QRectF inside(plot.Left + 1, plot.Top + 1, plot.Width() - 1, plot.Height() - 2);
    int points = 0;
    const QString error = ReadSvg(folder.filePath("zoomed.svg"), [&](QXmlStreamReader& svg) {
        if (svg.name() != u"polyline")
            return;
        for (const QString& point : svg.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts)) {
            const QStringList xy = point.split(',');
            EXPECT_TRUE(xy.size() == 2 && inside.contains(xy[0].toDouble(), xy[1].toDouble())) << point.toStdString();
            ++points;
        }
    });
    EXPECT_EQ(error, "");
    EXPECT_GT(points, 10);
}

} // namespace
