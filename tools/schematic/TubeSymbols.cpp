#include "tools/schematic/TubeSymbols.h"

#include <cmath>

namespace {

// The lower point of the envelope at a horizontal offset from its centre.
QPointF EnvelopeBottom(QPointF centre, double radius, double dx)
{
    return centre + QPointF(dx, std::sqrt(radius * radius - dx * dx));
}

QPointF EnvelopeLeft(QPointF centre, double radius, double dy)
{
    return centre + QPointF(-std::sqrt(radius * radius - dy * dy), dy);
}

// The anode plate with its lead up through the top of the envelope.
QPointF DrawAnode(TSchematicCanvas& canvas, QPointF centre, double radius, double y, double halfWidth)
{
    const QPointF plate = centre + QPointF(0, y);
    canvas.Wire({plate - QPointF(halfWidth, 0), plate + QPointF(halfWidth, 0)});
    const QPointF top = centre - QPointF(0, radius);
    canvas.Wire({plate, top});
    return top;
}

// A grid line with its lead out to the left through the envelope.
QPointF DrawGrid(TSchematicCanvas& canvas, QPointF centre, double radius, double y, double left, double right)
{
    canvas.Grid(centre + QPointF(left, y), centre + QPointF(right, y));
    const QPointF lead = EnvelopeLeft(centre, radius, y);
    canvas.Wire({lead, centre + QPointF(left, y)});
    return lead;
}

// The indirectly heated cathode: a bar bent down at its left end into the
// lead, with the heater arc under its right part.
QPointF DrawCathode(TSchematicCanvas& canvas, QPointF centre, double radius, double y, double left, double right)
{
    canvas.Wire({centre + QPointF(right, y), centre + QPointF(left, y)});
    const QPointF lead = EnvelopeBottom(centre, radius, left);
    canvas.Wire({centre + QPointF(left, y), lead});

    const double arcLeft = left + 18;
    const double arcRight = right + 2;
    const double arcTop = y + 10;
    const double arcFoot = y + 22;
    canvas.Wire({EnvelopeBottom(centre, radius, arcLeft), centre + QPointF(arcLeft, arcFoot),
        centre + QPointF((arcLeft + arcRight) / 2, arcTop), centre + QPointF(arcRight, arcFoot),
        EnvelopeBottom(centre, radius, arcRight)});
    return lead;
}

} // namespace

TTubeLeads DrawTriode(TSchematicCanvas& canvas, QPointF centre)
{
    constexpr double radius = 54;
    canvas.Envelope(centre, radius);
    TTubeLeads leads;
    leads.Anode = DrawAnode(canvas, centre, radius, -24, 22);
    leads.ControlGrid = DrawGrid(canvas, centre, radius, 0, -26, 26);
    leads.Cathode = DrawCathode(canvas, centre, radius, 20, -18, 20);
    return leads;
}

TTubeLeads DrawPentode(TSchematicCanvas& canvas, QPointF centre)
{
    constexpr double radius = 68;
    canvas.Envelope(centre, radius);
    TTubeLeads leads;
    leads.Anode = DrawAnode(canvas, centre, radius, -44, 26);
    constexpr double suppressorY = -27;
    constexpr double cathodeY = 33;
    constexpr double link = 38;
    canvas.Grid(centre + QPointF(-30, suppressorY), centre + QPointF(link, suppressorY));
    leads.ScreenGrid = DrawGrid(canvas, centre, radius, -9, -30, 28);
    leads.ControlGrid = DrawGrid(canvas, centre, radius, 13, -30, 28);
    leads.Cathode = DrawCathode(canvas, centre, radius, cathodeY, -20, 22);
    canvas.Wire({centre + QPointF(link, suppressorY), centre + QPointF(link, cathodeY),
        centre + QPointF(22, cathodeY)});
    return leads;
}
