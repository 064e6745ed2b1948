#pragma once
// The help window that F1 opens: what the program does and how to work it, with the
// way to the About box. It stays open beside the main window until closed.
#include "app/Form.h"

#include <QString>

class QTextBrowser;
class TButton;
class TPanel;

class THelpForm : public TForm {
public:
    THelpForm();

    QTextBrowser* Text;
    TPanel* Panel1;
    TButton* Button1; // «О программе…»
    TButton* Button2; // «Закрыть»

    // The README beside the installed program, else in the source tree the program was
    // built from; empty when neither is there.
    static QString ReadmePath();
};
