#pragma once
// A chart's picture as the bytes of an image file.
#include <QByteArray>
#include <QString>

class TCustomChartPanel;

enum TImageFormat { ifPng, ifSvg };

// PNG: the picture the window shows, at the screen's full resolution. SVG: the same
// drawing onto a vector device at the chart's size, so that lines and texts stay sharp
// at any scale; title names the drawing. path: the file the bytes are for, which
// EFileWrite names when encoding fails.
QByteArray ChartImage(TCustomChartPanel& chart, TImageFormat format, const QString& title, const QString& path);
