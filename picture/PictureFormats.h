#pragma once
// The picture classes known to TPicture, found by class name when stored
// picture data is read.
#include "core/AnsiString.h"
#include "picture/Graphic.h"

#include <memory>
#include <string_view>
#include <vector>

struct TPictureFormat {
    AnsiString Extension;
    AnsiString Description;
    AnsiString ClassName;
    std::unique_ptr<TGraphic> (*Create)();
};

class TPictureFormats {
public:
    void Register(TPictureFormat format);
    // The first format registered for the class, or none.
    const TPictureFormat* FindByClassName(std::string_view className) const;
    const std::vector<TPictureFormat>& Items() const { return FItems; }

private:
    std::vector<TPictureFormat> FItems;
};

// The process-wide table, holding the JPEG support from its first use on.
TPictureFormats& PictureFormats();
