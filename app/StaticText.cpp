#include "app/StaticText.h"

#include "platform/QtText.h"

TStaticText::TStaticText(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
}

void TStaticText::SetCaption(const AnsiString& caption)
{
    setText(ToQString(caption));
}
