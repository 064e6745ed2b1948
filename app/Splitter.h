#pragma once
// A thin bar that the user drags to resize the control docked just before it.
#include <QWidget>

class TSplitter : public QWidget {
public:
    explicit TSplitter(QWidget* parent);
    // The smallest width the resized control and the rest of the container may get, in design pixels.
    int MinSize = 30;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* ResizedControl() const;

    bool FDragging = false;
    int FStartX = 0;
    int FStartWidth = 0;
};
