#pragma once
#include <QDir>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace qx::test {

// The texts of the PDF print-outs in `folder`, in order of their file names, laid out as printed.
inline QStringList printedTexts(const QString& folder) {
    QStringList texts;
    const QDir dir(folder);
    for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), dir.filePath(file), QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished());
        texts << QString::fromUtf8(text.readAllStandardOutput());
    }
    return texts;
}

} // namespace qx::test
