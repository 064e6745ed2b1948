#pragma once
// A window's stored layout as data: one entry per control, applied to the
// controls of that name once the window has created them.
#include "app/Align.h"
#include "app/Appearance.h"
#include "core/AnsiString.h"

#include <QString>

#include <span>
#include <utility>

class QWidget;

enum TShowHint { shParent, shOn, shOff };

// "No colour of its own": the control keeps its class's default colour.
constexpr TColor clDefault = 0x20000000;

struct TControlLayout {
    const char* Name;
    TAlign Align;
    int Left, Top, Width, Height; // design pixels, in the parent's client area; all 0: placed by the parent
    int TabOrder;                 // position among the parent's children; -1 when not a tab stop
    const char* Text;             // caption or text, UTF-8
    const char* Hint;             // UTF-8
    TShowHint ShowHint;
    const TFontStyle* Font;        // null: the parent's font
    TColor Color;
    bool Visible = true;
};

// A new control in the parent, under the name its layout entry gives it.
template <class T, class... Args>
T* NewControl(QWidget* parent, const char* name, Args&&... args)
{
    T* control = new T(parent, std::forward<Args>(args)...);
    control->setObjectName(QString::fromUtf8(name));
    return control;
}

// Applies every entry to the form's control of that name (the form itself for its
// own name), then chains keyboard focus through the controls in tab order.
void ApplyLayout(QWidget* form, std::span<const TControlLayout> layout);

// Sets the text a control shows: a caption, an edit text or a title.
void SetControlText(QWidget* control, const AnsiString& text);
