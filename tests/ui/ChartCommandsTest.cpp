// The charts' context menu: when a right click opens it, and what its entries do
// with the chart's picture and scales.
#include "app/Commands.h"
#include "platform/QtText.h"
#include "tests/chart/ChartTestSupport.h"
#include "tests/ui/ChartWindowFixture.h"
#include "ui/ChartCommands.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <functional>
#include <string>
#include <utility>

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

// The SVG's texts in the order they are drawn.
QStringList SvgTexts(const QString& path)
{
    QStringList texts;
    EXPECT_EQ(ReadSvg(path,
                      [&](QXmlStreamReader& svg) {
                          if (svg.name() == u"text")
                              texts << svg.readElementText();
                      }),
              "");
    return texts;
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
    const QStringList texts = SvgTexts(folder.filePath("phase.svg"));
    EXPECT_TRUE(texts.contains("Частота, Гц") && texts.contains("Угол сдвига фазы, градусы")) << texts.join('|').toStdString();

    commands.AskSavePath = [&](const QString&) { return TSaveAnswer{folder.filePath("no such folder/phase.png"), 0}; };
    CommandOf(chart, "SaveImage")->trigger();
    ASSERT_EQ(Boxes.Shown().size(), 1u);
    EXPECT_EQ(Utf8FromAnsi(Boxes.Shown()[0]).find("Не удалось сохранить файл «" + folder.path().toStdString()), 0u);
}

// The first paint after Calculate measures the labels with the axes' lengths from
// before it, so a second layout would move them. An export draws what the window
// shows and leaves its picture and the axes as they were.
TEST_F(TChartCommandsTest, AnExportDrawsWhatTheWindowShowsAndLeavesTheChartAsItWas)
{
    for (const int page : {1, 2}) {
        SCOPED_TRACE(page);
        TChart* chart = Calculated(page);
        const TLineSeries& series = page == 1 ? Form->Series1 : Form->Series2;
        const QImage screen = chart->Canvas().Buffer().copy();
        const auto ticks = [chart] { return std::pair(chart->BottomAxis().TickPositions(), chart->LeftAxis().TickPositions()); };
        const auto shown = ticks();
        QStringList bottomLabels;
        for (const int pos : shown.first) {
            int index = 0;
            while (series.PointScreenX(index) != pos)
                ++index;
            bottomLabels << ToQString(series.PointLabel(index));
        }

        QTemporaryDir folder;
        Commands(chart).SaveImageTo(folder.filePath("chart.svg"), ifSvg);
        Commands(chart).SaveImageTo(folder.filePath("chart.png"), ifPng);
        QCoreApplication::processEvents();
        EXPECT_FALSE(chart->Canvas().BufferStale());
        EXPECT_EQ(chart->Canvas().Buffer(), screen);
        EXPECT_EQ(ticks(), shown);
        EXPECT_EQ(QImage(folder.filePath("chart.png")).convertToFormat(screen.format()), screen);
        // Drawn in order: the bottom axis' title and labels, then the left axis' title and labels.
        const QStringList texts = SvgTexts(folder.filePath("chart.svg"));
        ASSERT_EQ(texts.size(), static_cast<qsizetype>(2 + shown.first.size() + shown.second.size()));
        EXPECT_EQ(texts.mid(1, bottomLabels.size()), bottomLabels);
    }
}

// A dotted grid line goes into the SVG as one dashed stroke rather than a figure per
// dot, so the file stays small; drawn, its dots fall where the screen's do.
TEST_F(TChartCommandsTest, TheSvgIsSmallAndDrawnItsGridDotsFallWhereTheScreensDo)
{
    constexpr unsigned kGrey = 0x808080;
    for (const int page : {1, 2}) {
        SCOPED_TRACE(page);
        TChart* chart = Calculated(page);
        QTemporaryDir folder;
        const QString path = folder.filePath("chart.svg");
        Commands(chart).SaveImageTo(path, ifSvg);
        EXPECT_LT(QFileInfo(path).size(), 60 * 1024);

        QImage drawn(chart->size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        QSvgRenderer(path).render(&painter);
        painter.end();
        const QImage& screen = chart->Picture();
        // The curve is a smoothed vector line in the SVG, not the screen's pixels:
        // wherever either shows some of its red, nothing is compared.
        const auto onCurve = [](unsigned pixel) { return (pixel >> 16 & 0xFF) > (pixel >> 8 & 0xFF); };
        const TRect plot = chart->PlotRect();
        int dots = 0;
        for (int y = plot.Top + 1; y < plot.Bottom - 1; ++y)
            for (int x = plot.Left + 1; x < plot.Right; ++x) {
                const unsigned onScreen = PixelAt(screen, x, y);
                const unsigned inSvg = PixelAt(drawn, x, y);
                if (onCurve(onScreen) || onCurve(inSvg))
                    continue;
                ASSERT_EQ(onScreen == kGrey, inSvg == kGrey) << x << "," << y;
                dots += onScreen == kGrey;
            }
        EXPECT_GT(dots, 1000);
    }
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
    QString stroke; // of the group the element is in
    const QString error = ReadSvg(folder.filePath("zoomed.svg"), [&](QXmlStreamReader& svg) {
        if (svg.name() == u"g")
            stroke = svg.attributes().value("stroke").toString();
        if (svg.name() != u"polyline" || stroke != "#ff0000")
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
