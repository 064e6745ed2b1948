#include "chart/ChartCanvas.h"

#include "chart/FontTextMetrics.h"
#include "chart/LineRaster.h"
#include "platform/QtText.h"
#include "platform/SystemColors.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QRect RectLTRB(int left, int top, int right, int bottom)
{
    return TRect{left, top, right, bottom}.ToQRect();
}

QPainter::CompositionMode CompositionFor(TPenMode mode)
{
    switch (mode) {
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

Qt::BrushStyle HatchFor(TBrushStyle style)
{
    switch (style) {
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::BDiagPattern;
    case bsBDiagonal:
        return Qt::FDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

// Cuts the segment from a to b down to its part inside the rectangle; answers the
// share of its length cut off at a, or a negative value when nothing of it is inside.
qreal ClipSegment(QPointF& a, QPointF& b, const QRectF& rect)
{
    const QPointF d = b - a;
    const qreal toward[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const qreal room[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(), rect.bottom() - a.y()};
    qreal enter = 0, leave = 1;
    for (int i = 0; i < 4; ++i) {
        if (toward[i] == 0) {
            if (room[i] < 0)
                return -1;
            continue;
        }
        const qreal t = room[i] / toward[i];
        if (toward[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return -1;
    const QPointF start = a;
    a = start + enter * d;
    b = start + leave * d;
    return enter;
}

} // namespace

TChartCanvas3D::TChartCanvas3D()
    : FMetrics(std::make_unique<TFontTextMetrics>()), FFont(std::make_unique<TChartFont>())
{
}

TChartCanvas3D::~TChartCanvas3D() = default;

void TChartCanvas3D::SetTextMetrics(std::unique_ptr<TTextMetrics> metrics)
{
    FMetrics = std::move(metrics);
}

void TChartCanvas3D::StartPainting(QPainter* painter)
{
    FPainter = painter;
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, true);
    FClipping = false;
}

TRect TChartCanvas3D::BeginFrame(QSize size, qreal devicePixelRatio)
{
    FBuffered = true;
    const QSize device(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
    if (FBuffer.size() != device || FBuffer.devicePixelRatio() != devicePixelRatio) {
        FBuffer = QImage(device, QImage::Format_RGB32);
        FBuffer.setDevicePixelRatio(devicePixelRatio);
    }
    FOwnPainter = std::make_unique<QPainter>(&FBuffer);
    FExact = devicePixelRatio == 1.0;
    FCutToClip = false;
    FFrame = TRect{0, 0, size.width(), size.height()};
    StartPainting(FOwnPainter.get());
    return FFrame;
}

TRect TChartCanvas3D::BeginFrame(QPainter& target, const TRect& bounds)
{
    FExact = false;
    FCutToClip = true;
    FFrame = bounds;
    StartPainting(&target);
    return bounds;
}

void TChartCanvas3D::EndFrame(QPainter* window, QPoint origin)
{
    if (FOwnPainter) {
        FOwnPainter.reset();
        FStale = false;
        if (window)
            window->drawImage(origin, FBuffer);
    } else if (FPainter) {
        FPainter->setClipping(false);
    }
    FPainter = nullptr;
}

bool TChartCanvas3D::RepaintFromBuffer(QPainter& window) const
{
    if (FStale || !FBuffered || FBuffer.isNull())
        return false;
    window.drawImage(QPoint(0, 0), FBuffer);
    return true;
}

bool TChartCanvas3D::DrawOverPicture(const std::function<void()>& draw)
{
    if (FStale || !FBuffered || FBuffer.isNull() || FPainter)
        return false;
    QPainter painter(&FBuffer);
    StartPainting(&painter);
    struct TUnbind {
        QPainter*& Painter;
        ~TUnbind() { Painter = nullptr; }
    } unbind{FPainter};
    draw();
    return true;
}

void TChartCanvas3D::SetBuffered(bool value)
{
    if (value == FBuffered)
        return;
    FBuffered = value;
    if (!value)
        FBuffer = QImage();
    FStale = true;
}

void TChartCanvas3D::SetBrush(TColor color, TBrushStyle style)
{
    FBrush = {color, style};
    if (style == bsSolid) {
        FBackColor = color;
        FBackMode = bmOpaque;
    } else {
        FBackMode = bmTransparent;
    }
}

void TChartCanvas3D::SetTextAlign(THorizTextAlign horiz, TVertTextAlign vert)
{
    FHorizAlign = horiz;
    FVertAlign = vert;
}

void TChartCanvas3D::ApplyChartPen(const TChartPen& pen)
{
    if (!pen.Visible()) {
        FPen.Style = psClear;
        return;
    }
    FPen.Color = pen.Color();
    FPen.Mode = pen.Mode();
    FPen.Style = pen.Style();
    FPen.Width = pen.Width();
    FPen.Alternate = pen.SmallDots() && pen.Width() == 1;
}

void TChartCanvas3D::ResetDrawingDefaults()
{
    FPen = TCanvasPen{};
    FBrush = TCanvasBrush{};
    FFont->SetColor(clBlack);
    FFont->SetSize(10);
    FBackColor = clWhite;
    FBackMode = bmTransparent;
}

void TChartCanvas3D::MovePen(int x, int y)
{
    FPenPos = QPoint(x, y);
}

void TChartCanvas3D::DrawPenTo(int x, int y)
{
    Stroke(FPenPos.x(), FPenPos.y(), x, y);
    FPenPos = QPoint(x, y);
}

void TChartCanvas3D::LineSegment(int x0, int y0, int x1, int y1)
{
    MovePen(x0, y0);
    DrawPenTo(x1, y1);
}

void TChartCanvas3D::HorizontalLine(int x0, int x1, int y)
{
    LineSegment(x0, y, x1, y);
}

void TChartCanvas3D::VerticalLine(int x, int y0, int y1)
{
    LineSegment(x, y0, x, y1);
}

void TChartCanvas3D::FillPixels(int left, int top, int right, int bottom, TColor color, TPenMode mode)
{
    QRect rect = RectLTRB(left, top, right, bottom);
    if (FClipping)
        rect &= FClip;
    if (rect.isEmpty())
        return;
    const QPainter::CompositionMode composition = CompositionFor(mode);
    if (composition != QPainter::CompositionMode_SourceOver)
        FPainter->setCompositionMode(composition);
    FPainter->fillRect(rect, ToQColor(color));
    if (composition != QPainter::CompositionMode_SourceOver)
        FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TChartCanvas3D::Stroke(int x0, int y0, int x1, int y1)
{
    if (!FPainter || FPen.Style == psClear)
        return;
    const bool axisAligned = x0 == x1 || y0 == y1;
    if (!FExact && !axisAligned) {
        StrokeGeometric(x0, y0, x1, y1);
        return;
    }
    const int width = std::max(1, FPen.Width);
    const int before = width / 2; // a wide line is centred on the pixels of a thin one
    // A wide pen's ends are rounded on the platform; along a row or a column that
    // covers half the width beyond each end.
    const int cap = width > 1 && axisAligned ? width / 2 : 0;
    const std::span<const int> pattern = DashPattern(FPen.Style, FPen.Alternate);
    const bool forward = (std::abs(static_cast<long long>(x1) - x0) >= std::abs(static_cast<long long>(y1) - y0)) ? x1 >= x0 : y1 >= y0;
    // Only pixels that can land on the surface (within the clip) are visited; the
    // margin keeps the parts of wide pixels that reach in from outside.
    TRect visible = FFrame;
    if (FClipping && !Intersect(visible, TRect{FClip.left(), FClip.top(), FClip.right() + 1, FClip.bottom() + 1}, visible))
        return;
    const int margin = width + cap;
    const int bounds[4] = {visible.Left - margin, visible.Top - margin, visible.Right + margin, visible.Bottom + margin};

    ForEachLineRun(x0, y0, x1, y1, bounds, [&](const TPixelRun& run) {
        // The pixels of steps [first, first + count) of this run, thickened across.
        auto fill = [&](int first, int count, TColor color, TPenMode mode, bool withCaps) {
            const int offset = first - run.FirstStep;
            int lo, hi;
            if (run.Horizontal) {
                lo = forward ? run.Left + offset : run.Right - offset - count;
                hi = lo + count;
            } else {
                lo = forward ? run.Top + offset : run.Bottom - offset - count;
                hi = lo + count;
            }
            if (withCaps) {
                lo -= cap;
                hi += cap;
            }
            if (run.Horizontal)
                FillPixels(lo, run.Top - before, hi, run.Top - before + width, color, mode);
            else
                FillPixels(run.Left - before, lo, run.Left - before + width, hi, color, mode);
        };
        if (pattern.empty()) {
            fill(run.FirstStep, run.Steps, FPen.Color, FPen.Mode, true);
            return;
        }
        if (FBackMode == bmOpaque)
            fill(run.FirstStep, run.Steps, FBackColor, pmCopy, false);
        ForEachDash(pattern, run.FirstStep, run.Steps,
                    [&](int first, int count) { fill(first, count, FPen.Color, FPen.Mode, false); });
    });
}

void TChartCanvas3D::StrokeGeometric(int x0, int y0, int x1, int y1)
{
    QPen pen(ToQColor(FPen.Color));
    pen.setWidthF(std::max(1, FPen.Width));
    pen.setCapStyle(Qt::FlatCap);
    const std::span<const int> pattern = DashPattern(FPen.Style, FPen.Alternate);
    if (!pattern.empty()) {
        QList<qreal> dashes;
        for (const int length : pattern)
            dashes.append(static_cast<qreal>(length) / pen.widthF());
        pen.setDashPattern(dashes);
    }
    // From the middle of the start pixel to the middle of the end pixel, where the
    // next line continues.
    QPointF from(x0 + 0.5, y0 + 0.5);
    QPointF to(x1 + 0.5, y1 + 0.5);
    // A vector device may leave out the painter's clip (an SVG one does): the line is
    // cut to it here, its dashes kept in step.
    if (FClipping && FCutToClip) {
        const qreal length = QLineF(from, to).length();
        const qreal cut = ClipSegment(from, to, QRectF(FClip));
        if (cut < 0)
            return;
        pen.setDashOffset(cut * length / pen.widthF());
    }
    FPainter->setPen(pen);
    FPainter->setCompositionMode(CompositionFor(FPen.Mode));
    FPainter->drawLine(from, to);
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TChartCanvas3D::FrameRect(int left, int top, int right, int bottom)
{
    if (!FPainter)
        return;
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right == left || bottom == top)
        return;
    const bool pen = FPen.Style != psClear;
    if (FBrush.Style != bsClear) {
        // The inside: within the outline, or up to it when there is none.
        const int inset = pen ? 1 : 0;
        FillRect(left + inset, top + inset, right - 1, bottom - 1);
    }
    if (!pen)
        return;
    if (FPen.Width <= 1 && FPen.Style == psSolid && !FPen.Alternate) {
        // Four spans that do not overlap, so that a not-xor outline drawn twice
        // leaves every pixel as it was.
        FillPixels(left, top, right, top + 1, FPen.Color, FPen.Mode);
        if (bottom - 1 > top)
            FillPixels(left, bottom - 1, right, bottom, FPen.Color, FPen.Mode);
        if (bottom - 1 > top + 1) {
            FillPixels(left, top + 1, left + 1, bottom - 1, FPen.Color, FPen.Mode);
            if (right - 1 > left)
                FillPixels(right - 1, top + 1, right, bottom - 1, FPen.Color, FPen.Mode);
        }
        return;
    }
    LineSegment(left, top, right - 1, top);
    DrawPenTo(right - 1, bottom - 1);
    DrawPenTo(left, bottom - 1);
    DrawPenTo(left, top);
}

void TChartCanvas3D::FillRect(int left, int top, int right, int bottom)
{
    if (!FPainter || FBrush.Style == bsClear)
        return;
    if (FBrush.Style == bsSolid) {
        FillPixels(left, top, right, bottom, FBrush.Color, pmCopy);
        return;
    }
    if (FBackMode == bmOpaque)
        FillPixels(left, top, right, bottom, FBackColor, pmCopy);
    QRect rect = RectLTRB(left, top, right, bottom);
    if (FClipping)
        rect &= FClip;
    FPainter->fillRect(rect, QBrush(ToQColor(FBrush.Color), HatchFor(FBrush.Style)));
}

void TChartCanvas3D::GradientFill(const TRect& rect, TColor start, TColor end, bool vertical)
{
    if (!FPainter)
        return;
    const QRect area = rect.ToQRect();
    QLinearGradient gradient(area.topLeft(), vertical ? area.bottomLeft() : area.topRight());
    gradient.setColorAt(0, ToQColor(start));
    gradient.setColorAt(1, ToQColor(end));
    FPainter->fillRect(area, gradient);
}

void TChartCanvas3D::DrawTextAt(int x, int y, const AnsiString& text)
{
    const QFont font = FFont->ToQFont();
    const QFontMetrics metrics(font);
    const int width = TextWidthOf(text);
    const int left = FHorizAlign == htaCenter ? x - width / 2 : FHorizAlign == htaRight ? x - width : x;
    const int baseline = FVertAlign == vtaTop      ? y + metrics.ascent()
                         : FVertAlign == vtaBottom ? y - metrics.descent()
                                                   : y;
    if (FBackMode == bmOpaque && FPainter->transform().isIdentity())
        FillPixels(left, baseline - metrics.ascent(), left + width, baseline + metrics.descent(), FBackColor, pmCopy);
    FPainter->setFont(font);
    FPainter->setPen(ToQColor(FFont->Color()));
    FPainter->drawText(QPoint(left, baseline), ToQString(text));
}

void TChartCanvas3D::WriteText(int x, int y, const AnsiString& text)
{
    if (FPainter)
        DrawTextAt(x, y, text);
}

void TChartCanvas3D::WriteRotatedText(int x, int y, int angle, const AnsiString& text)
{
    if (angle > 360)
        angle -= 360;
    SetBrush(FBrush.Color, bsClear);
    if (!FPainter)
        return;
    FPainter->save();
    FPainter->translate(x, y);
    FPainter->rotate(-angle); // the platform turns counter-clockwise, Qt clockwise
    DrawTextAt(0, 0, text);
    FPainter->restore();
}

int TChartCanvas3D::TextWidthOf(std::string_view text)
{
    return FMetrics->TextWidth(*FFont, text);
}

int TChartCanvas3D::TextHeightOf(std::string_view)
{
    return FMetrics->TextHeight(*FFont);
}

void TChartCanvas3D::ClipToRect(const TRect& rect)
{
    FClip = rect.ToQRect();
    FClipping = true;
    if (FPainter)
        FPainter->setClipRect(FClip);
}

void TChartCanvas3D::RemoveClip()
{
    FClipping = false;
    if (FPainter)
        FPainter->setClipping(false);
}

void TChartCanvas3D::ClipToPlotArea(const TRect& rect, int, int)
{
    ClipToRect(TRect{rect.Left + 1, rect.Top + 1, rect.Right, rect.Bottom - 1});
}

QPoint TChartCanvas3D::ProjectPoint(int x, int y, int) const
{
    return QPoint(x, y);
}
