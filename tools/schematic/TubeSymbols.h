#pragma once
// Valve symbols: an envelope with the electrodes inside and leads ending on
// the envelope, where the external wiring joins them.
#include "tools/schematic/SchematicCanvas.h"

struct TTubeLeads {
    QPointF Anode;
    QPointF ControlGrid;
    QPointF ScreenGrid;
    QPointF Cathode;
};

// Anode on top, one grid led out to the left, cathode led out at the bottom.
TTubeLeads DrawTriode(TSchematicCanvas& canvas, QPointF centre);
// As the triode, with the screen grid led out to the left above the control
// grid and the suppressor grid tied to the cathode inside the envelope.
TTubeLeads DrawPentode(TSchematicCanvas& canvas, QPointF centre);
