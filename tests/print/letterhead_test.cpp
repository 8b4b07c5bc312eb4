#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/services.h"
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

}  // namespace

// Every unusable logo is refused with a sentence that names the file and the
// reason; a usable one arrives fitted into the square, proportions kept.
TEST(Letterhead, ReadLogoRefusesWhatCannotBeALogo) {
    QTemporaryDir dir;
    const QString huge = dir.filePath("huge.png");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(print::kLogoMaxBytes + 1));
    }
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
        {dir.path(), "не рисунок", {}},
        {dir.filePath("gone.png"), "не найден", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const print::Logo logo = print::readLogo(c.path);
        const QString expected = QString::fromUtf8(c.problem);
        if (expected.isEmpty()) {
            EXPECT_EQ(logo.problem, QString());
            EXPECT_EQ(logo.image.size(), c.size);
        } else {
            EXPECT_TRUE(logo.problem.contains(expected)) << logo.problem.toStdString();
            EXPECT_TRUE(logo.problem.contains(c.path)) << logo.problem.toStdString();
            EXPECT_TRUE(logo.image.isNull());
        }
    }
}

// The logo lives on as the program's own private copy when the original goes.
TEST(Letterhead, StoredLogoOutlivesItsOriginal) {
    QTemporaryDir dir;
    const QString original = writeImage(dir, "mine.png", {50, 50});
    QString problem;
    const QString copy = print::storeLogo(original, &problem);
    ASSERT_FALSE(copy.isEmpty()) << problem.toStdString();
    EXPECT_TRUE(copy.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    EXPECT_EQ(QFile::permissions(copy) & 0x0077, 0);  // nobody but the owner
    ASSERT_TRUE(QFile::remove(original));
    EXPECT_EQ(print::readLogo(copy).image.size(), QSize(50, 50));

    // A refused logo leaves the kept copy as it was.
    EXPECT_TRUE(print::storeLogo(writeFile(dir, "x.svg", "<html/>"), &problem).isEmpty());
    EXPECT_TRUE(problem.contains("x.svg"));
    EXPECT_EQ(print::readLogo(copy).image.size(), QSize(50, 50));
}

// What the settings file holds comes back as one-line plain text within the
// limits, even when the file was edited by hand.
TEST(Letterhead, SettingsComeBackAsPlainLinesWithinLimits) {
    QTemporaryDir dir;
    platform::UserSettings settings(dir.filePath("zemtar.conf"));
    print::saveLetterhead(settings, {true, "Анна\nСоколова", {"a", "", "c"}, "/x/logo"});
    print::LetterheadSettings back = print::loadLetterhead(settings);
    EXPECT_TRUE(back.enabled);
    EXPECT_EQ(back.name, "Анна Соколова");
    EXPECT_EQ(back.contacts, QStringList({"a", "", "c"}));
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
