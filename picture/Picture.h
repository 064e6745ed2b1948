#pragma once
// Holds at most one graphic and reads it from stored picture data: a length
// byte, the class name, then what that class stored.
#include "picture/Graphic.h"

#include <memory>

class TMemoryStream;

class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // None when the picture is empty.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Takes the graphic (or none), connects its notifications and signals a change.
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const;
    int Height() const;

    // An unregistered class name empties the picture. When the class fails
    // to read its data the error passes on and the previous graphic stays.
    void ReadData(TMemoryStream& stream);

    // To the owner, which repaints.
    std::function<void(TPicture& sender)> OnChange;
    TProgressEvent OnProgress;

private:
    std::unique_ptr<TGraphic> FGraphic;
};
