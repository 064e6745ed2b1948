#pragma once
// The base of pictures that a TPicture holds: size, drawing, reading of their
// own stored data, and the change and progress notifications to their owner.
#include <QPainter>
#include <QRect>

#include <functional>

class TMemoryStream;

enum TProgressStage { psStarting, psRunning, psEnding };

class TGraphic;
using TGraphicNotify = std::function<void(TGraphic& sender)>;
// A handler may raise EAbort to stop the work quietly.
using TProgressEvent = std::function<void(TGraphic& sender, TProgressStage stage, int percentDone,
    bool redrawNow, const QRect& rect)>;

class TGraphic {
public:
    virtual ~TGraphic() = default;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual void SetHeight(int value) = 0;
    virtual bool Transparent() const { return false; }
    // Draws the graphic stretched onto the rectangle.
    virtual void Draw(QPainter& canvas, const QRect& rect) = 0;
    // Reads what the graphic's class stored after its class name.
    virtual void ReadData(TMemoryStream& stream) = 0;

    TGraphicNotify OnChange;
    TProgressEvent OnProgress;

protected:
    TGraphic() = default;
    // A copy has no owner yet, so the handlers stay with the original.
    TGraphic(const TGraphic&) {}

    void Changed()
    {
        if (OnChange)
            OnChange(*this);
    }
    void Progress(TProgressStage stage, int percentDone, bool redrawNow, const QRect& rect)
    {
        if (OnProgress)
            OnProgress(*this, stage, percentDone, redrawNow, rect);
    }
};
