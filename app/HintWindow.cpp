#include "app/HintWindow.h"

#include "app/Appearance.h"
#include "platform/QtText.h"

THintWindow::THintWindow() : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setTextFormat(Qt::PlainText); // a hint may quote what the user typed, markup and all
    setMargin(2);
    SetControlColor(this, clInfoBk);
    SetFontColor(this, clWindowText);
    setFont(MakeFont({"MS Sans Serif", -13, clWindowText}));
}

void THintWindow::ActivateHint(const QPoint& cursor, const AnsiString& text)
{
    setText(ToQString(text));
    adjustSize();
    // Below the pointer, clear of its arrow.
    move(cursor + QPoint(0, 20));
    show();
    raise();
}

AnsiString THintWindow::Text() const
{
    return FromQString(text());
}
