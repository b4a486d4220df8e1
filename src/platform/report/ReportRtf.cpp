#include "platform/report/ReportDocument.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportExport.h"

#include <QDir>
#include <QSaveFile>

namespace qx::report {

namespace {

constexpr double kTwipsPerUnit = 1440.0 / kUnitsPerInch;
constexpr double kTwipsPerMm = 1440.0 / 25.4;

QString escaped(const QString& s) {
    QString out;
    for (const QChar ch : s) {
        const ushort u = ch.unicode();
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('{') || ch == QLatin1Char('}'))
            out += QLatin1Char('\\') + ch;
        else if (ch == QLatin1Char('\n'))
            out += QLatin1String("\\line ");
        else if (u == '\t')
            out += QLatin1String("\\tab ");
        else if (u < 0x20)
            continue;
        else if (u < 0x80)
            out += ch;
        else
            out += QStringLiteral("\\u%1?").arg(static_cast<short>(u));
    }
    return out;
}

const char* alignWord(Qt::Alignment a) {
    if (a & Qt::AlignRight)
        return "\\qr";
    if (a & Qt::AlignHCenter)
        return "\\qc";
    return "\\ql";
}

struct Cell {
    QString text;
    Qt::Alignment align;
    bool bold;
    int rightTwips;
};

void row(QString& out, const QVector<Cell>& cells) {
    out += QLatin1String("\\trowd\\trgaph60\\trleft0");
    for (const Cell& c : cells)
        out += QStringLiteral("\\cellx%1").arg(c.rightTwips);
    out += QLatin1Char('\n');
    for (const Cell& c : cells)
        out += QStringLiteral("\\pard\\intbl%1%2 %3%4\\cell\n")
                   .arg(QLatin1String(alignWord(c.align)), c.bold ? QStringLiteral("\\b") : QString(), escaped(c.text),
                        c.bold ? QStringLiteral("\\b0") : QString());
    out += QLatin1String("\\row\n");
}

} // namespace

void writeRtf(const ReportDocument& doc, const QString& path) {
    const ReportDefinition& d = doc.definition();
    const QSizeF page = doc.pageSize() * kTwipsPerUnit;
    QString out = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss %1;}}\n").arg(escaped(d.font.family));
    out += QStringLiteral("\\paperw%1\\paperh%2\\margl%3\\margr%4\\margt%5\\margb%6%7\\f0\\fs%8\n")
               .arg(qRound(page.width()))
               .arg(qRound(page.height()))
               .arg(qRound(d.marginsMm.left() * kTwipsPerMm))
               .arg(qRound(d.marginsMm.right() * kTwipsPerMm))
               .arg(qRound(d.marginsMm.top() * kTwipsPerMm))
               .arg(qRound(d.marginsMm.bottom() * kTwipsPerMm))
               .arg(d.landscape ? QStringLiteral("\\landscape") : QString())
               .arg(qRound(d.font.size * 2));
    QVector<int> rights;
    double x = 0;
    for (const ColumnDef& c : d.columns) {
        x += c.width * kTwipsPerMm;
        rights << qRound(x);
    }
    const double bodyWidth = page.width() - (d.marginsMm.left() + d.marginsMm.right()) * kTwipsPerMm;
    auto columnAlign = [&](int c) { return d.columns[c].alignGiven ? d.columns[c].align : Qt::AlignLeft; };

    for (const LayoutEntry& e : doc.flow()) {
        QVector<Cell> cells;
        switch (e.kind) {
        case LayoutEntry::Kind::Headings:
            for (int c = 0; c < d.columns.size(); ++c)
                cells << Cell{d.columns[c].heading, columnAlign(c), true, rights[c]};
            row(out, cells);
            continue;
        case LayoutEntry::Kind::Detail:
            for (int c = 0; c < d.columns.size(); ++c) {
                const int type = doc.cellValue(e.row, c).typeId();
                const bool numeric = type == QMetaType::Double || type == QMetaType::Int || type == QMetaType::LongLong;
                cells << Cell{doc.cellText(e.row, c), d.columns[c].alignGiven ? d.columns[c].align
                                                      : numeric               ? Qt::AlignRight
                                                                              : Qt::AlignLeft,
                              false, rights[c]};
            }
            row(out, cells);
            continue;
        case LayoutEntry::Kind::BandLine: break;
        }
        const BandLine& bl = doc.bandLine(e);
        switch (bl.kind) {
        case BandLine::Kind::Rule: out += QLatin1String("\\pard\\brdrb\\brdrs\\brdrw10\\brsp20\\par\n"); break;
        case BandLine::Kind::Image: break;  // pictures stay on the printed pages
        case BandLine::Kind::Space:
            out += QStringLiteral("\\pard\\sl-%1\\slmult0\\par\n").arg(qMax(1, qRound(bl.space * kTwipsPerMm)));
            break;
        case BandLine::Kind::Totals: {
            int labelEnd = 0;
            while (labelEnd < d.columns.size() && !d.columns[labelEnd].sum)
                ++labelEnd;
            if (labelEnd > 0)
                cells << Cell{bl.label, Qt::AlignLeft, true, rights[labelEnd - 1]};
            for (int c = labelEnd; c < d.columns.size(); ++c)
                cells << Cell{d.columns[c].sum ? doc.sumText(e.group, c) : QString(),
                              d.columns[c].alignGiven ? d.columns[c].align : Qt::AlignRight, true, rights[c]};
            row(out, cells);
            break;
        }
        case BandLine::Kind::Barcode:
        case BandLine::Kind::Text: {
            const QStringList texts = doc.bandLineTexts(e);
            if (bl.items.size() == 1) {
                const TextItem& item = bl.items[0];
                out += QStringLiteral("\\pard%1%2%3 %4\\b0\\fs%5\\par\n")
                           .arg(QLatin1String(alignWord(item.align)), item.bold ? QStringLiteral("\\b") : QString(),
                                item.size > 0 ? QStringLiteral("\\fs%1").arg(qRound(item.size * 2)) : QString(),
                                escaped(texts[0]))
                           .arg(qRound(d.font.size * 2));
                break;
            }
            // Several texts side by side: one borderless row, each cell as wide as its text's place.
            const QVector<ItemSpan> spans = textItemSpans(bl, bodyWidth / kTwipsPerMm);
            for (int i = 0; i < bl.items.size(); ++i)
                cells << Cell{texts[i], bl.items[i].align, bl.items[i].bold,
                              qRound((spans[i].left + qMax(spans[i].width, 0.1)) * kTwipsPerMm)};
            row(out, cells);
            break;
        }
        }
    }
    out += QLatin1String("}\n");
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(out.toLatin1()) < 0 || !f.commit())
        fail(QStringLiteral("Could not write the file %1").arg(QDir::toNativeSeparators(path)));
}

void writeTextFile(const QString& path, const QString& text) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0 || !f.commit())
        fail(QStringLiteral("Could not write the file %1").arg(QDir::toNativeSeparators(path)));
}

} // namespace qx::report
