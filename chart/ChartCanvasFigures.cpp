// The canvas's lines and rectangles, placed pixel by pixel by the platform's rules
// (or drawn as vector lines onto another device).
#include "chart/ChartCanvas.h"

#include "chart/LineRaster.h"
#include "platform/SystemColors.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

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

QRect TChartCanvas3D::Clipped(int left, int top, int right, int bottom) const
{
    const QRect rect = TRect{left, top, right, bottom}.ToQRect();
    return FClip ? rect & FClip->ToQRect() : rect;
}

void TChartCanvas3D::FillPixels(int left, int top, int right, int bottom, TColor color, TPenMode mode)
{
    const QRect rect = Clipped(left, top, right, bottom);
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
    // Here the line runs along a row or a column.
    if (FOntoDevice) {
        StrokeRowOrColumn(x0, y0, x1, y1);
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
    if (FClip && !Intersect(visible, *FClip, visible))
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
    const std::span<const int> pattern = DashPattern(FPen.Style, FPen.Alternate);
    // From the middle of the start pixel to the middle of the end pixel, where the
    // next line continues.
    QPointF from(x0 + 0.5, y0 + 0.5);
    QPointF to(x1 + 0.5, y1 + 0.5);
    // A vector device may leave out the painter's clip (an SVG one does): the line is
    // cut to it here, its dashes kept in step.
    qreal cutOff = 0;
    if (FClip && FOntoDevice) {
        const qreal length = QLineF(from, to).length();
        const qreal cut = ClipSegment(from, to, QRectF(FClip->ToQRect()));
        if (cut < 0)
            return;
        cutOff = cut * length;
    }
    DrawStroke(from, to, std::max(1, FPen.Width), pattern, cutOff);
}

void TChartCanvas3D::StrokeRowOrColumn(int x0, int y0, int x1, int y1)
{
    const bool horizontal = y0 == y1;
    // Along the line, the edges of the pixels the rule gives: from the start pixel's
    // near edge (its far one for a line running backward) to the end pixel's, which
    // is left out.
    long long start = horizontal ? x0 : y0;
    long long end = horizontal ? x1 : y1;
    if (start == end)
        return;
    const bool forward = end > start;
    if (!forward) {
        ++start;
        ++end;
    }
    const int width = std::max(1, FPen.Width);
    const std::span<const int> pattern = DashPattern(FPen.Style, FPen.Alternate);
    // A wide solid line covers half its width beyond each end, as on the screen.
    const int cap = width > 1 && pattern.empty() ? width / 2 : 0;
    const int across = (horizontal ? y0 : x0) - width / 2; // centred on a thin line's pixels
    TRect visible = FFrame;
    if (FClip && !Intersect(visible, *FClip, visible))
        return;
    const long long alongLo = horizontal ? visible.Left : visible.Top;
    const long long alongHi = horizontal ? visible.Right : visible.Bottom;
    const int lo = static_cast<int>(std::clamp(std::min(start, end) - cap, alongLo, alongHi));
    const int hi = static_cast<int>(std::clamp(std::max(start, end) + cap, alongLo, alongHi));
    TRect covered = horizontal ? TRect{lo, across, hi, across + width} : TRect{across, lo, across + width, hi};
    if (!Intersect(covered, visible, covered))
        return;
    if (!pattern.empty() && FBackMode == bmOpaque)
        FillPixels(covered.Left, covered.Top, covered.Right, covered.Bottom, FBackColor, pmCopy);
    // The pixels cut off at the start keep the dashes where the rule puts them.
    const qreal cutOff = static_cast<qreal>(forward ? lo - start : start - hi);
    const qreal middle = horizontal ? (covered.Top + covered.Bottom) / 2.0 : (covered.Left + covered.Right) / 2.0;
    const qreal from = forward ? lo : hi;
    const qreal to = forward ? hi : lo;
    DrawStroke(horizontal ? QPointF(from, middle) : QPointF(middle, from),
               horizontal ? QPointF(to, middle) : QPointF(middle, to),
               horizontal ? covered.Height() : covered.Width(), pattern, cutOff);
}

void TChartCanvas3D::DrawStroke(QPointF from, QPointF to, qreal width, std::span<const int> pattern, qreal cutOff)
{
    QPen pen(ToQColor(FPen.Color));
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    // A pen's dashes are measured in its widths.
    if (!pattern.empty()) {
        QList<qreal> dashes;
        for (const int length : pattern)
            dashes.append(length / width);
        pen.setDashPattern(dashes);
        pen.setDashOffset(cutOff / width);
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
    FPainter->fillRect(Clipped(left, top, right, bottom), QBrush(ToQColor(FBrush.Color), HatchFor(FBrush.Style)));
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
