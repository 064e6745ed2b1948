#pragma once
// Docking of child controls to the edges of their container, in the order
// top, bottom, left, right, client; hidden controls take no room.
class QWidget;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

void SetAlign(QWidget* control, TAlign align);
TAlign AlignOf(const QWidget* control);

// Places the aligned visible children of the container in its client rectangle.
void AlignControls(QWidget* container);

// Keeps the container's children aligned whenever it is resized or an aligned
// child is shown or hidden.
void KeepAligned(QWidget* container);
