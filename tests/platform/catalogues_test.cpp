#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <array>

#include "platform/translations.h"

namespace {

const QString kSourceDir = QStringLiteral(ZEMTAR_SOURCE_DIR);
const QString kQtTools = QStringLiteral(ZEMTAR_QT_TOOLS);

struct Outcome {
    int exitCode = -1;
    QString output;  // both streams
};

Outcome run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        return {-1, program + QStringLiteral(" did not run: ") + process.errorString()};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

// Puts the Russian catalogues back for the tests that come after.
struct SpeaksRussianAfter {
    ~SpeaksRussianAfter() { platform::installCatalogues(QStringLiteral("ru")); }
};

// Every catalogue has every text of its code, and uk and en translate them
// all: a message added to the code without its translations fails here.
TEST(Catalogues, AreCompleteAndUpToDateWithTheCode) {
    const QFileInfoList catalogues = QDir(kSourceDir + QStringLiteral("/translations"))
                                         .entryInfoList({QStringLiteral("zemtar_*_*.ts")});
    ASSERT_FALSE(catalogues.isEmpty());
    QTemporaryDir copy;
    ASSERT_TRUE(copy.isValid());
    for (const QFileInfo& catalogue : catalogues) {
        ASSERT_TRUE(QFile::copy(catalogue.filePath(), copy.filePath(catalogue.fileName())));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUPDATE"), kQtTools + QStringLiteral("/lupdate"));
    const Outcome update = run(kSourceDir + QStringLiteral("/tools/update_catalogues.sh"),
                               {kSourceDir, copy.path()}, environment);
    ASSERT_EQ(update.exitCode, 0) << update.output.toStdString();

    static const QRegularExpression counts(QStringLiteral("(\\d+) finished and (\\d+) unfinished"));
    for (const QFileInfo& catalogue : catalogues) {
        SCOPED_TRACE(catalogue.fileName().toStdString());
        QFile before(catalogue.filePath());
        QFile after(copy.filePath(catalogue.fileName()));
        ASSERT_TRUE(before.open(QIODevice::ReadOnly) && after.open(QIODevice::ReadOnly));
        EXPECT_TRUE(before.readAll() == after.readAll())
            << "behind the code: run tools/update_catalogues.sh and translate what is new";

        const Outcome release = run(kQtTools + QStringLiteral("/lrelease"),
                                    {catalogue.filePath(), QStringLiteral("-qm"),
                                     copy.filePath(QStringLiteral("made.qm"))});
        const QRegularExpressionMatch made = counts.match(release.output);
        ASSERT_TRUE(release.exitCode == 0 && made.hasMatch()) << release.output.toStdString();
        // Russian has entries only where its code counts something.
        if (!catalogue.baseName().endsWith(QStringLiteral("_ru"))) {
            EXPECT_GT(made.captured(1).toInt(), 0);
        }
        EXPECT_EQ(made.captured(2).toInt(), 0);
    }
}

// A counted word takes the form its language gives the number.
TEST(Catalogues, CountInEachLanguagesForms) {
    const SpeaksRussianAfter restore;
    const std::array counts{1, 2, 5, 11, 21, 22};
    const struct {
        const char* language;
        std::array<const char*, counts.size()> says;
    } cases[] = {
        {"ru", {"1 клиент", "2 клиента", "5 клиентов", "11 клиентов", "21 клиент", "22 клиента"}},
        {"uk", {"1 клієнт", "2 клієнти", "5 клієнтів", "11 клієнтів", "21 клієнт", "22 клієнти"}},
        {"en", {"1 client", "2 clients", "5 clients", "11 clients", "21 clients", "22 clients"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(platform::installCatalogues(QString::fromLatin1(c.language))) << c.language;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            EXPECT_EQ(QCoreApplication::translate("Client", "PDF: %n клиентов", nullptr, counts[i]),
                      QStringLiteral("PDF: ") + QString::fromUtf8(c.says[i]))
                << c.language;
        }
    }
}

// Without its catalogues, or with one of them damaged, the program speaks
// Russian throughout, not a mixture, and says why in one line.
TEST(Catalogues, MissingOrDamagedLeaveRussianAndOneLine) {
    const SpeaksRussianAfter restore;
    const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/translations/");
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        if (damaged) {
            const QString good = QStringLiteral("zemtar_companion_uk.qm");
            ASSERT_TRUE(QFile::copy(built + good, folder.filePath(good)));
            QFile garbage(folder.filePath(QStringLiteral("zemtar_base_uk.qm")));
            ASSERT_TRUE(garbage.open(QIODevice::WriteOnly) && garbage.write("not a catalogue") > 0);
        }
        testing::internal::CaptureStderr();
        const bool installed = platform::installCatalogues(QStringLiteral("uk"), folder.path());
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(installed);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(QCoreApplication::translate("Services", "Справка"), QStringLiteral("Справка"));
        EXPECT_EQ(QCoreApplication::translate("Batch", "стандартный ввод"),
                  QStringLiteral("стандартный ввод"));
    }
}

// The companion speaks the desktop's language, Russian where it has none.
TEST(Catalogues, CompanionHelpFollowsTheDesktop) {
    const struct {
        const char* lang;
        const char* firstWord;
    } cases[] = {
        {"C", "Использование"},           {"de_DE.UTF-8", "Использование"},
        {"ru_RU.UTF-8", "Использование"}, {"uk_UA.UTF-8", "Використання"},
        {"en_US.UTF-8", "Usage"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A language remembered in the user's settings would win over the desktop.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "XDG_CONFIG_HOME"}) {
        environment.remove(QString::fromLatin1(name));
    }
    for (const auto& c : cases) {
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(c.lang));
        const Outcome help =
            run(QStringLiteral(ZEMTAR_FORECAST_EXE), {QStringLiteral("--help")}, environment);
        EXPECT_EQ(help.exitCode, 0) << c.lang;
        EXPECT_TRUE(help.output.startsWith(QString::fromUtf8(c.firstWord)))
            << c.lang << ": " << help.output.left(80).toStdString();
    }
}

// A catalogue that does not load is told in the language of those that do,
// and then none of them stays: Russian throughout, not a mixture.
TEST(Catalogues, DamagedOneToldInTheLanguageOfTheOthers) {
    const SpeaksRussianAfter restore;
    const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/translations/");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString good = QStringLiteral("zemtar_base_uk.qm");
    ASSERT_TRUE(QFile::copy(built + good, folder.filePath(good)));
    QFile garbage(folder.filePath(QStringLiteral("zemtar_window_uk.qm")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly) && garbage.write("not a catalogue") > 0);
    garbage.close();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(platform::installCatalogues(QStringLiteral("uk"), folder.path()));
    const QString said = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(said.startsWith(QStringLiteral("Каталоги мови «Українська» не завантажено (файл ")))
        << said.toStdString();
    EXPECT_EQ(QCoreApplication::translate("Translations", "в папке %1 нет файлов %2"),
              QStringLiteral("в папке %1 нет файлов %2"));
}

// The companion's messages in Ukrainian and English hold no Russian word.
TEST(Catalogues, CompanionMessagesHaveNoRussianLeft) {
    const struct {
        QStringList arguments;
        const char* uk;  // a part of what it says
        const char* en;
    } cases[] = {
        {{"--compare", "--help"}, "--lang МОВА", "--lang LANG"},
        {{"--lang", "xx", "1", "1", "2000"},
         "Невідома мова звіту: xx. Відомі: ru, uk, en.",
         "Unknown report language: xx. The known ones are ru, uk, en."},
        {{"31", "2", "1985"}, "31 лютого 1985 року", "31 February 1985"},
        {{"--booklet", "--outlook", "99", "1", "1", "2000"}, "Найближчі роки", "The years ahead"},
        {{"--compare", "1", "1", "2000", "2", "2", "2001", "--texts", "x"}, "--texts", "--texts"},
    };
    // Letters of Russian that Ukrainian has not; English has no Cyrillic.
    static const QRegularExpression russianInUkrainian(QStringLiteral("[ыэъёЫЭЪЁ]"));
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "XDG_CONFIG_HOME"}) {
        environment.remove(QString::fromLatin1(name));
    }
    for (const auto& c : cases) {
        for (const bool english : {false, true}) {
            environment.insert(QStringLiteral("LANG"), english ? QStringLiteral("en_US.UTF-8")
                                                               : QStringLiteral("uk_UA.UTF-8"));
            const Outcome said = run(QStringLiteral(ZEMTAR_FORECAST_EXE), c.arguments, environment);
            SCOPED_TRACE(said.output.toStdString());
            EXPECT_TRUE(said.output.contains(QString::fromUtf8(english ? c.en : c.uk)));
            // The help names the months as they are typed: in Russian.
            QString text = said.output;
            text.remove(QStringLiteral("Январь ... Декабрь")).remove(QStringLiteral("(мая)"));
            EXPECT_FALSE(text.contains(english ? cyrillic : russianInUkrainian));
        }
    }
}

}  // namespace
