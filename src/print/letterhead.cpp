#include "print/letterhead.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QImageReader>
#include <QStandardPaths>

#include "platform/safe_file.h"
#include "platform/services.h"

namespace print {

namespace {

const QString kEnabledKey = QStringLiteral("letterhead/enabled");
const QString kNameKey = QStringLiteral("letterhead/name");
const QString kContactCountKey = QStringLiteral("letterhead/contacts");

QString contactKey(qsizetype i) {
    return QStringLiteral("letterhead/contact%1").arg(i + 1);
}
const QString kLogoKey = QStringLiteral("letterhead/logo");

// The program's copy of the logo, in its data folder. Its format is read from
// its content, so one name serves PNG, JPEG and SVG alike.
const QString kLogoCopyName = QStringLiteral("letterhead-logo");

// A 10,000 x 10,000 picture takes about 400 MB once decoded, more than Qt
// allows by default; the size rule above is what keeps memory in bounds.
constexpr int kDecodeLimitMb = 512;

// A letterhead line is one line of plain text: line breaks, tabs and other
// control characters become blanks.
QString plainLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph) {
            c = QLatin1Char(' ');
        }
    }
    return line;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool isLogoFormat(const QByteArray& format) {
    return format == "png" || format == "jpeg" || format == "jpg" || format == "svg" ||
           format == "svgz";
}

// Where the program keeps its own copy of the logo; empty when the system
// gives no data folder.
QString storedLogoPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(kLogoCopyName);
}

}  // namespace

LetterheadSettings loadLetterhead(const platform::UserSettings& settings) {
    LetterheadSettings letterhead;
    letterhead.enabled = settings.value(kEnabledKey, false).toBool();
    letterhead.name = core::leadingCharacters(plainLine(settings.value(kNameKey).toString()),
                                              kPractitionerNameLimit);
    const int count = qBound(0, settings.value(kContactCountKey, 0).toInt(), kContactLines);
    for (int i = 0; i < count; ++i) {
        letterhead.contacts << core::leadingCharacters(
            plainLine(settings.value(contactKey(i)).toString()), kContactLimit);
    }
    letterhead.logoFile = settings.value(kLogoKey).toString();
    return letterhead;
}

void saveLetterhead(platform::UserSettings& settings, const LetterheadSettings& letterhead) {
    settings.setValue(kEnabledKey, letterhead.enabled);
    settings.setValue(kNameKey, letterhead.name);
    settings.setValue(kContactCountKey, letterhead.contacts.size());
    for (qsizetype i = 0; i < letterhead.contacts.size(); ++i) {
        settings.setValue(contactKey(i), letterhead.contacts[i]);
    }
    settings.setValue(kLogoKey, letterhead.logoFile);
}

Logo readLogo(const QString& path, int side) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {{},
                QStringLiteral("Файл логотипа «%1» не найден: его переместили или удалили.")
                    .arg(shown(path))};
    }
    if (info.isFile() && info.size() > kLogoMaxBytes) {
        return {{},
                QStringLiteral("Файл логотипа «%1» больше %2 МБ.")
                    .arg(shown(path))
                    .arg(kLogoMaxBytes / (1024 * 1024))};
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = info.isFile() ? reader.format().toLower() : QByteArray();
    if (!isLogoFormat(format)) {
        return {{}, QStringLiteral("Файл «%1» — не рисунок PNG, JPEG или SVG.").arg(shown(path))};
    }
    const QSize size = reader.size();
    if (size.width() > kLogoMaxSide || size.height() > kLogoMaxSide) {
        return {{},
                QStringLiteral("Рисунок «%1» слишком велик: %2 × %3 точек, а можно не больше "
                               "%4 по каждой стороне.")
                    .arg(shown(path))
                    .arg(size.width())
                    .arg(size.height())
                    .arg(kLogoMaxSide)};
    }
    QImage image;
    if (format.startsWith("svg")) {
        // A drawing is rendered straight at the size it will be printed.
        if (size.isValid() && !size.isEmpty()) {
            reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
        }
        image = reader.read();
    } else {
        const int limit = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(kDecodeLimitMb);
        image = reader.read();
        QImageReader::setAllocationLimit(limit);
        if (image.width() > side || image.height() > side) {
            image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
    }
    if (image.isNull()) {
        return {
            {},
            QStringLiteral("Рисунок «%1» повреждён: его не удалось прочитать.").arg(shown(path))};
    }
    return {image, {}};
}

void forgetStoredLogo() {
    if (const QString copy = storedLogoPath(); !copy.isEmpty()) {
        QFile::remove(copy);
    }
}

QString storeLogo(const QString& source, QString* problem) {
    const Logo logo = readLogo(source);
    if (!logo.problem.isEmpty()) {
        *problem = logo.problem;
        return {};
    }
    QFile in(source);
    const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.read(kLogoMaxBytes) : QByteArray();
    if (bytes.isEmpty() || in.error() != QFileDevice::NoError) {
        *problem = QStringLiteral("Не удалось прочитать файл логотипа «%1».").arg(shown(source));
        return {};
    }
    const QString copy = storedLogoPath();
    const QString folder = QFileInfo(copy).path();
    if (copy.isEmpty() || !QDir().mkpath(folder)) {
        *problem =
            QStringLiteral("Не удалось создать папку данных программы «%1».").arg(shown(folder));
        return {};
    }
    const QString error = platform::writeFileAtomically(
        copy, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
    if (!error.isEmpty()) {
        *problem = error;
        return {};
    }
    return copy;
}

std::optional<Letterhead> letterheadForPage(const LetterheadSettings& settings,
                                            QString* logoProblem) {
    if (!settings.enabled) {
        return std::nullopt;
    }
    Letterhead letterhead;
    letterhead.name = plainLine(settings.name);
    for (const QString& contact : settings.contacts) {
        const QString line = plainLine(contact);
        if (!line.trimmed().isEmpty() && letterhead.contacts.size() < kContactLines) {
            letterhead.contacts << line;
        }
    }
    if (!settings.logoFile.isEmpty()) {
        Logo logo = readLogo(settings.logoFile);
        letterhead.logo = std::move(logo.image);
        if (logoProblem != nullptr) {
            *logoProblem = logo.problem;
        }
    }
    return letterhead;
}

}  // namespace print
