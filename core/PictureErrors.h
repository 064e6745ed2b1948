#pragma once
// Errors of pictures: an operation a graphic cannot do, and a JPEG that cannot be read.
#include "core/Exception.h"

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class EInvalidGraphicOperation : public Exception {
public:
    using Exception::Exception;
};

class EJPEG : public EInvalidGraphic {
public:
    // "JPEG error #<code>"
    explicit EJPEG(int code)
        : EInvalidGraphic(FormatMessage("JPEG error #%d", {std::to_string(code)})) {}
};
