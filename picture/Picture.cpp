#include "picture/Picture.h"

#include "picture/MemoryStream.h"
#include "picture/PictureFormats.h"

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic) {
        FGraphic->OnChange = [this](TGraphic&) {
            if (OnChange)
                OnChange(*this);
        };
        FGraphic->OnProgress = [this](TGraphic& sender, TProgressStage stage, int percentDone, bool redrawNow,
                                   const QRect& rect) {
            if (OnProgress)
                OnProgress(sender, stage, percentDone, redrawNow, rect);
        };
    }
    if (OnChange)
        OnChange(*this);
}

int TPicture::Width() const
{
    return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const
{
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::ReadData(TMemoryStream& stream)
{
    AnsiString className(stream.ReadByte(), '\0');
    stream.ReadBuffer(className.data(), className.size());

    std::unique_ptr<TGraphic> graphic;
    if (const TPictureFormat* format = PictureFormats().FindByClassName(className)) {
        graphic = format->Create();
        graphic->ReadData(stream);
    }
    SetGraphic(std::move(graphic));
}
