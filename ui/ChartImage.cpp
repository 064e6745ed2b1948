#include "ui/ChartImage.h"

#include "chart/ChartPanel.h"
#include "platform/SaveFile.h"
#include "platform/Scaling.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

QByteArray ChartImage(TCustomChartPanel& chart, TImageFormat format, const QString& title, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ifPng) {
        QImageWriter writer(&buffer, "png");
        if (!writer.write(chart.Picture()))
            throw FileWriteError(path, AnsiFromUtf8("изображение не удалось закодировать в PNG"));
        return bytes;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(chart.Width(), chart.Height()));
    svg.setViewBox(QRect(0, 0, chart.Width(), chart.Height()));
    // A document shows it as large as the screen does.
    svg.setResolution(ScreenPixelsPerInch());
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        throw FileWriteError(path, AnsiFromUtf8("рисунок SVG не начат"));
    chart.DrawOnto(painter);
    painter.end();
    return bytes;
}
