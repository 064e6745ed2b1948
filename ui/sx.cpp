#include "ui/sx.h"

#include "app/Button.h"
#include "app/Label.h"
#include "app/Panel.h"
#include "assets/SchematicPicture.h"
#include "picture/Image.h"
#include "picture/MemoryStream.h"
#include "platform/Guarded.h"
#include "ui/sxLayout.h"

TForm2* Form2 = nullptr;

TForm2::TForm2() : TForm("Form2")
{
    SetClientSize(530, 357);
    Position = poDesktopCenter;

    Panel1 = NewControl<TPanel>(this, "Panel1");
    Panel1->SetBevelOuter(bvLowered);
    Image1 = NewControl<TImage>(Panel1, "Image1");
    Image1->SetStretch(true);
    Label1 = NewControl<TLabel>(this, "Label1");
    Button1 = NewControl<TButton>(this, "Button1");
    Button1->OnClick = [this] { Button1Click(); };

    ApplyLayout(this, Form2Layout());
    Button1->SetDefault(true);
    SetBorderStyle(bsToolWindow);

    // Only the header is read now; the picture is decoded when first drawn.
    Guarded([this] {
        TMemoryStream stream(SchematicPictureData());
        Image1->Picture().ReadData(stream);
    });
}

void TForm2::Button1Click()
{
    SetModalResult(mrOk);
}
