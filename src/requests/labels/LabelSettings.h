#pragma once
#include <QString>

namespace qx {

// The label printer's layout, kept per user under "Quillax"/"Printer" as text: positions in
// twips from the top-left corner of the label, sizes in points. The label printing reads them
// at every label; the barcode settings dialog writes some of them.
namespace labelsettings {
inline const QString kApplication = QStringLiteral("Quillax");
inline const QString kSection = QStringLiteral("Printer");
inline const QString kBarcodeFont = QStringLiteral("Font");
inline const QString kBarcodeSize = QStringLiteral("FontSize");
inline const QString kTop = QStringLiteral("top");
inline const QString kLeft = QStringLiteral("left");
inline const QString kTextFont = QStringLiteral("txtFontR");
inline const QString kTextSize = QStringLiteral("txtSizeR");
inline const QString kLogoLeft = QStringLiteral("logoLeft");
inline const QString kLogoTop = QStringLiteral("logoTop");
inline const QString kUseHardCode = QStringLiteral("Barcode");
} // namespace labelsettings

QString GetLabelSetting(const QString& key, const QString& defaultValue);
void SaveLabelSetting(const QString& key, const QString& value);

} // namespace qx
