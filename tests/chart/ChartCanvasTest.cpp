// The canvas' pixel rules, shown as small pictures: '.' white, '#' black, 'g' grey,
// 'r' red, '?' anything else.
#include "chart/ChartCanvas.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <functional>
#include <string>

namespace {

// The pictures here are 10 × 6 unless a test says otherwise.
QImage Draw(const std::function<void(TChartCanvas3D&)>& draw, QSize size = {10, 6}, double ratio = 1)
{
    return DrawnOnWhite(draw, size, ratio);
}

std::string Art(const QImage& image)
{
    std::string art;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const unsigned p = PixelAt(image, x, y);
            art += p == 0xFFFFFF ? '.' : p == 0 ? '#' : p == 0x808080 ? 'g' : p == 0xFF0000 ? 'r' : '?';
        }
        art += '\n';
    }
    return art;
}

TChartPen& Pen(TChartPen& pen, TColor color, int width = 1, TPenStyle style = psSolid)
{
    pen.SetColor(color);
    pen.SetWidth(width);
    pen.SetStyle(style);
    return pen;
}

} // namespace

TEST(ChartCanvas, LinesLeaveOutTheirEndAndRectanglesTheirRightAndBottomEdges)
{
    TChartPen pen;
    EXPECT_EQ(Art(Draw([&](TChartCanvas3D& c) {
                  c.ApplyChartPen(Pen(pen, clBlack));
                  c.LineSegment(0, 0, 5, 0);
                  c.MovePen(9, 5);
                  c.DrawPenTo(6, 2); // a diagonal, drawn from its start
                  c.ApplyChartPen(Pen(pen, clRed));
                  c.SetBrush(clWhite, bsClear);
                  c.FrameRect(1, 2, 5, 5);
              })),
              "#####.....\n"
              "..........\n"
              ".rrrr.....\n"
              ".r..r..#..\n"
              ".rrrr...#.\n"
              ".........#\n");
}

TEST(ChartCanvas, WidePensAreCentredOnTheLineAndReachHalfTheirWidthBeyondItsEnds)
{
    TChartAxisPen axis;
    EXPECT_EQ(Art(Draw([&](TChartCanvas3D& c) {
                  c.ApplyChartPen(axis);
                  c.HorizontalLine(2, 6, 3);
              })),
              "..........\n"
              "..........\n"
              ".######...\n"
              ".######...\n"
              "..........\n"
              "..........\n");
}

TEST(ChartCanvas, DottedPensLeaveGapsThatShowThroughUnlessTheBackgroundIsOpaque)
{
    TDottedGrayPen grid;
    const auto dotted = [&](TBackMode mode) {
        return Art(Draw([&](TChartCanvas3D& c) {
                   c.SetBrush(clRed, bsSolid);
                   c.FillRect(0, 0, 10, 1);
                   c.ApplyChartPen(grid);
                   c.SetBackColor(clWhite);
                   c.SetBackMode(mode);
                   c.HorizontalLine(0, 10, 0);
               }, {10, 1}));
    };
    EXPECT_EQ(dotted(bmTransparent), "gggrrrgggr\n");
    EXPECT_EQ(dotted(bmOpaque), "ggg...ggg.\n");
}

TEST(ChartCanvas, AHiddenPenDrawsNothingAndANotXorFigureDrawnTwiceRestoresThePicture)
{
    TChartPen pen;
    const std::string blank = Art(Draw([](TChartCanvas3D&) {}));
    EXPECT_EQ(Art(Draw([&](TChartCanvas3D& c) {
                  Pen(pen, clBlack, 5).SetVisible(false);
                  c.ApplyChartPen(pen);
                  c.LineSegment(0, 0, 9, 5);
                  c.SetBrush(clWhite, bsClear);
                  c.FrameRect(0, 0, 10, 6);
              })),
              blank);

    pen.SetVisible(true);
    // A black line, then a not-xor outline over it, once or twice (from its other corner).
    const auto outlined = [&](bool twice) {
        return Art(Draw([&](TChartCanvas3D& c) {
            c.ApplyChartPen(Pen(pen, clBlack));
            c.LineSegment(0, 3, 10, 3);
            c.Pen().Mode = pmNotXor;
            c.SetBrush(clWhite, bsClear);
            c.FrameRect(2, 1, 8, 5);
            if (twice)
                c.FrameRect(8, 5, 2, 1);
        }));
    };
    EXPECT_EQ(outlined(false), "..........\n"
                         "..######..\n"
                         "..#....#..\n"
                         "##.####.##\n" // not-xor of black over black gives white
                         "..######..\n"
                         "..........\n");
    EXPECT_EQ(outlined(true), "..........\n..........\n..........\n##########\n..........\n..........\n");
}

TEST(ChartCanvas, ClippingToAPlotAreaLeavesOutItsLeftAndTopEdgesAndItsBottomRow)
{
    TChartPen pen;
    EXPECT_EQ(Art(Draw([&](TChartCanvas3D& c) {
                  c.ClipToPlotArea(TRect{1, 1, 8, 5}, 0, 0);
                  c.ApplyChartPen(Pen(pen, clBlack, 1));
                  for (int y = 0; y < 6; ++y)
                      c.HorizontalLine(0, 10, y);
                  c.RemoveClip();
                  c.LineSegment(0, 5, 3, 5);
              })),
              "..........\n"
              "..........\n"
              "..######..\n"
              "..######..\n"
              "..........\n"
              "###.......\n");
}

