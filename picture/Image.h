#pragma once
// The image control: shows its picture at its own size at the top left,
// centred, or stretched over the whole client area in both directions.
#include "picture/Picture.h"

#include <QWidget>

#include <exception>
#include <functional>

class TImage : public QWidget {
public:
    // Told of an error raised while the control painted, such as EJPEG from
    // a picture that cannot be decoded; called inside the paint event.
    using TPaintErrorHandler = std::function<void(const std::exception& error)>;

    explicit TImage(QWidget* parent = nullptr);

    TPicture& Picture() { return FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);

    // Draws the picture; raises what drawing it raises (decoding errors).
    void Paint(QPainter& canvas);

    // One handler for all image controls; without one, errors go to Qt's warning output.
    // A picture that fails to draw is reported once and then left undrawn until it
    // changes, so that a repaint after the report cannot raise it again and again.
    static void SetPaintErrorHandler(TPaintErrorHandler handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect DestRect() const;
    void PictureChanged();
    void UpdateOpacity();

    TPicture FPicture;
    bool FPaintFailed = false; // the picture could not be drawn; not tried again until it changes
    bool FStretch = false;
    bool FCenter = false;
};
