#include "app/Button.h"

#include "app/Form.h"
#include "app/HintProperties.h"
#include "platform/Guarded.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QEvent>

TButton::TButton(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { Guarded([this] { Clicked(); }); });
}

TButton::~TButton()
{
    if (FAction)
        FAction->RemoveClient(this);
}

void TButton::SetCaption(const AnsiString& caption)
{
    setText(ToQString(caption));
}

AnsiString TButton::Caption() const
{
    return FromQString(text());
}

void TButton::SetAction(TAction* action)
{
    if (FAction)
        FAction->RemoveClient(this);
    FAction = action;
    if (FAction)
        FAction->AddClient(this);
}

void TButton::SetDefault(bool isDefault)
{
    setDefault(isDefault);
    if (auto* form = dynamic_cast<TForm*>(window()))
        form->SetDefaultButton(isDefault ? this : nullptr);
}

void TButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    // The window's font colour holds for every state; a button disabled itself takes the
    // style's disabled text colour instead.
    const QColor text = testAttribute(Qt::WA_ForceDisabled)
        ? QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText)
        : palette().color(QPalette::Active, QPalette::ButtonText);
    if (palette().color(QPalette::Disabled, QPalette::ButtonText) == text)
        return;
    QPalette disabled = palette();
    disabled.setColor(QPalette::Disabled, QPalette::ButtonText, text);
    setPalette(disabled);
}

void TButton::ActionChanged(const TAction& action)
{
    SetCaption(action.Caption());
    setEnabled(action.Enabled());
    ::SetHint(this, action.Hint());
}

void TButton::Clicked()
{
    if (FAction)
        FAction->Execute();
    else if (OnClick)
        OnClick();
}
