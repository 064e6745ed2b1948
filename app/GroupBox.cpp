#include "app/GroupBox.h"

#include "platform/QtText.h"

TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(parent) {}

void TGroupBox::SetCaption(const AnsiString& caption)
{
    setTitle(ToQString(caption));
}
