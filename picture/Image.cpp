#include "picture/Image.h"

#include "core/StoreChanged.h"
#include "platform/Guarded.h"

#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
    FPicture.OnChange = [this](TPicture&) { PictureChanged(); };
}

void TImage::SetStretch(bool value)
{
    StoreChanged(FStretch, value, [this] { PictureChanged(); });
}

void TImage::SetCenter(bool value)
{
    StoreChanged(FCenter, value, [this] { PictureChanged(); });
}

QRect TImage::DestRect() const
{
    if (FStretch)
        return rect();
    QRect dest(0, 0, FPicture.Width(), FPicture.Height());
    if (FCenter)
        dest.moveCenter(rect().center());
    return dest;
}

void TImage::Paint(QPainter& canvas)
{
    TGraphic* graphic = FPicture.Graphic();
    if (graphic && !graphic->Empty())
        graphic->Draw(canvas, DestRect());
}

void TImage::paintEvent(QPaintEvent*)
{
    if (FPaintFailed)
        return;
    QPainter canvas(this);
    if (!Guarded([&] { Paint(canvas); })) {
        FPaintFailed = true;
        UpdateOpacity(); // what lies beneath shows through the undrawn picture
    }
}

void TImage::resizeEvent(QResizeEvent*)
{
    UpdateOpacity();
}

void TImage::PictureChanged()
{
    FPaintFailed = false;
    UpdateOpacity();
    update();
}

// Opaque when the picture covers every pixel, so Qt need not paint what lies beneath.
void TImage::UpdateOpacity()
{
    const TGraphic* graphic = FPicture.Graphic();
    const bool covers = graphic && !FPaintFailed && !graphic->Empty() && !graphic->Transparent()
        && (FStretch || (graphic->Width() >= width() && graphic->Height() >= height()));
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
}
