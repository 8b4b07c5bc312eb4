#pragma once

#include <QProcess>
#include <QString>

// The words of a PDF file as pdftotext (poppler-utils) reads them; empty when
// the tool is missing or the file is not a PDF, so a check of its words fails.
inline QString pdfText(const QString& path) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {"-enc", "UTF-8", path, "-"});
    if (!text.waitForFinished(30000)) {
        return {};
    }
    return QString::fromUtf8(text.readAllStandardOutput());
}
