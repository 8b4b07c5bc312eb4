#include <gtest/gtest.h>

#include "platform/mail_program.h"

using platform::MailDraft;
using platform::MailOutcome;

namespace {

TEST(MailProgram, AddressesTakenAndRefused) {
    const struct {
        const char16_t* address;
        bool taken;
    } cases[] = {
        {u"anna@example.com", true},
        {u"anna.sokolova+clients@mail.example.co.uk", true},
        {u"o'brien@example.ie", true},
        {u"мария@почта.рф", true},
        {u"x_y-z@sub-domain.example.org", true},
        {u"", false},
        {u"anna", false},
        {u"anna@localhost", false},     // no dot: not a client's address
        {u"-anna@example.com", false},  // an option to the tool
        {u"--attach=/etc/passwd@example.com", false},
        {u"anna@@example.com", false},
        {u"an na@example.com", false},
        {u"anna@example.com bob@example.com", false},
        {u"\"anna\"@example.com", false},
        {u"<anna@example.com>", false},
        {u"anna@example.com,bob@example.com", false},
        {u"anna@example.com?cc=eve@example.com", false},  // a mail link's field
        {u"anna@example.com&body=x", false},
        {u"anna%40example.com", false},
        {u"anna@exa_mple.com", false},
        {u"anna@-example.com", false},
        {u"anna@example..com", false},
        {u".anna@example.com", false},
        {u"an..na@example.com", false},
        {u"anna.@example.com", false},
        {u"anna@example.com\n", false},
        {u"anna@example.com;rm", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::isMailAddress(QString::fromUtf16(c.address)), c.taken)
            << QString::fromUtf16(c.address).toStdString();
    }
    const QString longLocal = QString(65, u'a') + QStringLiteral("@example.com");
    EXPECT_FALSE(platform::isMailAddress(longLocal));
    const QString longDomain = QStringLiteral("a@") + QString(250, u'b') + QStringLiteral(".com");
    EXPECT_FALSE(platform::isMailAddress(longDomain));
}

// Each text is one argument, however it is written; the addresses come last.
TEST(MailProgram, XdgEmailArgumentsFromDrafts) {
    const QString file = QStringLiteral("/home/анна/Отправленные клиентам/Прогноз - О'Нил.pdf");
    const struct {
        MailDraft draft;
        QStringList arguments;
    } cases[] = {
        {{{QStringLiteral("anna@example.com")},
          QStringLiteral("Ваш прогноз"),
          QStringLiteral("Здравствуйте, Мария Ивановна!\n\nСтрока «вторая»."),
          file},
         {"--utf8", "--subject", "Ваш прогноз", "--body",
          "Здравствуйте, Мария Ивановна!\n\nСтрока «вторая».", "--attach", file,
          "anna@example.com"}},
        {{{QStringLiteral("o'neil@example.ie")},
          QStringLiteral("Your \"detailed\" report; $HOME `date`"),
          QStringLiteral("Dear O'Neil,"),
          QStringLiteral("/tmp/a b.pdf")},
         {"--utf8", "--subject", "Your \"detailed\" report; $HOME `date`", "--body", "Dear O'Neil,",
          "--attach", "/tmp/a b.pdf", "o'neil@example.ie"}},
        // xdg-email refuses an option followed by nothing: empty texts are left out.
        {{{QStringLiteral("a@b.ua"), QStringLiteral("c@d.ua")}, {}, {}, {}},
         {"--utf8", "a@b.ua", "c@d.ua"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::xdgEmailArguments(c.draft), c.arguments);
    }
}

TEST(MailProgram, BadAddressIsRefusedBeforeAnythingRuns) {
    for (const char* address : {"-x@example.com", "", "a@b.com --attach /etc/passwd"}) {
        const platform::MailResult result =
            platform::handToMailProgram({{QString::fromUtf8(address)}, "s", "b", {}});
        EXPECT_EQ(result.outcome, MailOutcome::AddressRefused) << address;
        EXPECT_FALSE(result.reason.isEmpty());
    }
}

}  // namespace
