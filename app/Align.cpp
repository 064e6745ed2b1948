#include "app/Align.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

constexpr const char* kAlignProperty = "kelvorinAlign";
constexpr const char* kAligningProperty = "kelvorinAligning";
// The bounds the program gave an aligned control (its layout, a splitter drag). Alignment
// fits them into the room it has but never stores what it assigns, so a control squeezed
// to nothing gets its size back when the room returns.
constexpr const char* kExplicitProperty = "kelvorinExplicitBounds";
// The bounds alignment last assigned, and whether it is assigning them right now: a
// resize or move that is neither is the program's and becomes the explicit bounds.
constexpr const char* kPlacedProperty = "kelvorinPlacedBounds";
constexpr const char* kPlacingProperty = "kelvorinPlacing";

QRect ExplicitBounds(const QWidget* w)
{
    return w->property(kExplicitProperty).toRect();
}

void Place(QWidget* w, const QRect& r)
{
    w->setProperty(kPlacingProperty, true);
    w->setGeometry(r);
    w->setProperty(kPlacingProperty, QVariant());
    // Read back: the control's own minimum or maximum size may have changed the rectangle.
    w->setProperty(kPlacedProperty, w->geometry());
}

class TAlignFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (AlignOf(widget) != alNone && !widget->property(kPlacingProperty).isValid()
                && widget->geometry() != widget->property(kPlacedProperty).toRect())
                widget->setProperty(kExplicitProperty, widget->geometry());
            if (event->type() == QEvent::Resize && widget->property(kAligningProperty).isValid())
                AlignControls(widget);
            break;
        case QEvent::LayoutRequest:
            if (widget->property(kAligningProperty).isValid())
                AlignControls(widget);
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (AlignOf(widget) != alNone && widget->parentWidget())
                AlignControls(widget->parentWidget(), widget);
            break;
        default:
            break;
        }
        return false;
    }
};

// Hidden by the program, as opposed to not yet shown with its window.
bool ExplicitlyHidden(const QWidget* w)
{
    return w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden);
}

TAlignFilter* Filter()
{
    static TAlignFilter* filter = new TAlignFilter;
    return filter;
}

// The order in which controls of one alignment take their place: nearest to
// their edge first, as the program placed them.
bool ComesFirst(TAlign align, const QWidget* a, const QWidget* b)
{
    const QRect ra = ExplicitBounds(a), rb = ExplicitBounds(b);
    switch (align) {
    case alTop: return ra.top() < rb.top();
    case alBottom: return ra.top() + ra.height() > rb.top() + rb.height();
    case alLeft: return ra.left() < rb.left();
    case alRight: return ra.left() + ra.width() > rb.left() + rb.width();
    default: return false;
    }
}

} // namespace

void SetAlign(QWidget* control, TAlign align)
{
    control->setProperty(kAlignProperty, static_cast<int>(align));
    control->setProperty(kExplicitProperty, control->geometry());
    control->installEventFilter(Filter());
}

TAlign AlignOf(const QWidget* control)
{
    const QVariant v = control->property(kAlignProperty);
    return v.isValid() ? static_cast<TAlign>(v.toInt()) : alNone;
}

void AlignControls(QWidget* container, const QWidget* trigger)
{
    QRect room = container->contentsRect();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<QWidget*> controls;
        for (QObject* child : container->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w && !w->isWindow() && !ExplicitlyHidden(w) && AlignOf(w) == align)
                controls.push_back(w);
        }
        std::stable_sort(controls.begin(), controls.end(), [align, trigger](const QWidget* a, const QWidget* b) {
            return ComesFirst(align, a, b) || (a == trigger && !ComesFirst(align, b, a));
        });
        for (QWidget* w : controls) {
            QRect r = room;
            const QSize wanted = ExplicitBounds(w).size();
            const int height = std::clamp(wanted.height(), 0, std::max(room.height(), 0));
            const int width = std::clamp(wanted.width(), 0, std::max(room.width(), 0));
            switch (align) {
            case alTop:
                r.setHeight(height);
                room.setTop(r.bottom() + 1);
                break;
            case alBottom:
                r.setTop(room.bottom() + 1 - height);
                room.setBottom(r.top() - 1);
                break;
            case alLeft:
                r.setWidth(width);
                room.setLeft(r.right() + 1);
                break;
            case alRight:
                r.setLeft(room.right() + 1 - width);
                room.setRight(r.left() - 1);
                break;
            default:
                break;
            }
            Place(w, r);
        }
    }
}

void AlignTree(QWidget* container)
{
    if (container->property(kAligningProperty).isValid())
        AlignControls(container);
    for (QObject* child : container->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            AlignTree(w);
}

void KeepAligned(QWidget* container)
{
    container->setProperty(kAligningProperty, true);
    container->installEventFilter(Filter());
    AlignControls(container);
}
