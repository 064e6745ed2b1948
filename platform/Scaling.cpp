#include "platform/Scaling.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
int gPixelsPerInch = 0;
}

int ScreenPixelsPerInch()
{
    if (gPixelsPerInch == 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        gPixelsPerInch = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
        if (gPixelsPerInch <= 0)
            gPixelsPerInch = 96;
    }
    return gPixelsPerInch;
}

void SetScreenPixelsPerInch(int ppi)
{
    gPixelsPerInch = ppi;
}

int Scaled(int designPixels)
{
    // Rounded as a*b/c to nearest, halves away from zero.
    const long long product = static_cast<long long>(designPixels) * ScreenPixelsPerInch();
    const long long half = kDesignPixelsPerInch / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignPixelsPerInch
                                         : -((-product + half) / kDesignPixelsPerInch));
}

QRect Scaled(const QRect& r)
{
    return QRect(Scaled(r.left()), Scaled(r.top()), Scaled(r.width()), Scaled(r.height()));
}
