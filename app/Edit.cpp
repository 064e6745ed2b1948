#include "app/Edit.h"

#include "platform/QtText.h"

#include <QEvent>

#include <cstdlib>

// The line edit keeps an undo step for every character typed, pasted or deleted, and its
// history keeps the memory it once took, so long pastes and long sessions would grow the
// process without end. The text is bounded, and so is the history: once the steps taken
// may pass HistoryLimit it is emptied, which costs only undo steps far back.
TEdit::TEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(MaxLength);
}

AnsiString TEdit::Text() const
{
    return FromQString(text());
}

void TEdit::SetText(const AnsiString& text)
{
    setText(ToQString(text));
}

bool TEdit::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::Drop:
    case QEvent::MouseButtonRelease: // the middle button pastes the selection
    case QEvent::ContextMenu:        // its commands run before it returns
        break;
    default:
        return QLineEdit::event(event);
    }
    // One step per character removed and inserted, and a separator: a replaced selection
    // is removed and inserted again however alike the texts, a deleted word shows in the
    // length.
    const int selected = selectionLength();
    const qsizetype length = text().size();
    const bool handled = QLineEdit::event(event);
    FHistory += 2 * selected + static_cast<int>(std::abs(text().size() - length)) + 2;
    if (FHistory > HistoryLimit)
        ForgetHistory();
    return handled;
}

void TEdit::ForgetHistory()
{
    const int cursor = cursorPosition();
    const int selected = selectionStart();
    const int length = selectionLength();
    setText(text()); // the same text: only the history goes
    if (selected >= 0 && cursor == selected)
        setSelection(selected + length, -length);
    else if (selected >= 0)
        setSelection(selected, length);
    else
        setCursorPosition(cursor);
    FHistory = 0;
}
