#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "platform/help_viewer.h"

using platform::HelpCommand;
using platform::helpViewer;
using platform::runHelp;

namespace {

QString helpText() {
    QFile file(platform::defaultHelpFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QSet<QString> anchorsOf(const QTextDocument& document) {
    QSet<QString> names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& name : it.fragment().charFormat().anchorNames()) {
                names.insert(name);
            }
        }
    }
    return names;
}

// Writes `bytes` as a help file in `dir` and returns its path.
QString writeHelp(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(platform::helpFileName());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

// Records messages instead of showing them; the help itself is the real one.
class DesktopWithoutBoxes : public platform::DesktopServices {
public:
    using DesktopServices::DesktopServices;
    void message(QWidget* /*parent*/, const platform::Message& m) override {
        messages.push_back(m);
    }
    std::vector<platform::Message> messages;
};

class Help : public testing::Test {
protected:
    void TearDown() override { runHelp({}, HelpCommand::Quit, 0); }
};

TEST(HelpFile, LiesBesideTheProgram) {
    EXPECT_EQ(platform::helpFileName(), QStringLiteral("ZKalvex.hlp"));
    EXPECT_TRUE(QFile::exists(platform::defaultHelpFile()))
        << platform::defaultHelpFile().toStdString();
}

// The help opens in the window's language, in Russian where that language has none.
TEST(HelpFile, InTheWindowsLanguageElseRussian) {
    const struct {
        const char* language;
        const char* file;
    } cases[] = {{"ru", "ZKalvex.hlp"},
                 {"uk", "ZKalvex.uk.hlp"},
                 {"en", "ZKalvex.en.hlp"},
                 {"de", "ZKalvex.hlp"}};
    for (const auto& c : cases) {
        EXPECT_EQ(QFileInfo(platform::helpFileIn(QLatin1String(c.language))).fileName(),
                  QLatin1String(c.file))
            << c.language;
    }
}

TEST(HelpFile, HasContentsTopicsAndNoBrokenLinks) {
    const QString html = helpText();
    ASSERT_FALSE(html.isEmpty());
    QTextDocument document;
    document.setHtml(html);
    const QSet<QString> anchors = anchorsOf(document);

    EXPECT_TRUE(anchors.contains(platform::contentsAnchor()));
    for (const int topic : {80, platform::kCompareHelpTopic, platform::aspectTopic(9)}) {
        EXPECT_TRUE(anchors.contains(platform::topicAnchor(topic))) << topic;
        EXPECT_NE(platform::topicAnchor(topic), platform::contentsAnchor()) << topic;
    }

    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(anchors.contains(target))
            << "link to a missing topic: " << target.toStdString();
    }
    EXPECT_GT(links, 10);
}

// The Ukrainian and English help beside the Russian one: every topic the
// program opens by number is there, no link leads nowhere, and the text is
// the language's own.
TEST(HelpFile, TranslationsHaveEveryTopicTheProgramOpens) {
    const struct {
        const char* file;
        const char* lang;
        const char* aspect9;
    } cases[] = {{"ZKalvex.uk.hlp", "uk", "Кар’єра"}, {"ZKalvex.en.hlp", "en", "Career"}};
    const QDir beside = QFileInfo(platform::defaultHelpFile()).dir();
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QFile file(beside.filePath(QString::fromLatin1(c.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(c.lang)));
        QTextDocument document;
        document.setHtml(html);
        const QSet<QString> anchors = anchorsOf(document);
        EXPECT_TRUE(anchors.contains(platform::contentsAnchor()));
        for (const int topic : {80, platform::kCompareHelpTopic, platform::kTextsHelpTopic}) {
            EXPECT_TRUE(anchors.contains(platform::topicAnchor(topic))) << topic;
        }
        for (int digit = 1; digit <= 9; ++digit) {
            EXPECT_TRUE(anchors.contains(platform::topicAnchor(platform::aspectTopic(digit))));
        }
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(anchors.contains(target)) << target.toStdString();
        }
        EXPECT_TRUE(document.toPlainText().contains(QString::fromUtf8(c.aspect9)));
        EXPECT_FALSE(document.toPlainText().contains(QStringLiteral("Содержание")));
    }
}

TEST(HelpFile, DescribesEveryAspectAndShortcut) {
    QTextDocument document;
    document.setHtml(helpText());
    const QString text = document.toPlainText();
    const char* const mentions[] = {
        // the nine aspects
        "Биополе", "Связь с землёй", "Связь с космосом", "Работа", "Любовь", "Интерес",
        "Ангел-хранитель", "Удача", "Карьера",
        // the shortcuts and the commands they run
        "F9", "Ctrl+P", "Ctrl+Q", "F1", "Расчёт", "Печать", "Выход", "Содержание",
        // what the date-of-birth topic must explain
        "Выберите месяц и год рождения!", "На сегодняшний день", "PDF", "корневая цифра",
        "Процент счастья", "Таблица лет", "Кривая жизненных сил"};
    for (const char* word : mentions) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(word), Qt::CaseInsensitive)) << word;
    }
}

