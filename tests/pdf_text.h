#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

// Whether a test can read a PDF's words here. pdftotext is a Debian tool: a
// Windows program cannot start it and read what it prints (under Wine it
// starts, but its output never reaches the program). Tests check the rest of
// such a page everywhere and its words where they can, and say when they
// could not.
#ifdef Q_OS_WIN
inline constexpr bool kPdfTextReadable = false;
#else
inline constexpr bool kPdfTextReadable = true;
#endif

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
