#pragma once
// A container with an optional one-pixel bevel and a centred caption behind its children.
#include "core/AnsiString.h"
#include "platform/Bevel.h"

#include <QFrame>

class TPanel : public QFrame {
public:
    explicit TPanel(QWidget* parent);
    void SetCaption(const AnsiString& caption);
    AnsiString Caption() const { return FCaption; }
    void SetBevelOuter(TBevel bevel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AnsiString FCaption;
};
