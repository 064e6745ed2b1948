#pragma once
// The image control: shows its picture at its own size at the top left,
// centred, or stretched over the whole client area in both directions.
#include "picture/Picture.h"

#include <QWidget>


class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent = nullptr);

    TPicture& Picture() { return FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);

    // Draws the picture; raises what drawing it raises (decoding errors).
    void Paint(QPainter& canvas);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect DestRect() const;
    void PictureChanged();
    void UpdateOpacity();

    TPicture FPicture;
    // A picture that fails to draw is reported once to the error sink and then left
    // undrawn until it changes, so that a repaint after the report cannot raise it again.
    bool FPaintFailed = false;
    bool FStretch = false;
    bool FCenter = false;
};
