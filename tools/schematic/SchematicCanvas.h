#pragma once
// Circuit-drawing primitives in the style of a book illustration: black lines,
// European resistor boxes, two-plate capacitors and italic serif labels whose
// Cyrillic subscripts sit smaller and lower.
#include <QPainter>
#include <QPointF>
#include <QString>

#include <initializer_list>

class TSchematicCanvas {
public:
    explicit TSchematicCanvas(QPainter& painter);

    // A polyline of wire through the given points.
    void Wire(std::initializer_list<QPointF> points);
    // A junction dot where three wires meet.
    void Dot(QPointF at);
    // An open terminal circle.
    void Terminal(QPointF at);
    // A resistor box centred between two ends on one axis, with its leads.
    void Resistor(QPointF from, QPointF to);
    // Two capacitor plates centred between two ends on one axis, with leads.
    void Capacitor(QPointF from, QPointF to);
    // The dashed circle and + / − marks of an electrolytic capacitor whose
    // plates are centred at the given point on a vertical wire.
    void ElectrolyticMarks(QPointF centre);
    // The earth symbol hanging below a point of the ground rail.
    void Ground(QPointF at);
    void Envelope(QPointF centre, double radius);
    // A dashed grid line.
    void Grid(QPointF from, QPointF to);

    // A label such as R with subscript "а", vertically centred on the anchor;
    // align is Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    void Label(QPointF anchor, const QString& main, const QString& sub, Qt::Alignment align);

private:
    double LabelWidth(const QString& main, const QString& sub) const;

    QPainter& FPainter;
    QPen FWirePen;
    QFont FMainFont;
    QFont FSubFont;
};
