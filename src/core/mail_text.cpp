#include "core/mail_text.h"

#include <array>
#include <cstddef>

namespace core {

namespace {

using Words = std::array<QStringView, kReportLanguageCount>;

struct Letter {
    Words subject;    // by document: the report, the booklet
    Words fileTitle;  // the same
    Words sending;    // the sentence that says what is attached
};

// In the order of MailDocument; Russian, Ukrainian, English.
constexpr std::array<Letter, 2> kLetters{{
    {{u"Ваш прогноз: жизненные силы по годам", u"Ваш прогноз: життєві сили за роками",
      u"Your forecast: life forces year by year"},
     {u"Прогноз", u"Прогноз", u"Forecast"},
     {u"Отправляю вам прогноз — он во вложении, в файле PDF.",
      u"Надсилаю вам прогноз — він у вкладенні, у файлі PDF.",
      u"Your forecast is attached to this e-mail as a PDF file."}},
    // The booklet is named as its own first page names it.
    {{u"Ваш подробный отчёт", u"Ваш детальний звіт", u"Your detailed reading"},
     {u"Подробный отчёт", u"Детальний звіт", u"Detailed reading"},
     {u"Отправляю вам подробный отчёт — он во вложении, в файле PDF.",
      u"Надсилаю вам детальний звіт — він у вкладенні, у файлі PDF.",
      u"Your detailed reading is attached to this e-mail as a PDF file."}},
}};

constexpr Words kGreetingTo{u"Здравствуйте, %1!", u"Добрий день, %1!", u"Dear %1,"};
constexpr Words kGreeting{u"Здравствуйте!", u"Добрий день!", u"Hello,"};
constexpr Words kQuestions{
    u"Если появятся вопросы или захочется что-то обсудить, просто ответьте на это письмо — "
    u"я с удовольствием отвечу.",
    u"Якщо виникнуть запитання або захочеться щось обговорити, просто дайте відповідь на цей "
    u"лист — я із задоволенням відповім.",
    u"If you have any questions or would like to talk anything over, just reply to this "
    u"e-mail — I will be glad to answer."};
constexpr Words kClosingBeforeName{u"С теплом,", u"З теплом,", u"Warm regards,"};
constexpr Words kClosing{u"Всего вам доброго!", u"Усього вам найкращого!", u"All the best!"};

}  // namespace

MailText mailText(MailDocument document, ReportLanguage language, const QString& address,
                  const QString& signature) {
    const std::size_t in = static_cast<std::size_t>(language);
    const Letter& letter = kLetters[static_cast<std::size_t>(document)];
    const QString to = address.simplified();
    const QString name = signature.simplified();
    QString body = to.isEmpty() ? kGreeting[in].toString() : kGreetingTo[in].toString().arg(to);
    body += QStringLiteral("\n\n") + letter.sending[in].toString() + u' ' +
            kQuestions[in].toString() + QStringLiteral("\n\n");
    body +=
        name.isEmpty() ? kClosing[in].toString() : kClosingBeforeName[in].toString() + u'\n' + name;
    return {letter.subject[in].toString(), body, letter.fileTitle[in].toString()};
}

}  // namespace core
