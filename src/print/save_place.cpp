#include "print/save_place.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "platform/file_dialogs.h"
#include "platform/user_settings.h"

namespace print {

namespace {

QString settingsKey(SavedFile kind) {
    switch (kind) {
        case SavedFile::ReportPdf:
            return QStringLiteral("save/reportFolder");
        case SavedFile::ManyReportsPdf:
            return QStringLiteral("save/manyReportsFolder");
        case SavedFile::ComparisonPdf:
            return QStringLiteral("save/comparisonFolder");
        case SavedFile::Picture:
            return QStringLiteral("save/pictureFolder");
        case SavedFile::BookCsv:
            return QStringLiteral("save/bookCsvFolder");
        case SavedFile::BookCopy:
            return QStringLiteral("save/bookCopyFolder");
    }
    return {};
}

// Text as part of a file name: characters that file systems refuse or that
// would change the folder become underscores.
QString fileNamePart(const QString& text) {
    QString part = text.simplified();
    for (QChar& c : part) {
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    return part;
}

// The parts that are not empty, joined by `glue`.
QString joined(const QStringList& parts, const QString& glue) {
    QStringList kept;
    for (const QString& part : parts) {
        if (const QString p = fileNamePart(part); !p.isEmpty()) {
            kept << p;
        }
    }
    return kept.join(glue);
}

// How a person of a comparison is called in its file name.
QString personPart(const core::ComparedPerson& p) {
    const QStringList words = p.name.simplified().split(u' ', Qt::SkipEmptyParts);
    return joined({words.mid(0, 2).join(u' '), core::numericDate(p.forecast.date)},
                  QStringLiteral(" "));
}

// "<what> - Иванова Мария - 23.08.1975.<suffix>".
QString nameOfFile(const QString& what, const core::ClientNames& client,
                   const core::BirthDate& born, const QString& suffix) {
    const QString person = joined({client.surname, client.name}, QStringLiteral(" "));
    return joined({what, person, core::numericDate(born)}, QStringLiteral(" - ")) + u'.' + suffix;
}

}  // namespace

QString lastSaveFolder(SavedFile kind) {
    // Kept as a URL, so that a folder name with blanks or line breaks comes
    // back as it went in.
    const QString kept = platform::userSettings().value(settingsKey(kind)).toString();
    const QString folder = QUrl(kept, QUrl::StrictMode).toLocalFile();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : platform::documentsFolder();
}

void rememberSaveFolder(SavedFile kind, const QString& savedPath) {
    const QString folder = QFileInfo(savedPath).absolutePath();
    platform::userSettings().setValue(settingsKey(kind),
                                      QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded));
}

QString suggestedFileName(const core::ClientNames& client, const core::BirthDate& born,
                          const QString& suffix) {
    return nameOfFile(QCoreApplication::translate("print::SavePlace", "Прогноз"), client, born,
                      suffix);
}

QString suggestedBookletPath(const core::ClientNames& client, const core::BirthDate& born) {
    return QDir(lastSaveFolder(SavedFile::ReportPdf))
        .filePath(nameOfFile(QCoreApplication::translate("print::SavePlace", "Подробный отчёт"),
                             client, born, QStringLiteral("pdf")));
}

QString suggestedPdfPath(const core::ClientNames& client, const core::BirthDate& born) {
    return QDir(lastSaveFolder(SavedFile::ReportPdf))
        .filePath(suggestedFileName(client, born, QStringLiteral("pdf")));
}

QString suggestedComparisonPath(const core::ComparedPerson& first,
                                const core::ComparedPerson& second) {
    return QDir(lastSaveFolder(SavedFile::ComparisonPdf))
        .filePath(QCoreApplication::translate("print::SavePlace", "Сравнение - %1 и %2.pdf")
                      .arg(personPart(first), personPart(second)));
}

}  // namespace print
