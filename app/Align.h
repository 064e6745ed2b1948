#pragma once
// Docking of child controls to the edges of their container, in the order
// top, bottom, left, right, client; hidden controls take no room.
class QWidget;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Marks the control as docked; it takes its place at its container's next alignment.
void SetAlign(QWidget* control, TAlign align);
TAlign AlignOf(const QWidget* control);

// Places the aligned visible children of the container in its client rectangle,
// each edge's controls in the order of their current positions; the control that
// asked for the alignment (just shown, say) goes first among equals.
void AlignControls(QWidget* container, const QWidget* trigger = nullptr);
// Aligns the container and then every container inside it, outermost first.
void AlignTree(QWidget* container);

// Keeps the container's children aligned whenever it is resized or an aligned
// child is shown or hidden.
void KeepAligned(QWidget* container);
