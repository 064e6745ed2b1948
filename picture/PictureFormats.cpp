#include "picture/PictureFormats.h"

#include "picture/JPEGImage.h"

void TPictureFormats::Register(TPictureFormat format)
{
    FItems.push_back(std::move(format));
}

const TPictureFormat* TPictureFormats::FindByClassName(std::string_view className) const
{
    for (const TPictureFormat& format : FItems)
        if (format.ClassName == className)
            return &format;
    return nullptr;
}

TPictureFormats& PictureFormats()
{
    static TPictureFormats formats = [] {
        TPictureFormats table;
        RegisterJPEGFormats(table);
        return table;
    }();
    return formats;
}
