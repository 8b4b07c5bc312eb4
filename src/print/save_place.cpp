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

// How one of two is called in the file name: the surname and the first name, and the date.
QString personPart(const core::Person& p) {
    return joined({p.names.surname, p.names.name, core::numericDate(p.birthDate)},
                  QStringLiteral(" "));
}

// "<what> - Иванова Мария - 23.08.1975.<suffix>".
QString nameOfFile(const QString& what, const core::ClientNames& client,
                   const core::BirthDate& born, const QString& suffix) {
    const QString person = joined({client.surname, client.name}, QStringLiteral(" "));
    return joined({what, person, core::numericDate(born)}, QStringLiteral(" - ")) + u'.' + suffix;
}

// How one of a larger group is called: the surname, or the first name, or the date.
QString shortPart(const core::Person& p) {
    for (const QString& word : {p.names.surname, p.names.name}) {
        if (const QString part = fileNamePart(word); !part.isEmpty()) {
            return part;
        }
    }
    return core::numericDate(p.birthDate);
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

QString documentFileName(const QString& what, const core::ClientNames& client,
                         const core::BirthDate& born, const QString& suffix) {
    return nameOfFile(what, client, born, suffix);
}

QString suggestedBookletPath(const core::ClientNames& client, const core::BirthDate& born) {
    return QDir(lastSaveFolder(SavedFile::ReportPdf))
        .filePath(nameOfFile(QCoreApplication::translate("print::SavePlace", "Подробный отчёт"),
                             client, born, QStringLiteral("pdf")));
}

QString suggestedCalendarPath(const core::ClientNames& client, const core::BirthDate& born) {
    return QDir(lastSaveFolder(SavedFile::BookCsv))
        .filePath(nameOfFile(QCoreApplication::translate("print::SavePlace", "Поворотные годы"),
                             client, born, QStringLiteral("ics")));
}

QString suggestedPdfPath(const core::ClientNames& client, const core::BirthDate& born) {
    return QDir(lastSaveFolder(SavedFile::ReportPdf))
        .filePath(suggestedFileName(client, born, QStringLiteral("pdf")));
}

QString suggestedGroupPath(const core::Group& group) {
    const QDir folder(lastSaveFolder(SavedFile::ComparisonPdf));
    if (group.size() == 2) {
        return folder.filePath(
            QCoreApplication::translate("print::SavePlace", "Сравнение - %1 и %2.pdf")
                .arg(personPart(group.members[0].person), personPart(group.members[1].person)));
    }
    QStringList parts;
    for (const core::GroupMember& m : group.members) {
        parts << shortPart(m.person);
    }
    return folder.filePath(QCoreApplication::translate("print::SavePlace", "Вместе - %1.pdf")
                               .arg(parts.join(QStringLiteral(", "))));
}

}  // namespace print
