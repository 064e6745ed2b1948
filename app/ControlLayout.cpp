#include "app/ControlLayout.h"

#include "app/Button.h"
#include "app/Edit.h"
#include "app/GroupBox.h"
#include "app/HintProperties.h"
#include "app/Label.h"
#include "app/PageControl.h"
#include "app/Panel.h"
#include "app/StaticText.h"
#include "platform/QtText.h"
#include "platform/Scaling.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

constexpr const char* kTabOrderProperty = "kelvorinTabOrder";

// Controls in the order Tab visits them: each parent's children by tab order, depth first.
void CollectTabChain(QWidget* parent, std::vector<QWidget*>& chain)
{
    std::vector<QWidget*> children;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow() && w->property(kTabOrderProperty).isValid())
            children.push_back(w);
    }
    std::stable_sort(children.begin(), children.end(), [](const QWidget* a, const QWidget* b) {
        return a->property(kTabOrderProperty).toInt() < b->property(kTabOrderProperty).toInt();
    });
    for (QWidget* w : children) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.push_back(w);
        CollectTabChain(w, chain);
    }
}

} // namespace

void SetControlText(QWidget* control, const AnsiString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(ToQString(text));
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(ToQString(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(ToQString(text));
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(ToQString(text));
    else if (auto* panel = dynamic_cast<TPanel*>(control))
        panel->SetCaption(text);
    else if (auto* page = dynamic_cast<TTabSheet*>(control))
        page->SetCaption(text);
    else if (control->isWindow())
        control->setWindowTitle(ToQString(text));
}

void ApplyLayout(QWidget* form, std::span<const TControlLayout> layout)
{
    for (const TControlLayout& entry : layout) {
        QWidget* control = form->objectName() == entry.Name
            ? form
            : form->findChild<QWidget*>(QString::fromUtf8(entry.Name));
        if (!control)
            throw std::logic_error(std::string("layout names a missing control: ") + entry.Name);
        if (entry.Font)
            SetControlFont(control, *entry.Font);
        if (entry.Color != clDefault)
            SetControlColor(control, entry.Color);
        if (entry.Text)
            SetControlText(control, AnsiFromUtf8(entry.Text));
        if (entry.Hint)
            SetHint(control, AnsiFromUtf8(entry.Hint));
        if (entry.ShowHint != shParent)
            SetShowHint(control, entry.ShowHint == shOn);
        if (entry.TabOrder >= 0)
            control->setProperty(kTabOrderProperty, entry.TabOrder);
        if (control != form) {
            const QRect bounds(entry.Left, entry.Top, entry.Width, entry.Height);
            if (!bounds.isNull())
                control->setGeometry(Scaled(bounds));
            // A one-line label never cuts its text, whatever the font's metrics.
            if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap())
                label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
            if (!entry.Visible)
                control->hide();
            if (entry.Align != alNone)
                SetAlign(control, entry.Align);
        }
    }
    AlignTree(form);
    std::vector<QWidget*> chain;
    CollectTabChain(form, chain);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}
