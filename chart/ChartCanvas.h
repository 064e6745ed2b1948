#pragma once
// The drawing object of a chart. It keeps an off-screen picture of the whole chart,
// so that a repaint with nothing changed is one copy, and draws lines, rectangles
// and plain or rotated text into it by the platform's pixel rules: a line leaves out
// its end pixel, a rectangle's right and bottom edges are exclusive, a dotted pen
// leaves gaps. All coordinates are the widget's logical pixels; on a screen with
// more device pixels per logical pixel the picture carries that ratio, so lines and
// texts are drawn at the screen's full resolution.
//
// It can also draw straight onto another painter (a vector device, say): the same
// calls then give the same figures, with lines drawn as lines.
#include "chart/ChartBrush.h"
#include "chart/ChartFont.h"
#include "chart/ChartPen.h"
#include "chart/ChartRect.h"
#include "chart/TextMetrics.h"
#include "core/AnsiString.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>
#include <span>

class QPainter;

enum THorizTextAlign { htaLeft, htaCenter, htaRight };
enum TVertTextAlign { vtaTop, vtaBottom, vtaBaseline };
enum TBackMode { bmTransparent, bmOpaque };

// The pen the canvas draws lines with, as set by ApplyChartPen.
struct TCanvasPen {
    TColor Color = clBlack;
    TPenMode Mode = pmCopy;
    TPenStyle Style = psSolid;
    int Width = 1;
    bool Alternate = false; // every other pixel
};

struct TCanvasBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class TChartCanvas3D {
public:
    TChartCanvas3D();
    ~TChartCanvas3D();
    TChartCanvas3D(const TChartCanvas3D&) = delete;
    TChartCanvas3D& operator=(const TChartCanvas3D&) = delete;

    // Text measurement; the real fonts unless replaced.
    void SetTextMetrics(std::unique_ptr<TTextMetrics> metrics);
    TTextMetrics& TextMetrics() const { return *FMetrics; }

    // Starts a frame into the off-screen picture of the size, re-created only when the
    // size or ratio changed; answers (0, 0, width, height).
    TRect BeginFrame(QSize size, qreal devicePixelRatio);
    // Starts an unbuffered frame onto the painter; answers the bounds unchanged.
    TRect BeginFrame(QPainter& target, const TRect& bounds);
    // Ends the frame; a buffered one is then current and, with a window, copied onto it.
    void EndFrame(QPainter* window, QPoint origin = {});
    // Copies the picture onto the window and answers true when it is current.
    bool RepaintFromBuffer(QPainter& window) const;
    // Runs the drawing calls of draw straight onto the current picture, between
    // frames, and answers true; answers false, running nothing, when there is no
    // current picture. The picture stays current with what they drew.
    bool DrawOverPicture(const std::function<void()>& draw);
    void MarkStale() { FStale = true; }
    bool BufferStale() const { return FStale; }
    // The off-screen picture of the last buffered frame.
    const QImage& Buffer() const { return FBuffer; }
    bool Buffered() const { return FBuffered; }
    // Unbuffered drawing discards the picture.
    void SetBuffered(bool value);
    bool Drawing() const { return FPainter != nullptr; }

    TCanvasPen& Pen() { return FPen; }
    TCanvasBrush& Brush() { return FBrush; }
    // A solid brush makes text and gaps opaque in its colour; any other makes them transparent.
    void SetBrush(TColor color, TBrushStyle style);
    // Keeps the brush's colour but fills nothing: text and gaps become transparent.
    void ClearBrush() { SetBrush(FBrush.Color, bsClear); }
    TChartFont& Font() { return FFont; }
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { FBackColor = value; }
    TBackMode BackMode() const { return FBackMode; }
    void SetBackMode(TBackMode value) { FBackMode = value; }
    void SetTextAlign(THorizTextAlign horiz, TVertTextAlign vert);

