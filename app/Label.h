#pragma once
// A line of text on its own background.
#include "core/AnsiString.h"

#include <QLabel>

class TLabel : public QLabel {
public:
    explicit TLabel(QWidget* parent);
    void SetCaption(const AnsiString& caption);
    AnsiString Caption() const;
};