struct Opening {
    const char* name;
    HelpCommand command;
    int context;
    const char* anchor;
};

class HelpOpens : public Help, public testing::WithParamInterface<Opening> {};

TEST_P(HelpOpens, AtTheRequestedPlace) {
    const Opening& o = GetParam();
    ASSERT_TRUE(runHelp(platform::defaultHelpFile(), o.command, o.context));
    platform::HelpViewer* viewer = helpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(viewer->isHidden());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Справка — Zemtar - Прогноз"));
    EXPECT_EQ(viewer->currentAnchor(), QString::fromLatin1(o.anchor));
    EXPECT_FALSE(viewer->browser()->document()->isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, HelpOpens,
    testing::Values(Opening{"Contents", HelpCommand::Contents, 0, "contents"},
                    Opening{"DateOfBirthTopic", HelpCommand::Context, 80, "date-of-birth"},
                    Opening{"AspectTopic", HelpCommand::Context, 107, "aspect-7"},
                    Opening{"UnknownTopicShowsContents", HelpCommand::Context, 4711, "contents"}),
    [](const testing::TestParamInfo<Opening>& p) { return p.param.name; });

TEST_F(Help, TopicScrollsToItsHeading) {
    ASSERT_TRUE(runHelp(platform::defaultHelpFile(), HelpCommand::Context, 80));
    QTextBrowser* browser = helpViewer()->browser();
    browser->resize(600, 500);
    browser->scrollToAnchor(platform::topicAnchor(80));
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    const QTextCursor top = browser->cursorForPosition(QPoint(10, 10));
    EXPECT_TRUE(top.block().text().contains(QStringLiteral("Ввод даты рождения")) ||
                top.block().next().text().contains(QStringLiteral("Ввод даты рождения")))
        << top.block().text().toStdString();
}

TEST_F(Help, OneWindowBackAndContentsNavigateAndQuitCloses) {
    ASSERT_TRUE(runHelp(platform::defaultHelpFile(), HelpCommand::Contents, 0));
    platform::HelpViewer* viewer = helpViewer();
    EXPECT_FALSE(viewer->backButton()->isEnabled());

    ASSERT_TRUE(runHelp(platform::defaultHelpFile(), HelpCommand::Context, 80));
    EXPECT_EQ(helpViewer(), viewer) << "one help window for the whole program";
    EXPECT_EQ(viewer->currentAnchor(), QStringLiteral("date-of-birth"));
    ASSERT_TRUE(viewer->backButton()->isEnabled());

    viewer->backButton()->click();
    EXPECT_EQ(viewer->currentAnchor(), QStringLiteral("contents"));
    runHelp(platform::defaultHelpFile(), HelpCommand::Context, 80);
    viewer->contentsButton()->click();
    EXPECT_EQ(viewer->currentAnchor(), QStringLiteral("contents"));

    // A link on the contents page leads to its topic.
    viewer->browser()->setSource(QUrl(QStringLiteral("#aspects")));
    EXPECT_EQ(viewer->currentAnchor(), QStringLiteral("aspects"));

    runHelp({}, HelpCommand::Quit, 0);
    EXPECT_EQ(helpViewer(), nullptr);
    runHelp({}, HelpCommand::Quit, 0);  // quitting twice is harmless
    EXPECT_EQ(helpViewer(), nullptr);
}

TEST_F(Help, ClosedByTheUserOpensAgain) {
    ASSERT_TRUE(runHelp(platform::defaultHelpFile(), HelpCommand::Contents, 0));
    helpViewer()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(helpViewer(), nullptr);
    ASSERT_TRUE(runHelp(platform::defaultHelpFile(), HelpCommand::Context, 80));
    EXPECT_EQ(helpViewer()->currentAnchor(), QStringLiteral("date-of-birth"));
}

enum class Special { None, Fifo, Directory, TooLarge, DeepNesting, ManyParagraphs };

struct BadFile {
    const char* name;
    const char* bytes;  // null: no file at all
    const char* says;
    Special special = Special::None;
};

class UnreadableHelp : public Help, public testing::WithParamInterface<BadFile> {};

TEST_P(UnreadableHelp, IsReportedWithoutABlankWindow) {
    const BadFile& b = GetParam();
    QTemporaryDir dir;
    const QString path =
        b.bytes ? writeHelp(dir, QByteArray(b.bytes)) : dir.filePath(platform::helpFileName());
    switch (b.special) {
        case Special::None:
            break;
        case Special::Fifo:  // would never answer a read
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case Special::Directory:
            ASSERT_TRUE(QDir(dir.path()).mkdir(platform::helpFileName()));
            break;
        case Special::TooLarge: {  // a real help file, then far too much of it
            QFile file(writeHelp(dir, helpText().toUtf8()));
            ASSERT_TRUE(file.resize(platform::kMaxHelpFileBytes + 1));
            break;
        }
        case Special::DeepNesting:  // Qt's time grows with the square of the depth
            writeHelp(dir, "<a name=\"contents\"></a>" +
                               QByteArray("<div>").repeated(platform::kMaxHelpNesting + 1));
            break;
        case Special::ManyParagraphs:  // 2.4 MB of text, 140 MB in Qt's document
            writeHelp(dir, "<a name=\"contents\"></a>" + QByteArray("<p>x</p>").repeated(300000));
            break;
    }
    DesktopWithoutBoxes services(path);
    for (HelpCommand command : {HelpCommand::Contents, HelpCommand::Context}) {
        services.help(nullptr, command, 80);
        EXPECT_EQ(helpViewer(), nullptr);
    }
    ASSERT_EQ(services.messages.size(), 2u);
    const platform::Message& m = services.messages.front();
    EXPECT_TRUE(m.text.contains(QStringLiteral("ZKalvex.hlp"))) << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(QString::fromUtf8(b.says))) << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(QDir::toNativeSeparators(dir.path())));
    EXPECT_EQ(m.icon, platform::MessageIcon::Warning);

    services.help(nullptr, HelpCommand::Quit, 0);
    EXPECT_EQ(services.messages.size(), 2u) << "quit has nothing to report";
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableHelp,
    testing::Values(BadFile{"Missing", nullptr, "не найден"},
                    BadFile{"OldBinaryHelp", "\xff\xfe?_\x03 binary", "повреждён"},
                    BadFile{"SomeOtherPage", "<html><body>Другое</body></html>", "повреждён"},
                    BadFile{"Fifo", nullptr, "не обычный файл", Special::Fifo},
                    BadFile{"Directory", nullptr, "не обычный файл", Special::Directory},
                    BadFile{"TooLarge", nullptr, "больше 4 МБ", Special::TooLarge},
                    BadFile{"DeepNesting", nullptr, "глубже 40 уровней", Special::DeepNesting},
                    BadFile{"ManyParagraphs", nullptr, "больше 64 МБ", Special::ManyParagraphs}),
    [](const testing::TestParamInfo<BadFile>& p) { return p.param.name; });

