#include <gtest/gtest.h>

#include <QFile>
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

TEST(HelpFile, HasContentsTopicsAndNoBrokenLinks) {
    const QString html = helpText();
    ASSERT_FALSE(html.isEmpty());
    QTextDocument document;
    document.setHtml(html);
    const QSet<QString> anchors = anchorsOf(document);

    EXPECT_TRUE(anchors.contains(platform::contentsAnchor()));
    EXPECT_TRUE(anchors.contains(platform::topicAnchor(80)));
    EXPECT_NE(platform::topicAnchor(80), platform::contentsAnchor());

    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(anchors.contains(target))
            << "link to a missing topic: " << target.toStdString();
    }
    EXPECT_GT(links, 10);
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

struct BadFile {
    const char* name;
    const char* bytes;  // null: no file at all
    const char* says;
};

class UnreadableHelp : public Help, public testing::WithParamInterface<BadFile> {};

TEST_P(UnreadableHelp, IsReportedWithoutABlankWindow) {
    const BadFile& b = GetParam();
    QTemporaryDir dir;
    const QString path =
        b.bytes ? writeHelp(dir, QByteArray(b.bytes)) : dir.filePath(platform::helpFileName());
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
                    BadFile{"SomeOtherPage", "<html><body>Другое</body></html>", "повреждён"}),
    [](const testing::TestParamInfo<BadFile>& p) { return p.param.name; });

}  // namespace
