#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

#include "book_fixture.h"
#include "core/program_info.h"
#include "platform/translations.h"
#include "platform/user_settings.h"
#include "recording_services.h"
#include "ui/book/book_window.h"
#include "ui/main_window/frm_main.h"
#include "ui/main_window/language_menu.h"
#include "ui/texts/text_preview.h"

namespace {

// The window speaks `code` while it lives, and Russian again after.
struct Speaking {
    explicit Speaking(const char* code) { EXPECT_TRUE(platform::installCatalogues(code)); }
    ~Speaking() { platform::installCatalogues(QStringLiteral("ru")); }
};

// Every text a window shows or reads out: titles, captions, tips, hints,
// list items, the table's headers, menus and their commands.
QStringList textsOf(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->toolTip() << w->accessibleName() << w->windowTitle();
        if (auto* label = qobject_cast<const QLabel*>(w)) {
            texts << label->text();
        } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
            texts << button->text();
        } else if (auto* box = qobject_cast<const QGroupBox*>(w)) {
            texts << box->title();
        } else if (auto* line = qobject_cast<const QLineEdit*>(w)) {
            texts << line->placeholderText();
        } else if (auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
        } else if (auto* menu = qobject_cast<const QMenu*>(w)) {
            // A language's own name in the list of languages is not the window's text.
            if (menu->objectName() == QLatin1String("mLanguage")) {
                continue;
            }
            texts << menu->title();
            for (const QAction* a : menu->actions()) {
                texts << a->text() << a->toolTip();
            }
        } else if (auto* table = qobject_cast<const QTableView*>(w)) {
            const QAbstractItemModel* m = table->model();
            for (int c = 0; m && c < m->columnCount(); ++c) {
                texts << m->headerData(c, Qt::Horizontal).toString();
            }
        }
    }
    return texts;
}

// Cyrillic letters that are not the language's own: for Ukrainian, the
// letters only Russian has; for English, any.
QString foreignLetters(const QString& text, const QString& language) {
    static const QString russianOnly = QStringLiteral("ёЁыЫэЭъЪ");
    QString found;
    for (const QChar c : text) {
        const bool cyrillic = c.unicode() >= 0x400 && c.unicode() <= 0x4ff;
        if (cyrillic && (language == u"en" || russianOnly.contains(c))) {
            found += c;
        }
    }
    return found;
}

}  // namespace

// The main window and the book window speak the language of the catalogues
// they start with.
TEST(WindowLanguage, Captions) {
    const struct {
        const char* code;
        const char* calculate;
        const char* fileMenu;
        const char* bookTitle;
    } cases[] = {
        {"ru", "Расчёт", "&Файл", "Картотека клиентов"},
        {"uk", "Розрахунок", "&Файл", "Картотека клієнтів"},
        {"en", "Calculate", "&File", "Client Book"},
    };
    TempBook t;
    book::Client smith = person(QStringLiteral("Smith"), QStringLiteral("Anna"));
    ASSERT_TRUE(t.book->add(smith));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        Speaking speaking(c.code);
        platform::RecordingServices services;
        ui::FrmMain main(services);
        ui::BookWindow book(*t.book, services);
        EXPECT_EQ(main.findChild<QPushButton*>(QStringLiteral("CmdPusk"))->text(),
                  QString::fromUtf8(c.calculate));
        EXPECT_EQ(main.findChild<QMenu*>(QStringLiteral("mFile"))->title(),
                  QString::fromUtf8(c.fileMenu));
        EXPECT_EQ(book.windowTitle(), QString::fromUtf8(c.bookTitle));
    }
}

// A counted number takes the language's own form of the word.
TEST(WindowLanguage, CountedClientsTakeTheLanguagesForms) {
    const struct {
        const char* code;
        const char* forms[6];  // for 1, 2, 5, 11, 21, 22
    } cases[] = {
        {"ru", {"клиент.", "клиента.", "клиентов.", "клиентов.", "клиент.", "клиента."}},
        {"uk", {"клієнт.", "клієнти.", "клієнтів.", "клієнтів.", "клієнт.", "клієнти."}},
        {"en", {"client.", "clients.", "clients.", "clients.", "clients.", "clients."}},
    };
    const int counts[] = {1, 2, 5, 11, 21, 22};
    for (const auto& c : cases) {
        Speaking speaking(c.code);
        for (int k = 0; k < 6; ++k) {
            const QString said = QCoreApplication::translate(
                "ui::BookWindow", "Копия картотеки сохранена в файл «%1»: %n клиентов.", nullptr,
                counts[k]);
            EXPECT_TRUE(said.endsWith(
                QStringLiteral("%1 %2").arg(counts[k]).arg(QString::fromUtf8(c.forms[k]))))
                << c.code << ' ' << said.toStdString();
        }
    }
}

// Choosing a language remembers it for the next start and says so, in the
// chosen language and in the present one.
TEST(WindowLanguage, ChoosingALanguageSaysItAppliesAtTheNextStart) {
    // Russian as the present language whatever the desktop's is (Wine's C
    // locale is an English Windows).
    platform::setInterfaceLanguage(QStringLiteral("ru"));
    platform::RecordingServices services;
    ui::FrmMain main(services);
    QAction* english = main.findChild<QAction*>(QStringLiteral("mpLanguage_en"));
    ASSERT_NE(english, nullptr);
    english->trigger();
    EXPECT_EQ(platform::interfaceLanguage(), QStringLiteral("en"));
    ASSERT_EQ(services.messages.size(), 1u);
    const QString said = services.messages[0].text;
    EXPECT_TRUE(said.contains(QStringLiteral("next start"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("при следующем запуске"))) << said.toStdString();
    platform::userSettings().setValue(QStringLiteral("interface/language"), QString());
}

// No Russian is left in the Ukrainian or English main window and book window,
// the aspect square's tips, the month list, the title and the texts
// window's example client included.
TEST(WindowLanguage, NoRussianLeft) {
    TempBook t;
    book::Client smith = person(QStringLiteral("Smith"), QStringLiteral("Anna"));
    ASSERT_TRUE(t.book->add(smith));
    for (const char* code : {"uk", "en"}) {
        SCOPED_TRACE(code);
        Speaking speaking(code);
        platform::RecordingServices services;
        ui::FrmMain main(services);
        ui::BookWindow book(*t.book, services);
        for (const QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&book)}) {
            for (QString text : textsOf(*window)) {
                // The program's name is the product's, the same in every language.
                text.remove(info::programName());
                EXPECT_EQ(foreignLetters(text, QLatin1String(code)), QString())
                    << text.toStdString();
            }
        }
        // The texts window's example client and date with no forecast yet.
        const QString note = ui::TextPreview({std::nullopt, std::nullopt, 2026}).note();
        EXPECT_EQ(foreignLetters(note, QLatin1String(code)), QString()) << note.toStdString();
    }
}
