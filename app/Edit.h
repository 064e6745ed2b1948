#pragma once
// A one-line text field.
#include "core/AnsiString.h"

#include <QLineEdit>

class TEdit : public QLineEdit {
public:
    explicit TEdit(QWidget* parent);
    // The text as the user typed it, in Windows-1251.
    AnsiString Text() const;
    void SetText(const AnsiString& text);

    // The longest text a field holds: far more than any number needs.
    static constexpr int MaxLength = 1000;
    // About how many undo steps the field keeps before its history starts afresh.
    static constexpr int HistoryLimit = 2000;

protected:
    bool event(QEvent* event) override;

private:
    void ForgetHistory();

    int FHistory = 0; // at least the undo steps taken since the history was last emptied
};
