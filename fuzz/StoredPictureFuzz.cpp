// A stored picture block from arbitrary bytes: read, then decoded and drawn.
#include "fuzz/FuzzTarget.h"

#include "core/Exception.h"
#include "picture/MemoryStream.h"
#include "picture/Picture.h"

#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TPicture picture;
    try {
        TMemoryStream stream(std::span<const std::uint8_t>(data, size));
        picture.ReadData(stream);
        if (TGraphic* graphic = picture.Graphic()) {
            QImage window(132, 80, QImage::Format_RGB32);
            QPainter canvas(&window);
            graphic->Draw(canvas, window.rect());
        }
    } catch (const Exception&) {
        // The program's own errors (EReadError, EJPEG) are how bad data ends.
    }
    return 0;
}
