#pragma once
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

namespace qx::report {

// Barcodes are drawn as bars, so no barcode font need be installed. The font a label names
// chooses the symbology: the two Code 39 fonts (any letter case) draw Code 39 with its "*"
// start and stop, any other name Code 128.
enum class Symbology { Code128, Code39 };
Symbology symbologyForFont(const QString& fontName);
// "Code 128" or "Code 39".
QString symbologyName(Symbology symbology);
// What a barcode font would print for the data: Code 39 between its asterisks.
QString barcodeText(const QString& data, Symbology symbology);

// The bars of the data, left to right, in modules (the narrowest bar is 1).
struct BarPattern {
    QVector<QRectF> bars;  // x and width in modules; y 0, height 1
    double modules = 0;    // the whole width
};
// Raises an error naming the data when the symbology cannot carry it.
BarPattern encodeBarcode(const QString& data, Symbology symbology);

// Draws the bars with their left edge at `rect`'s left, filling its height; `module` is the
// narrowest bar's width in the painter's units.
void paintBarcode(QPainter& painter, const QRectF& rect, double module, const BarPattern& pattern);

} // namespace qx::report
