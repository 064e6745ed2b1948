#pragma once
// The small window that shows a hint below the mouse pointer.
#include "core/AnsiString.h"

#include <QLabel>

class THintWindow : public QLabel {
public:
    THintWindow();
    void ActivateHint(const QPoint& cursor, const AnsiString& text);
    AnsiString Text() const;
};