    // The pen from a chart pen: nothing stroked when it is hidden, every other pixel
    // when it asks for small dots at width 1.
    void ApplyChartPen(const TChartPen& pen);
    // Pen black, width 1, solid; brush white, solid; font black, 10 points; background white, transparent.
    void ResetDrawingDefaults();

    void MovePen(int x, int y);
    // A line from the current point, its end pixel left out; the end becomes the current point.
    void DrawPenTo(int x, int y);
    void LineSegment(int x0, int y0, int x1, int y1);
    void HorizontalLine(int x0, int x1, int y);
    void VerticalLine(int x, int y0, int y1);
    // The platform's rectangle: the outline with the pen, the inside with the brush.
    void FrameRect(int left, int top, int right, int bottom);
    // Fills the rectangle with the brush; a clear brush fills nothing.
    void FillRect(int left, int top, int right, int bottom);
    // Fills the rectangle with colours running from start to end, downward or rightward.
    void GradientFill(const TRect& rect, TColor start, TColor end, bool vertical);
    // A text at the anchor, placed by the text alignment, in the font's colour.
    void WriteText(int x, int y, const AnsiString& text);
    // A text turned by the angle (counter-clockwise, degrees) about the anchor.
    void WriteRotatedText(int x, int y, int angle, const AnsiString& text);

    int TextWidthOf(std::string_view text);
    int TextHeightOf(std::string_view text);
    // The height of "W" in the current font.
    int FontHeight() { return TextHeightOf("W"); }

    void ClipToRect(const TRect& rect);
    void RemoveClip();
    // Clips to the inside of a plot area: its left and top edges excluded, its bottom
    // row too, as series are drawn within the frame around the plot.
    void ClipToPlotArea(const TRect& rect, int frontDepth, int backDepth);
    // A flat chart has no projection: points stay where they are.
    QPoint ProjectPoint(int x, int y, int depth) const;

private:
    void Stroke(int x0, int y0, int x1, int y1);
    void StrokeGeometric(int x0, int y0, int x1, int y1);
    // A line along a row or a column on another device: the pixels the rule gives, as
    // one stroke (a dashed one with the pen's pattern) rather than a figure per dash.
    void StrokeRowOrColumn(int x0, int y0, int x1, int y1);
    // A line of the pen's colour, mode and pattern (its dashes begin cutOff pixels
    // into it), with flat ends.
    void DrawStroke(QPointF from, QPointF to, qreal width, std::span<const int> pattern, qreal cutOff);
    void FillPixels(int left, int top, int right, int bottom, TColor color, TPenMode mode);
    // The rectangle cut to the clip, in logical pixels.
    QRect Clipped(int left, int top, int right, int bottom) const;
    // Whether the off-screen picture shows the chart as it is.
    bool PictureCurrent() const { return !FStale && FBuffered && !FBuffer.isNull(); }
    void DrawTextAt(int x, int y, const AnsiString& text);
    void StartPainting(QPainter* painter);

    std::unique_ptr<TTextMetrics> FMetrics;
    QImage FBuffer;
    std::unique_ptr<QPainter> FOwnPainter;
    QPainter* FPainter = nullptr;
    bool FBuffered = true;
    bool FStale = true;
    bool FExact = true; // pixels placed by the rule; false when drawing on another device
    // Drawing onto another painter's device (a vector one, say): every line goes as a
    // stroke, cut to the clip here, which such a device may leave out.
    bool FOntoDevice = false;
    TRect FFrame;       // the drawing surface of the frame
    std::optional<TRect> FClip; // none: nothing clipped

    TCanvasPen FPen;
    TCanvasBrush FBrush;
    TChartFont FFont;
    TColor FBackColor = clWhite;
    TBackMode FBackMode = bmOpaque;
    THorizTextAlign FHorizAlign = htaLeft;
    TVertTextAlign FVertAlign = vtaTop;
    QPoint FPenPos;
};
