#include "platform/report/ReportBarcode.h"
#include "platform/report/ReportError.h"

#include <QPainter>
#include <memory>
#include <zint.h>

namespace qx::report {

Symbology symbologyForFont(const QString& fontName) {
    const QString name = fontName.trimmed().toUpper();
    return name == QLatin1String("FREE 3 OF 9") || name == QLatin1String("IDAUTOMATIONHC39M") ? Symbology::Code39
                                                                                              : Symbology::Code128;
}

QString symbologyName(Symbology symbology) {
    return symbology == Symbology::Code39 ? QStringLiteral("Code 39") : QStringLiteral("Code 128");
}

QString barcodeText(const QString& data, Symbology symbology) {
    return symbology == Symbology::Code39 ? QLatin1Char('*') + data + QLatin1Char('*') : data;
}

BarPattern encodeBarcode(const QString& data, Symbology symbology) {
    if (data.isEmpty())
        fail(QStringLiteral("There is no barcode to draw."));
    std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    if (!symbol)
        fail(QStringLiteral("The barcode library could not start."));
    symbol->symbology = symbology == Symbology::Code39 ? BARCODE_CODE39 : BARCODE_CODE128;
    symbol->show_hrt = 0;
    symbol->input_mode = UNICODE_MODE;
    const QByteArray bytes = data.toUtf8();
    int rc = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    if (rc < ZINT_ERROR)
        rc = ZBarcode_Buffer_Vector(symbol.get(), 0);
    if (rc >= ZINT_ERROR || !symbol->vector)
        fail(QStringLiteral("The barcode \"%1\" cannot be drawn as %2: %3")
                 .arg(data, symbologyName(symbology), QString::fromLatin1(symbol->errtxt)));
    // The library's vector units are a fixed multiple of the module: scale by the symbol's width
    // in modules.
    const double unit = symbol->vector->width / qMax(1, symbol->width);
    BarPattern out;
    out.modules = symbol->width;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        out.bars << QRectF(r->x / unit, 0, r->width / unit, 1);
    return out;
}

void paintBarcode(QPainter& painter, const QRectF& rect, double module, const BarPattern& pattern) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QRectF& bar : pattern.bars)
        painter.drawRect(QRectF(rect.left() + bar.x() * module, rect.top(), bar.width() * module, rect.height()));
    painter.restore();
}

} // namespace qx::report
