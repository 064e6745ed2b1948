#pragma once
// The window of standard values: for the results list's selected row, the E6, E12 and
// E24 values at or above the row's Сс and below it, each with the Мн, attenuation and
// phase it gives and the frequency at which it gives the row's Мн. It follows the
// selection while open and copies as text.
#include "app/Form.h"

class TButton;
class TLabel;
class TListView;
class TPanel;

class TStandardForm : public TForm {
public:
    // The results list whose selected row it shows, and the calculated table behind it.
    explicit TStandardForm(TListView* results);

    TLabel* Label1; // the row
    TListView* List;
    TPanel* Panel1;
    TButton* Button1; // «Закрыть»

    // Shows the report of the results list's selected row, or that none is selected.
    void UpdateReport();
    // The window's text on the clipboard: the row's line, the captions and the rows.
    void CopyReport() const;

private:
    TListView* FResults;
};
