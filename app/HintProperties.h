#pragma once
// Hint settings of a control: its own hint text, and whether hints are shown for
// it (its own setting, or its container's while it follows the container).
#include "core/AnsiString.h"

class QWidget;

void SetHint(QWidget* control, const AnsiString& hint);
AnsiString HintOf(const QWidget* control);

// Switches hints on or off for the control itself; it stops following its container.
void SetShowHint(QWidget* control, bool show);
// Whether hints are on for the control, following containers up to the window (off there by default).
bool ShowHintOf(const QWidget* control);

// The control under the mouse or its nearest container whose hints are on; null when none.
QWidget* HintControlFor(QWidget* underMouse);
// The hint text of a control: its own, else that of its nearest container that has one.
AnsiString HintTextFor(const QWidget* control);
