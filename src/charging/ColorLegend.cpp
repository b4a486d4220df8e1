#include "charging/ColorLegend.h"

#include "components/Connection.h"
#include "platform/Colors.h"
#include "platform/Twips.h"
#include "platform/Values.h"

#include <QLabel>

namespace qx {

ColorLegend::ColorLegend(QWidget* parent) : QGroupBox(QStringLiteral("LEGEND: Grid Font Color"), parent) {
    struct Word { const char* text; ColorValue color; QLabel** meaning; };
    const Word words[] = {{"PINK", 0xFF00FF, &lblRed}, {"BLUE", 0xFF0000, &lblBlue},
                          {"GREEN", 0xC000, &lblGreen}, {"ORANGE", 0x80FF, &lblOrange}};
    int left = 120;
    for (const Word& w : words) {
        auto* word = new QLabel(QString::fromLatin1(w.text), this);
        QPalette palette = word->palette();
        palette.setColor(QPalette::WindowText, toQColor(w.color));
        word->setPalette(palette);
        word->setGeometry(twipsToPixels(left, 240, 700, 255));
        *w.meaning = new QLabel(this);
        (*w.meaning)->setGeometry(twipsToPixels(left + 720, 240, 2050, 255));
        left += 2850;
    }
}

void ColorLegend::fill(Connection& con) {
    const std::optional<Recordset> found = con.callProcedure(QStringLiteral("Pharma_GetColorCoding"));
    if (!found || found->isEmpty())
        return;
    const Recordset& rs = *found;
    lblRed->setText(QStringLiteral("- ") + Text(rs.value(QStringLiteral("RED"))));
    lblBlue->setText(QStringLiteral("- ") + Text(rs.value(QStringLiteral("BLUE"))));
    lblGreen->setText(QStringLiteral("- ") + Text(rs.value(QStringLiteral("GREEN"))));
    lblOrange->setText(QStringLiteral("- ") + Text(rs.value(QStringLiteral("ORANGE"))));
}

} // namespace qx
