#pragma once
// The About box: the program, its version, licence and homepage.
class QWidget;

// Shows it modally over the parent window until the user closes it (OK, Escape or its close box).
void ShowAboutBox(QWidget* parent);

// Adds «О программе…» at the end of the control's context menu, after a separator.
void AddAboutCommand(QWidget* control);
