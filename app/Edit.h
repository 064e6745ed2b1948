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
};
