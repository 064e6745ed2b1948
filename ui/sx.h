#pragma once
// The schematic window: the circuit picture, where newer versions are found, and Exit.
#include "app/Form.h"

class TButton;
class TImage;
class TLabel;
class TPanel;

class TForm2 : public TForm {
public:
    TForm2();

    TPanel* Panel1;
    TImage* Image1;
    TLabel* Label1;
    TButton* Button1;

    // Ends the modal show with the result OK.
    void Button1Click();
};

extern TForm2* Form2;
