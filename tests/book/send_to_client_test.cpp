#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QUrl>

#include "book_fixture.h"
#include "file_size_limit.h"
#include "pdf_text.h"
#include "recording_services.h"
#include "ui/book/book_window.h"
#include "ui/book/client_book_link.h"
#include "ui/dialogs/send_to_client.h"
#include "ui/main_window/frm_main.h"

using core::MailDocument;

namespace {

// A stand-in for xdg-email first on PATH: it writes its arguments, each
// ended by a NUL, beside itself and exits with the code it was made with.
class StandInMailProgram {
public:
    StandInMailProgram(const QString& folder, int exitCode)
        : folder_(folder), path_(qgetenv("PATH")) {
        QDir().mkpath(folder);
        QFile script(QDir(folder).filePath(QStringLiteral("xdg-email")));
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$(dirname \"$0\")/arguments\"\nexit " +
                     QByteArray::number(exitCode) + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(folder) + ':' + path_);
    }
    ~StandInMailProgram() { qputenv("PATH", path_); }

    // What the last run was given; none when it never ran.
    QStringList arguments() const {
        QFile file(QDir(folder_).filePath(QStringLiteral("arguments")));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        QStringList out = QString::fromUtf8(file.readAll()).split(QChar(0));
        out.removeLast();  // after the last NUL
        return out;
    }

private:
    QString folder_;
    QByteArray path_;
};

// The book window over one Ukrainian client, sending into a folder of the test's.
struct Sending : TempBook {
    platform::RecordingServices services;
    QString folder = dir.filePath(QStringLiteral("Надіслані"));
    std::optional<MailDocument> document = MailDocument::Booklet;
    int asked = 0;
    book::Client client = person(QStringLiteral("Шевченко"), QStringLiteral("Олена"),
                                 QStringLiteral("Петрівна"), 23, 8, QStringLiteral("1975"));
    std::unique_ptr<ui::BookWindow> window;

    explicit Sending(const QString& email = QStringLiteral("olena@example.com.ua")) {
        client.email = email;
        client.languageCode = QStringLiteral("uk");
        EXPECT_TRUE(book->add(client));
        window = std::make_unique<ui::BookWindow>(*book, services);
        window->setSendSetup([this](ui::SendToClient& sending) {
            sending.setFolder(folder);
            sending.setAskDocument([this](QWidget*, const ui::MailRecipient&) {
                ++asked;
                return document;
            });
        });
        EXPECT_TRUE(window->selectClient(client.id));
    }

    QStringList files() const { return QDir(folder).entryList(QDir::Files); }
    std::vector<book::ReportRecord> history() {
        std::vector<book::ReportRecord> out;
        EXPECT_TRUE(book->reports(client.id, out));
        return out;
    }
};

bool isPdf(const QString& path) {
    return bytesOf(path).startsWith("%PDF");
}

}  // namespace

// Done when: a booklet sent from the book window through a stand-in mail
// program, which is handed the address, the letter and the file in the
// client's language.
TEST(SendToClient, BookletFromTheBookReachesTheMailProgramInTheClientsLanguage) {
    Sending desk;
    StandInMailProgram mail(desk.dir.filePath(QStringLiteral("bin")), 0);
    desk.window->sendCurrent();

    const QStringList arguments = mail.arguments();
    ASSERT_EQ(arguments.size(), 8) << arguments.join(u'|').toStdString();
    EXPECT_EQ(arguments[0], QStringLiteral("--utf8"));
    EXPECT_EQ(arguments.mid(1, 2), QStringList({"--subject", "Ваш детальний звіт"}));
    EXPECT_EQ(arguments[3], QStringLiteral("--body"));
    EXPECT_TRUE(arguments[4].startsWith(QStringLiteral("Добрий день, Олено Петрівно!")))
        << arguments[4].toStdString();
    EXPECT_EQ(arguments[5], QStringLiteral("--attach"));
    const QString file = arguments[6];
    EXPECT_EQ(arguments[7], QStringLiteral("olena@example.com.ua"));
    EXPECT_EQ(QFileInfo(file).fileName(),
              QStringLiteral("Детальний звіт - Шевченко Олена - 23.08.1975.pdf"));
    EXPECT_EQ(QFileInfo(file).absolutePath(), QFileInfo(desk.folder).absoluteFilePath());
    EXPECT_TRUE(isPdf(file));  // and it stays for the mail program to read
    if (kPdfTextReadable) {
        const QString words = pdfText(file);
        EXPECT_TRUE(words.contains(QStringLiteral("Сторінка 2 з")))
            << words.left(400).toStdString();
    }
    ASSERT_EQ(desk.history().size(), 1u);
    EXPECT_EQ(desk.history()[0].kind, core::ReportKind::BookletPdf);
    EXPECT_EQ(desk.history()[0].file, file);
    ASSERT_EQ(desk.services.messages.size(), 1u);
    EXPECT_EQ(desk.services.messages[0].icon, platform::MessageIcon::Information);

    // Once more: the first file may still wait in an unsent letter, so it stays as it was.
    const QByteArray first = bytesOf(file);
    desk.document = MailDocument::Report;
    desk.window->sendCurrent();
    EXPECT_EQ(bytesOf(file), first);
    EXPECT_EQ(mail.arguments().mid(1, 2),
              QStringList({"--subject", "Ваш прогноз: життєві сили за роками"}));
    EXPECT_EQ(QFileInfo(mail.arguments()[6]).fileName(),
              QStringLiteral("Прогноз - Шевченко Олена - 23.08.1975.pdf"));
    EXPECT_EQ(desk.files().size(), 2);
}

