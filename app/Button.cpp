#include "app/Button.h"

#include "app/Form.h"
#include "platform/Guarded.h"
#include "platform/QtText.h"

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

void TButton::ActionChanged(const TAction& action)
{
    SetCaption(action.Caption());
    setEnabled(action.Enabled());
}

void TButton::Clicked()
{
    if (FAction)
        FAction->Execute();
    else if (OnClick)
        OnClick();
}