TEST(ChartCanvas, ThePictureIsKeptForItsSizeAndCopiedOnlyWhenCurrent)
{
    TChartCanvas3D canvas;
    QImage window(8, 8, QImage::Format_RGB32);
    QPainter painter(&window);
    EXPECT_FALSE(canvas.RepaintFromBuffer(painter)); // nothing drawn yet
    canvas.BeginFrame(QSize(8, 8), 1);
    EXPECT_FALSE(canvas.RepaintFromBuffer(painter));
    canvas.EndFrame(nullptr);
    EXPECT_TRUE(canvas.RepaintFromBuffer(painter));
    const uchar* first = canvas.Buffer().constBits();
    canvas.MarkStale();
    EXPECT_FALSE(canvas.RepaintFromBuffer(painter));

    canvas.BeginFrame(QSize(8, 8), 1);
    canvas.EndFrame(nullptr);
    EXPECT_EQ(canvas.Buffer().constBits(), first); // the same picture, drawn again
    canvas.BeginFrame(QSize(9, 8), 1);
    canvas.EndFrame(nullptr);
    EXPECT_EQ(canvas.Buffer().size(), QSize(9, 8));
    EXPECT_EQ(canvas.ProjectPoint(3, 4, 17), QPoint(3, 4));
}

TEST(ChartCanvas, AtTwiceTheDevicePixelsLinesKeepTheirLogicalPixelsAtFullResolution)
{
    TChartPen pen;
    const QImage image = Draw([&](TChartCanvas3D& c) {
        c.ApplyChartPen(Pen(pen, clBlack));
        c.VerticalLine(2, 0, 3);
        c.LineSegment(4, 0, 9, 5);
    }, {10, 6}, 2);
    EXPECT_EQ(image.size(), QSize(20, 12));
    EXPECT_EQ(image.devicePixelRatio(), 2);
    // The vertical line fills device columns 4 and 5 down to row 5.
    for (int y = 0; y < 12; ++y)
        for (int x = 3; x <= 6; ++x)
            EXPECT_EQ(PixelAt(image, x, y) == 0, (x == 4 || x == 5) && y < 6) << x << "," << y;
    // The diagonal is drawn in device pixels, not in blocks of four.
    int mixedBlocks = 0;
    for (int by = 0; by < 6; ++by)
        for (int bx = 4; bx < 10; ++bx) {
            const int black = (PixelAt(image, 2 * bx, 2 * by) == 0) + (PixelAt(image, 2 * bx + 1, 2 * by) == 0)
                + (PixelAt(image, 2 * bx, 2 * by + 1) == 0) + (PixelAt(image, 2 * bx + 1, 2 * by + 1) == 0);
            mixedBlocks += black > 0 && black < 4;
        }
    EXPECT_GT(mixedBlocks, 0);
}

TEST(ChartCanvas, RotatedTextTurnsByTheAngleBeyondAFullTurnToo)
{
    const auto text = [](int angle) {
        return Draw([&](TChartCanvas3D& c) {
            c.SetTextAlign(htaCenter, vtaBottom);
            c.WriteRotatedText(30, 30, angle, "W1");
        }, {60, 60});
    };
    const QImage upright = text(0);
    const QImage turned = text(90);
    EXPECT_EQ(text(450), turned);
    EXPECT_NE(turned, upright);
    // Reading upward, the text lies to the left of the anchor, along it.
    int left = 60, right = 0, top = 60, bottom = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            if (PixelAt(turned, x, y) != 0xFFFFFF) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_LE(right, 30);
    EXPECT_GT(bottom - top, right - left);
    EXPECT_LT(top, 30);
    EXPECT_GT(bottom, 30);
}

// Onto another painter (an SVG one, say) a line along a row or a column goes as one
// stroke, dashed by the pen's pattern; drawn, it covers the pixels the picture gets.
TEST(ChartCanvas, OntoAnotherDeviceLinesAlongRowsAndColumnsCoverThePicturesPixels)
{
    const struct {
        const char* name;
        TPenStyle style;
        int width;
        bool smallDots;
        TBackMode back;
        QPoint from, to;
    } cases[] = {
        {"dots rightward", psDot, 1, false, bmTransparent, {1, 3}, {19, 3}},
        {"dots leftward, opaque gaps", psDot, 1, false, bmOpaque, {18, 2}, {0, 2}},
        {"dash-dot upward", psDashDot, 1, false, bmTransparent, {4, 11}, {4, 0}},
        {"dashes downward, cut by the clip", psDash, 1, false, bmTransparent, {6, -20}, {6, 12}},
        {"small dots, cut at the start", psSolid, 1, true, bmTransparent, {-3, 5}, {20, 5}},
        {"wide dash-dot-dot", psDashDotDot, 3, false, bmOpaque, {0, 8}, {20, 8}},
        {"wide solid, reaching beyond its ends", psSolid, 2, false, bmTransparent, {10, 2}, {10, 9}},
        {"wide solid leftward, cut by the clip", psSolid, 3, false, bmTransparent, {25, 10}, {14, 10}},
    };
    const QSize size(20, 12);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TChartPen pen;
        Pen(pen, clRed, c.width, c.style).SetSmallDots(c.smallDots);
        const auto draw = [&](TChartCanvas3D& canvas) {
            canvas.ClipToRect(TRect{0, 0, 19, 11});
            canvas.ApplyChartPen(pen);
            canvas.SetBackColor(clBlack);
            canvas.SetBackMode(c.back);
            canvas.LineSegment(c.from.x(), c.from.y(), c.to.x(), c.to.y());
        };
        QImage device(size, QImage::Format_RGB32);
        device.fill(Qt::white);
        QPainter painter(&device);
        TChartCanvas3D canvas;
        canvas.BeginFrame(painter, TRect{0, 0, size.width(), size.height()});
        draw(canvas);
        canvas.EndFrame(nullptr);
        painter.end();
        EXPECT_EQ(Art(device), Art(Draw(draw, size)));
    }
}