// With no mail program, or one that will not take the letter, the user
// learns what to do by hand; the file is there either way.
TEST(SendToClient, WithoutAMailProgramTheFolderOpensAndTheAddressIsCopied) {
    const struct {
        int exitCode;
        platform::MessageIcon icon;
        bool folderOpened;
    } cases[] = {
        {3, platform::MessageIcon::Warning, true},   // no tool to open a mail program
        {4, platform::MessageIcon::Warning, true},   // the mail program did not open
        {1, platform::MessageIcon::Warning, false},  // the address refused
        {2, platform::MessageIcon::Critical, false},
    };
    for (const auto& c : cases) {
        Sending desk;
        StandInMailProgram mail(desk.dir.filePath(QStringLiteral("bin")), c.exitCode);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        desk.window->sendCurrent();
        ASSERT_EQ(desk.services.messages.size(), 1u) << c.exitCode;
        const platform::Message& said = desk.services.messages[0];
        EXPECT_EQ(said.icon, c.icon) << c.exitCode;
        EXPECT_EQ(desk.files().size(), 1) << c.exitCode;
        const QString file = QDir(desk.folder).filePath(desk.files().value(0));
        EXPECT_TRUE(isPdf(file));
        EXPECT_TRUE(said.text.contains(QDir::toNativeSeparators(file)) ||
                    said.text.contains(QDir::toNativeSeparators(desk.folder)))
            << said.text.toStdString();
        if (c.folderOpened) {
            ASSERT_EQ(desk.services.addresses.size(), 1u);
            EXPECT_EQ(QUrl(desk.services.addresses[0]).toLocalFile(),
                      QFileInfo(desk.folder).absoluteFilePath());
            EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("olena@example.com.ua"));
            EXPECT_TRUE(said.text.contains(QStringLiteral("olena@example.com.ua")));
        } else {
            EXPECT_TRUE(desk.services.addresses.empty());
            EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        }
    }
}

// A card without a usable address is told before anything is made or asked.
TEST(SendToClient, NoAddressOrABadOneIsToldBeforeAnyFile) {
    for (const char* email :
         {"", "   ", "olena", "-olena@example.com", "olena@example.com?bcc=x"}) {
        Sending desk(QString::fromUtf8(email));
        StandInMailProgram mail(desk.dir.filePath(QStringLiteral("bin")), 0);
        desk.window->sendCurrent();
        EXPECT_EQ(desk.asked, 0) << email;
        EXPECT_TRUE(desk.files().isEmpty()) << email;
        EXPECT_TRUE(mail.arguments().isEmpty()) << email;
        ASSERT_EQ(desk.services.messages.size(), 1u) << email;
        EXPECT_TRUE(desk.services.messages[0].text.contains(QStringLiteral("Шевченко Олена")));
        EXPECT_TRUE(desk.history().empty());
    }
}

// A PDF that cannot be written (a full disk) is told, and nothing is handed over.
TEST(SendToClient, FailedFileIsToldAndNothingHandedOver) {
    Sending desk;
    StandInMailProgram mail(desk.dir.filePath(QStringLiteral("bin")), 0);
    {
        FileSizeLimit fullDisk(1024);
        desk.window->sendCurrent();
    }
    EXPECT_TRUE(mail.arguments().isEmpty());
    EXPECT_TRUE(desk.files().isEmpty());
    ASSERT_EQ(desk.services.messages.size(), 1u);
    EXPECT_EQ(desk.services.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_TRUE(desk.history().empty());
}

// From the main window: the book's current client, in their language; the
// command waits for one and says so.
TEST(SendToClient, MainWindowSendsForTheCurrentClient) {
    TempBook desk;
    platform::RecordingServices services;
    ui::FrmMain window{services};
    ui::ClientBookLink link{window, services, desk.path};
    book::Client anna = person(QStringLiteral("O'Neil"), QStringLiteral("Anna"));
    anna.email = QStringLiteral("anna@example.ie");
    anna.languageCode = QStringLiteral("en");
    ASSERT_TRUE(link.book().add(anna));
    std::vector<platform::MailDraft> drafts;
    window.setSendSetup([&](ui::SendToClient& sending) {
        sending.setFolder(desk.dir.filePath(QStringLiteral("sent")));
        sending.setAskDocument(
            [](QWidget*, const ui::MailRecipient&) { return std::optional(MailDocument::Report); });
        sending.setHandOver([&](const platform::MailDraft& draft) {
            drafts.push_back(draft);
            return platform::MailResult{platform::MailOutcome::HandedOver, {}};
        });
    });
    auto* send = window.findChild<QAction*>(QStringLiteral("mpSend"));
    ASSERT_NE(send, nullptr);
    EXPECT_TRUE(send->isVisible());
    EXPECT_FALSE(send->isEnabled());
    EXPECT_FALSE(send->toolTip().isEmpty());

    link.openBookWindow();
    ASSERT_TRUE(link.bookWindow()->selectClient(anna.id));
    link.bookWindow()->openCurrent();
    ASSERT_TRUE(send->isEnabled());
    send->trigger();
    ASSERT_EQ(drafts.size(), 1u);
    EXPECT_EQ(drafts[0].to, QStringList{QStringLiteral("anna@example.ie")});
    EXPECT_EQ(drafts[0].subject, QStringLiteral("Your forecast: life forces year by year"));
    EXPECT_TRUE(drafts[0].body.startsWith(QStringLiteral("Dear Anna,")));
    EXPECT_TRUE(isPdf(drafts[0].attachment));
    std::vector<book::ReportRecord> history;
    ASSERT_TRUE(link.book().reports(anna.id, history));
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].kind, core::ReportKind::Pdf);
    EXPECT_EQ(history[0].file, drafts[0].attachment);
    // The report made the client current again: still the card's address.
    EXPECT_TRUE(send->isEnabled());
    EXPECT_EQ(window.currentClient()->email, QStringLiteral("anna@example.ie"));
}
