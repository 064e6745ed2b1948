#include "tools/schematic/SchematicCanvas.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPolygonF>

namespace {

const QColor Ink(20, 20, 20);
const QColor Paper(220, 220, 220);
constexpr double LineWidth = 3.0;
constexpr double DotRadius = 5.5;
constexpr double TerminalRadius = 7.0;
constexpr double ResistorLength = 66.0;
constexpr double ResistorWidth = 24.0;
constexpr double PlateGap = 12.0;
constexpr double PlateWidth = 40.0;
constexpr double PlateThickness = 4.0;

QFont SerifItalic(int pixelSize)
{
    QFont font("Liberation Serif");
    font.setItalic(true);
    font.setPixelSize(pixelSize);
    return font;
}

// The unit vector from one end to the other and the half-way point.
struct TAxis {
    QPointF Mid;
    QPointF Along;
    QPointF Across;
};

TAxis AxisBetween(QPointF from, QPointF to)
{
    const QLineF line(from, to);
    const QPointF along = (to - from) / line.length();
    return {(from + to) / 2.0, along, QPointF(-along.y(), along.x())};
}

} // namespace

TSchematicCanvas::TSchematicCanvas(QPainter& painter)
    : FPainter(painter)
    , FWirePen(Ink, LineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
    , FMainFont(SerifItalic(34))
    , FSubFont(SerifItalic(24))
{
    FPainter.setRenderHint(QPainter::Antialiasing);
    FPainter.setRenderHint(QPainter::TextAntialiasing);
    // Odd-width lines on whole-pixel coordinates then cover whole pixels.
    FPainter.translate(0.5, 0.5);
}

void TSchematicCanvas::Wire(std::initializer_list<QPointF> points)
{
    FPainter.setPen(FWirePen);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawPolyline(QPolygonF(QList<QPointF>(points)));
}

void TSchematicCanvas::Dot(QPointF at)
{
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(Ink);
    FPainter.drawEllipse(at, DotRadius, DotRadius);
}

void TSchematicCanvas::Terminal(QPointF at)
{
    FPainter.setPen(FWirePen);
    FPainter.setBrush(Paper);
    FPainter.drawEllipse(at, TerminalRadius, TerminalRadius);
}

void TSchematicCanvas::Resistor(QPointF from, QPointF to)
{
    const TAxis axis = AxisBetween(from, to);
    const QPointF halfBody = axis.Along * (ResistorLength / 2);
    Wire({from, axis.Mid - halfBody});
    Wire({axis.Mid + halfBody, to});
    const QPointF halfWidth = axis.Across * (ResistorWidth / 2);
    FPainter.setPen(FWirePen);
    FPainter.setBrush(Paper);
    FPainter.drawPolygon(QPolygonF({axis.Mid - halfBody - halfWidth, axis.Mid + halfBody - halfWidth,
        axis.Mid + halfBody + halfWidth, axis.Mid - halfBody + halfWidth}));
}

void TSchematicCanvas::Capacitor(QPointF from, QPointF to)
{
    const TAxis axis = AxisBetween(from, to);
    const QPointF halfGap = axis.Along * (PlateGap / 2);
    Wire({from, axis.Mid - halfGap});
    Wire({axis.Mid + halfGap, to});
    const QPointF halfPlate = axis.Across * (PlateWidth / 2);
    QPen platePen(FWirePen);
    platePen.setWidthF(PlateThickness);
    platePen.setCapStyle(Qt::FlatCap);
    FPainter.setPen(platePen);
    for (const QPointF& plate : {axis.Mid - halfGap, axis.Mid + halfGap})
        FPainter.drawLine(plate - halfPlate, plate + halfPlate);
}

void TSchematicCanvas::ElectrolyticMarks(QPointF centre)
{
    QPen dashed(Ink, 2.0, Qt::CustomDashLine, Qt::FlatCap);
    dashed.setDashPattern({4.0, 3.0});
    FPainter.setPen(dashed);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawEllipse(centre, 36.0, 36.0);

    QPen mark(Ink, 2.5, Qt::SolidLine, Qt::FlatCap);
    FPainter.setPen(mark);
    const QPointF plus = centre + QPointF(-17, -14);
    FPainter.drawLine(plus - QPointF(6, 0), plus + QPointF(6, 0));
    FPainter.drawLine(plus - QPointF(0, 6), plus + QPointF(0, 6));
    const QPointF minus = centre + QPointF(-17, 15);
    FPainter.drawLine(minus - QPointF(6, 0), minus + QPointF(6, 0));
}

void TSchematicCanvas::Ground(QPointF at)
{
    const QPointF bar = at + QPointF(0, 18);
    Wire({at, bar});
    const double halfWidths[] = {22.0, 14.0, 6.0};
    for (int i = 0; i < 3; ++i) {
        const QPointF y(0, 7.0 * i);
        Wire({bar + y - QPointF(halfWidths[i], 0), bar + y + QPointF(halfWidths[i], 0)});
    }
}

void TSchematicCanvas::Envelope(QPointF centre, double radius)
{
    FPainter.setPen(FWirePen);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawEllipse(centre, radius, radius);
}

void TSchematicCanvas::Grid(QPointF from, QPointF to)
{
    QPen dashed(FWirePen);
    dashed.setCapStyle(Qt::FlatCap);
    dashed.setDashPattern({2.5, 1.5});
    FPainter.setPen(dashed);
    FPainter.drawLine(from, to);
}

double TSchematicCanvas::LabelWidth(const QString& main, const QString& sub) const
{
    return QFontMetricsF(FMainFont).horizontalAdvance(main) + QFontMetricsF(FSubFont).horizontalAdvance(sub);
}

void TSchematicCanvas::Label(QPointF anchor, const QString& main, const QString& sub, Qt::Alignment align)
{
    const double width = LabelWidth(main, sub);
    double left = anchor.x();
    if (align & Qt::AlignRight)
        left -= width;
    else if (align & Qt::AlignHCenter)
        left -= width / 2;
    const QFontMetricsF mainMetrics(FMainFont);
    const double baseline = anchor.y() + mainMetrics.capHeight() / 2;
    FPainter.setPen(Ink);
    FPainter.setFont(FMainFont);
    FPainter.drawText(QPointF(left, baseline), main);
    FPainter.setFont(FSubFont);
    FPainter.drawText(QPointF(left + mainMetrics.horizontalAdvance(main), baseline + 9), sub);
}