// A help file of our own beside other files, with one link on its contents page.
struct LinkPage {
    QTemporaryDir dir;
    QString path;
    platform::HelpViewer viewer;
    std::vector<QUrl> external;

    explicit LinkPage(const QString& link) {
        QDir(dir.path()).mkdir(QStringLiteral("help"));
        path = dir.filePath(QStringLiteral("help/") + platform::helpFileName());
        QFile other(dir.filePath(QStringLiteral("help/other.html")));
        other.open(QIODevice::WriteOnly);
        other.write("<p>SECRET other page</p>");
        QFile outside(dir.filePath(QStringLiteral("outside.html")));
        outside.open(QIODevice::WriteOnly);
        outside.write("<p>SECRET outside page</p>");
        QString html =
            QStringLiteral("<html><body><a name=\"contents\"></a><p><a href=\"%1\">ссылка</a></p>")
                .arg(link.toHtmlEscaped());
        for (int i = 0; i < 200; ++i) {
            html += QStringLiteral("<p>строка %1</p>").arg(i);
        }
        html += QStringLiteral("<a name=\"topic\"></a><p>Тема</p></body></html>");
        QFile help(path);
        help.open(QIODevice::WriteOnly);
        help.write(html.toUtf8());
        viewer.setExternalOpener([this](const QUrl& url) { external.push_back(url); });
    }

    // Activates the page's only link with the keyboard, as a reader may.
    void activateLink() {
        QTextBrowser* browser = viewer.browser();
        viewer.show();
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
    }
};

struct Link {
    const char* name;
    const char* href;
    const char* anchorAfter;  // where the reader is then
    bool toDesktop;
};

class HelpLink : public testing::TestWithParam<Link> {};

