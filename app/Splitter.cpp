#include "app/Splitter.h"

#include "app/Align.h"
#include "platform/Scaling.h"

#include <QMouseEvent>

#include <algorithm>

TSplitter::TSplitter(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::SplitHCursor);
}

QWidget* TSplitter::ResizedControl() const
{
    // The left-docked control whose right edge touches the splitter.
    for (QObject* child : parentWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && w != this && !w->isHidden() && AlignOf(w) == alLeft && w->geometry().right() + 1 == x())
            return w;
    }
    return nullptr;
}

void TSplitter::mousePressEvent(QMouseEvent* event)
{
    QWidget* control = ResizedControl();
    if (event->button() != Qt::LeftButton || !control)
        return;
    FDragging = true;
    FStartX = event->globalPosition().toPoint().x();
    FStartWidth = control->width();
}

void TSplitter::mouseMoveEvent(QMouseEvent* event)
{
    QWidget* control = FDragging ? ResizedControl() : nullptr;
    if (!control)
        return;
    const int minSize = Scaled(MinSize);
    // The control and whatever fills the rest of the container keep at least MinSize each.
    const int room = parentWidget()->contentsRect().right() + 1 - control->x() - width();
    const int wanted = FStartWidth + event->globalPosition().toPoint().x() - FStartX;
    control->resize(std::clamp(wanted, std::min(minSize, room), std::max(room - minSize, minSize)),
                    control->height());
    AlignControls(parentWidget());
}

void TSplitter::mouseReleaseEvent(QMouseEvent*)
{
    FDragging = false;
}
