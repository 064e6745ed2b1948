#include "app/Panel.h"

#include "app/Align.h"
#include "platform/QtText.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
    setAutoFillBackground(true);
    SetBevelOuter(bvRaised);
    KeepAligned(this);
}

void TPanel::SetCaption(const AnsiString& caption)
{
    FCaption = caption;
    update();
}

void TPanel::SetBevelOuter(TBevel bevel)
{
    setFrameStyle(bevel == bvNone      ? int(QFrame::NoFrame)
                  : bevel == bvLowered ? QFrame::Panel | QFrame::Sunken
                                       : QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    AlignControls(this);
}

void TPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawText(contentsRect(), Qt::AlignCenter, ToQString(FCaption));
}
