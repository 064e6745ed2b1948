#include "GroupBox.h"

#include "core/QtText.h"

TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(parent) {}

void TGroupBox::SetCaption(const AnsiString& caption)
{
    setTitle(ToQString(caption));
}
