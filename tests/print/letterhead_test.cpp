#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/user_settings.h"
#include "print/letterhead.h"

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QString writeImage(const QTemporaryDir& dir, const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

// The SVG head of the test drawings, 100 x 100.
QByteArray svg(const QByteArray& body, const QByteArray& before = {}) {
    return before +
           "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"100\" height=\"100\">" +
           body + "</svg>";
}

QByteArray imageNaming(const QString& reference) {
    return svg("<image width=\"50\" height=\"50\" xlink:href=\"" + reference.toUtf8() + "\"/>");
}

// An .svgz of many gzip members, each expanding 1 MB of blanks: 1 KB each,
// 2 GB in all.
QByteArray svgzBomb() {
    QByteArray member(1 << 20, ' ');
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray packed(static_cast<qsizetype>(deflateBound(&stream, member.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(member.data());
    stream.avail_in = static_cast<uInt>(member.size());
    stream.next_out = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_out = static_cast<uInt>(packed.size());
    deflate(&stream, Z_FINISH);
    packed.truncate(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    return packed.repeated(2048);
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

}  // namespace

// Every unusable logo is refused within a second with a sentence that names
// the file and the reason, and nothing of it reaches the page; a usable one
// arrives fitted into the square, proportions kept, and what the program
// would keep of it names no other file.
TEST(Letterhead, ReadLogoRefusesWhatCannotBeALogo) {
    QTemporaryDir dir;
    const QString huge = dir.filePath("huge.png");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(print::kLogoMaxBytes + 1));
    }
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString picture = writeImage(dir, "private.png", {20, 20});
    const QByteArray pictureName = picture.toUtf8();
    QImage photo(300, 300, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    const QByteArray jpeg = encoded(photo, "JPEG");
    const QByteArray embeddedSvg = imageNaming("data:image/png;base64," + svg("").toBase64());
    // Two sound pictures, each within the allowance of one drawing, not both.
    QImage plain(5000, 5000, QImage::Format_Grayscale8);
    plain.fill(128);
    const QByteArray plainPng = "data:image/png;base64," + encoded(plain, "PNG").toBase64();
    const QByteArray twoLarge =
        svg("<image width=\"9\" height=\"9\" xlink:href=\"" + plainPng +
            "\"/><image width=\"9\" height=\"9\" xlink:href=\"" + plainPng + "\"/>");
    const struct {
        QString path;
        const char* problem;  // empty: read
        QSize size;
    } cases[] = {
        {writeImage(dir, "logo.png", {800, 200}), "", {400, 100}},
        {writeImage(dir, "logo.jpg", {30, 60}), "", {30, 60}},
        {writeImage(dir, "small.png", {print::kLogoMaxSide, 1}), "", {400, 1}},
        {writeImage(dir, "wide.png", {print::kLogoMaxSide + 1, 1}), "слишком велик", {}},
        {huge, "больше 20 МБ", {}},
        {writeFile(dir, "notes.png", "just some words"), "не рисунок PNG, JPEG или SVG", {}},
        {writeFile(dir, "cut.png", QByteArray("\x89PNG\r\n\x1a\n", 8) + "cut"), "повреждён", {}},
        {writeFile(dir, "cut.jpg", jpeg.left(jpeg.size() / 2)), "обрывается", {}},
        {writeFile(dir, "cut.svg", svg("<rect width=\"9\"/>").chopped(8)), "повреждён", {}},
        {dir.path(), "не обычный файл", {}},
        {fifo, "не обычный файл", {}},
        {dir.filePath("gone.png"), "не найден", {}},
        // Pictures that would reach out: the drawing itself, the program's
        // own copy, a FIFO, private pictures by absolute and relative names.
        {writeFile(dir, "self.svg", imageNaming("self.svg")), "из другого файла", {}},
        {writeFile(dir, "copy.svg", imageNaming("letterhead-logo")), "(«letterhead-logo»)", {}},
        {writeFile(dir, "fifo.svg", imageNaming(fifo)), "из другого файла", {}},
        {writeFile(dir, "absolute.svg", imageNaming(picture)), pictureName.constData(), {}},
        {writeFile(dir, "relative.svg", imageNaming("private.png")), "(«private.png»)", {}},
        {writeFile(dir, "fill.svg", svg("<rect style=\"fill: url('" + pictureName + "#a')\"/>")),
         "из другого файла",
         {}},
        {writeFile(dir, "sheet.svg",
                   svg("<rect width=\"9\"/>",
                       "<?xml-stylesheet type=\"text/css\" href=\"" + fifo.toUtf8() + "\"?>")),
         "",
         {400, 400}},
        {writeFile(dir, "entities.svg",
                   svg("<text>&a;</text>", "<!DOCTYPE svg [<!ENTITY a \"aaaa\">]>")),
         "сущности",
         {}},
        {writeFile(dir, "bomb.svgz", svgzBomb()), "в развёрнутом виде больше 20 МБ", {}},
        {writeFile(dir, "embedded.svg",
                   imageNaming("data:image/png;base64," + encoded(photo, "PNG").toBase64())),
         "",
         {400, 400}},
        {writeFile(dir, "disguised.svg", embeddedSvg), "встроенная", {}},
        {writeFile(dir, "two-large.svg", twoLarge), "вместе больше 33 млн точек", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QElapsedTimer clock;
        clock.start();
        const print::Logo logo = print::readLogo(c.path);
        // Not a speed target: a read that waits on the FIFO or unpacks the
        // bomb would take far longer than this, even on a slow, busy machine.
        EXPECT_LT(clock.elapsed(), 10000);
        const QString expected = QString::fromUtf8(c.problem);
        if (expected.isEmpty()) {
            EXPECT_EQ(logo.problem, QString());
            EXPECT_EQ(logo.image.size(), c.size);
            EXPECT_FALSE(logo.kept.contains(dir.path().toUtf8()));
        } else {
            EXPECT_TRUE(logo.problem.contains(expected)) << logo.problem.toStdString();
            EXPECT_TRUE(logo.problem.contains(c.path)) << logo.problem.toStdString();
            EXPECT_TRUE(logo.image.isNull());
        }
    }
}

// The logo lives on as the program's own private copy when the original goes;
// a link put in the copy's place is replaced, its target left alone.
TEST(Letterhead, StoredLogoIsAFileOfItsOwn) {
    QTemporaryDir dir;
    QTemporaryDir config;
    platform::UserSettings settings(config.filePath("zemtar.conf"));
    const QString original = writeImage(dir, "mine.png", {50, 50});
    print::LetterheadSettings letterhead{true, "Анна", {}, {}};
    ASSERT_EQ(print::storeLetterhead(settings, letterhead, print::readLogo(original).kept), "");
    const QString copy = letterhead.logoFile;
    EXPECT_TRUE(copy.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    EXPECT_EQ(QFile::permissions(copy) & 0x0077, 0);  // nobody but the owner
    ASSERT_TRUE(QFile::remove(original));
    EXPECT_EQ(print::readLogo(copy).image.size(), QSize(50, 50));

    const QString target = writeFile(dir, "elsewhere", "not the program's");
    ASSERT_TRUE(QFile::remove(copy) && QFile::link(target, copy));
    letterhead.logoFile.clear();
    const QByteArray svgLogo = print::readLogo(writeFile(dir, "new.svg", svg(""))).kept;
    ASSERT_EQ(print::storeLetterhead(settings, letterhead, svgLogo), "");
    EXPECT_FALSE(QFileInfo(copy).isSymLink());
    EXPECT_EQ(QFile::permissions(copy) & 0x0077, 0);
    EXPECT_EQ(print::readLogo(copy).kept, svgLogo);
    QFile elsewhere(target);
    ASSERT_TRUE(elsewhere.open(QIODevice::ReadOnly));
    EXPECT_EQ(elsewhere.readAll(), "not the program's");

    // Taken away, the copy goes.
    letterhead.logoFile.clear();
    ASSERT_EQ(print::storeLetterhead(settings, letterhead, {}), "");
    EXPECT_FALSE(QFileInfo::exists(copy));
}

// A copy an earlier version kept (here one whose <image> names the copy
// itself, which crashed every report) is set aside with a message, and the
// letterhead goes on without it.
TEST(Letterhead, StoredCopyThatFailsTheCheckIsSetAside) {
    QTemporaryDir config;
    platform::setUserSettingsFile(config.filePath("zemtar.conf"));
    const QString copy = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                             .filePath("letterhead-logo");
    QDir().mkpath(QFileInfo(copy).path());
    QFile::remove(copy);
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(writeFile(dir, "old", imageNaming("letterhead-logo")), copy));
    {
        platform::UserSettings settings = platform::userSettings();
        print::saveLetterhead(settings, {true, "Анна", {}, copy});
    }
    QString problem;
    const std::optional<print::Letterhead> page = print::keptLetterheadForPage(&problem);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->name, "Анна");
    EXPECT_TRUE(page->logo.isNull());
    EXPECT_TRUE(problem.contains("отложила")) << problem.toStdString();
    EXPECT_FALSE(QFileInfo::exists(copy));
    EXPECT_TRUE(QFileInfo::exists(copy + ".set-aside"));
    EXPECT_EQ(print::loadLetterhead(platform::userSettings()).logoFile, "");
    problem.clear();
    EXPECT_TRUE(print::keptLetterheadForPage(&problem).has_value());
    EXPECT_EQ(problem, "");
    QFile::remove(copy + ".set-aside");
    platform::setUserSettingsFile({});
}

// What the settings file holds comes back exactly, quotes and blanks too, as
// one-line plain text within the limits, even when the file was edited by
// hand.
TEST(Letterhead, SettingsComeBackAsPlainLinesWithinLimits) {
    QTemporaryDir dir;
    const QString file = dir.filePath("zemtar.conf");
    const QStringList contacts{"\"Сайт\" ", " \\\\server\\ ", "a\"b\\\""};
    {
        platform::UserSettings settings(file);
        print::saveLetterhead(settings, {true, "  «Анна»\nСоколова\"  ", contacts, "/x/logo"});
    }
    platform::UserSettings settings(file);
    print::LetterheadSettings back = print::loadLetterhead(settings);
    EXPECT_TRUE(back.enabled);
    EXPECT_EQ(back.name, "  «Анна» Соколова\"  ");
    EXPECT_EQ(back.contacts, contacts);
    EXPECT_EQ(back.logoFile, "/x/logo");

    settings.setValue("letterhead/name", QString(200, u'я'));
    settings.setValue("letterhead/contacts", 4);
    settings.setValue("letterhead/contact1", QString(59, u'1') + "🇷🇺1");  // the flag is one
    back = print::loadLetterhead(settings);
    EXPECT_EQ(back.name.size(), print::kPractitionerNameLimit);
    EXPECT_EQ(back.contacts.size(), print::kContactLines);
    EXPECT_EQ(back.contacts[0], QString(59, u'1') + "🇷🇺");
    EXPECT_EQ(print::letterheadTextProblem(back.name, back.contacts), QString());

    // The page drops the empty contact line; off, there is no letterhead at all.
    EXPECT_EQ(print::letterheadForPage({true, "A", {"a", " ", "c"}, {}}, nullptr)->contacts,
              QStringList({"a", "c"}));
    EXPECT_FALSE(print::letterheadForPage({false, "A", {}, {}}, nullptr).has_value());
}

TEST(Letterhead, TextProblemsNameTheLimit) {
    const struct {
        QString name;
        QStringList contacts;
        const char* problem;
    } cases[] = {
        {QString(print::kPractitionerNameLimit + 1, u'я'), {}, "длиннее 72 символов"},
        {"Анна", {"1", "2", "3", "4"}, "не больше трёх строк"},
        {"Анна", {"1", QString(61, u'2')}, "Строка контактов 2 длиннее 60 символов"},
        {"Анна\u2067", {}, "В имени на бланке есть знак смены направления письма (U+2067)"},
        {"Анна", {"1", "2" + QString(9, QChar(0x0308))}, "В строке контактов 2 на одной букве"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(print::letterheadTextProblem(c.name, c.contacts).contains(c.problem))
            << c.problem;
    }
}

// A language's own lines come back from the settings and head that
// language's pages; the name or the contacts a language leaves empty are the
// main ones (a name in Latin letters keeps the phone under it).
TEST(Letterhead, LinesOfTheirOwnForALanguage) {
    QTemporaryDir config;
    platform::UserSettings settings(config.filePath("zemtar.conf"));
    print::LetterheadSettings kept{true, "Анна Соколова", {"+7 900", "anna@example.org"}, {}};
    kept.byLanguage[std::size_t(core::ReportLanguage::English)] = {"Anna Sokolova", {}};
    kept.byLanguage[std::size_t(core::ReportLanguage::Ukrainian)] = {{}, {"+380 44"}};
    print::saveLetterhead(settings, kept);
    const print::LetterheadSettings back = print::loadLetterhead(settings);
    EXPECT_EQ(back.byLanguage, kept.byLanguage);
    const std::optional<print::Letterhead> page = print::letterheadForPage(back, nullptr);
    ASSERT_TRUE(page.has_value());
    const struct {
        core::ReportLanguage language;
        const char* name;
        QStringList contacts;
    } rows[] = {{core::ReportLanguage::Russian, "Анна Соколова", {"+7 900", "anna@example.org"}},
                {core::ReportLanguage::Ukrainian, "Анна Соколова", {"+380 44"}},
                {core::ReportLanguage::English, "Anna Sokolova", {"+7 900", "anna@example.org"}}};
    for (const auto& row : rows) {
        EXPECT_EQ(page->forLanguage(row.language).name, QString::fromUtf8(row.name));
        EXPECT_EQ(page->forLanguage(row.language).contacts, row.contacts);
    }
}