TEST_P(HelpLink, MovesWithinTheHelpGoesToTheDesktopOrIsIgnored) {
    const Link& l = GetParam();
    LinkPage page(QString::fromUtf8(l.href));
    ASSERT_TRUE(page.viewer.openFile(page.path));
    page.viewer.showContents();
    const QString before = page.viewer.browser()->toPlainText();

    page.activateLink();

    EXPECT_EQ(page.viewer.currentAnchor(), QString::fromLatin1(l.anchorAfter));
    EXPECT_EQ(page.viewer.browser()->toPlainText(), before) << "the help page is still shown";
    ASSERT_EQ(page.external.size(), l.toDesktop ? 1u : 0u);
    if (l.toDesktop) {
        EXPECT_EQ(page.external.front(), QUrl(QString::fromUtf8(l.href)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Links, HelpLink,
    testing::Values(Link{"Anchor", "#topic", "topic", false},
                    Link{"SameFileWithAnchor", "ZKalvex.hlp#topic", "topic", false},
                    Link{"Http", "http://zemtar.narod.ru/", "contents", true},
                    Link{"Https", "https://zemtar.narod.ru/prognoz.html", "contents", true},
                    Link{"Mail", "mailto:zemtar@narod.ru", "contents", true},
                    Link{"SystemFile", "file:///etc/passwd", "contents", false},
                    Link{"OtherFileBeside", "other.html", "contents", false},
                    Link{"FileOutsideTheFolder", "../outside.html", "contents", false},
                    Link{"Script", "javascript:alert(1)", "contents", false},
                    Link{"Data", "data:text/html,<p>SECRET</p>", "contents", false},
                    Link{"Ftp", "ftp://zemtar.narod.ru/", "contents", false}),
    [](const testing::TestParamInfo<Link>& p) { return p.param.name; });

// A picture's address in a help page, and whether the window shows it.
struct Picture {
    const char* name;
    const char* src;  // «DIR» stands for the temporary folder
    bool shown;
};

class HelpPicture : public testing::TestWithParam<Picture> {};

// Red pictures inside and outside the help folder, a FIFO, and one too large
// to decode; the help page shows one of them, and red on the screen tells
// whether it came.
TEST_P(HelpPicture, ComesOnlyFromTheHelpFolder) {
    const Picture& p = GetParam();
    LinkPage page(QStringLiteral("#topic"));
    const QString dir = page.dir.path();
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir + QStringLiteral("/help/inside.png")));
    ASSERT_TRUE(red.save(dir + QStringLiteral("/outside.png")));
    ASSERT_TRUE(
        QFile::link(dir + QStringLiteral("/outside.png"), dir + QStringLiteral("/help/link.png")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + QStringLiteral("/help/fifo.png")).constData(), 0600),
              0);
    if (QByteArray(p.src).contains("huge")) {
        QImage huge(4200, 4200, QImage::Format_RGB32);  // 70 MB once decoded
        huge.fill(Qt::red);
        ASSERT_TRUE(huge.save(dir + QStringLiteral("/help/huge.png")));
    }
    QFile help(page.path);
    ASSERT_TRUE(help.open(QIODevice::Append));
    help.write(QStringLiteral("<p><img src=\"%1\" width=\"40\" height=\"40\"></p>")
                   .arg(QString::fromUtf8(p.src).replace(QStringLiteral("DIR"), dir))
                   .toUtf8());
    help.close();

    ASSERT_TRUE(page.viewer.openFile(page.path));
    page.viewer.show();
    page.viewer.showTopic(0);
    page.viewer.browser()->scrollToAnchor(QStringLiteral("topic"));
    const QImage shot = page.viewer.browser()->viewport()->grab().toImage();
    bool anyRed = false;
    for (int y = 0; y < shot.height() && !anyRed; y += 2) {
        for (int x = 0; x < shot.width() && !anyRed; x += 2) {
            anyRed = shot.pixelColor(x, y) == QColor(Qt::red);
        }
    }
    EXPECT_EQ(anyRed, p.shown);
}

INSTANTIATE_TEST_SUITE_P(Pictures, HelpPicture,
                         testing::Values(Picture{"BarePathOutside", "DIR/outside.png", false},
                                         Picture{"FileAddressOutside", "file://DIR/outside.png",
                                                 false},
                                         Picture{"UpAndOut", "../outside.png", false},
                                         Picture{"LinkOutOfTheFolder", "link.png", false},
                                         Picture{"FifoByItsPath", "DIR/help/fifo.png", false},
                                         Picture{"FifoInTheFolder", "fifo.png", false},
                                         Picture{"TooLargeOnceDecoded", "huge.png", false},
                                         Picture{"InTheFolder", "inside.png", true}),
                         [](const testing::TestParamInfo<Picture>& p) { return p.param.name; });

TEST(HelpResources, StyleSheetsAndPagesOnlyFromTheHelpFolder) {
    LinkPage page(QStringLiteral("#topic"));
    ASSERT_TRUE(page.viewer.openFile(page.path));
    QTextDocument* document = page.viewer.browser()->document();
    const auto loaded = [&](QTextDocument::ResourceType type, const QString& name) {
        return !document->resource(type, QUrl(name)).toByteArray().isEmpty();
    };
    EXPECT_FALSE(loaded(QTextDocument::StyleSheetResource, QStringLiteral("file:///etc/passwd")));
    EXPECT_FALSE(loaded(QTextDocument::HtmlResource, QStringLiteral("other.html")));
}

}  // namespace
