#include "app/Edit.h"

#include "platform/QtText.h"

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

AnsiString TEdit::Text() const
{
    return FromQString(text());
}

void TEdit::SetText(const AnsiString& text)
{
    setText(ToQString(text));
}
