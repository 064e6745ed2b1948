#pragma once
// A block of text, centred and wrapped at its width.
#include "core/AnsiString.h"

#include <QLabel>

class TStaticText : public QLabel {
public:
    explicit TStaticText(QWidget* parent);
    void SetCaption(const AnsiString& caption);
};
