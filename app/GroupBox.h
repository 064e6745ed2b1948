#pragma once
// A framed group of controls with a caption on its top edge.
#include "core/AnsiString.h"

#include <QGroupBox>

class TGroupBox : public QGroupBox {
public:
    explicit TGroupBox(QWidget* parent);
    void SetCaption(const AnsiString& caption);
};
