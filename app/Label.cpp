#include "app/Label.h"

#include "platform/QtText.h"

TLabel::TLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void TLabel::SetCaption(const AnsiString& caption)
{
    setText(ToQString(caption));
}

AnsiString TLabel::Caption() const
{
    return FromQString(text());
}
