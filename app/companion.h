#pragma once

// The pieces of zemtar-forecast that its files share: exit codes, the outcome
// of a step that may fail, and the standard streams.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "core/address.h"
#include "core/booklet.h"
#include "core/person.h"
#include "core/turning.h"

namespace companion {

constexpr int kExitForecast = 0;  // the forecast is ready (or help, version)
constexpr int kExitUsage = 1;     // wrong options, or a file not read or written
constexpr int kExitRefused = 2;   // the date was refused; the reason is on standard error

// What stops a step: the exit code and the message (empty for none).
struct Problem {
    int exitCode;
    QString text;
};

struct Options {
    bool help = false;
    bool version = false;
    bool json = false;
    bool batch = false;
    bool pngGiven = false;
    bool pdfGiven = false;
    QString png;
    QString pdf;
    // The card for messengers, a PNG picture of the person's forecast.
    bool cardGiven = false;
    QString card;
    QString surname;
    QString name;
    QString patronymic;
    bool surnameGiven = false;
    bool nameGiven = false;
    bool patronymicGiven = false;
    // The booklet's greeting and the texts' variants: --address as typed,
    // --gender f or m; without them, what the names propose.
    bool addressGiven = false;
    QString address;
    bool genderGiven = false;
    QString genderText;
    core::Gender gender = core::Gender::Unknown;
    // A client list: one report page per row, all in the --pdf file.
    bool clientsGiven = false;
    QString clients;
    // The practitioner's letterhead on the report: on when any of its options is given.
    bool letterhead = false;
    QString practitioner;
    QStringList contacts;
    QString logo;
    bool markYearGiven = false;
    QString markYearText;
    std::optional<int> markYear;  // the year to mark as this year, when asked
    QStringList positional;
    // Standard input was closed when the program started (its number may be
    // another file's by the time it is read).
    bool standardInputClosed = false;
    QByteArray batchFileBytes;  // the --batch file's name, when it is not UTF-8
    // The interpretation booklet in place of the figures, its sections, span and texts.
    bool booklet = false;
    bool sectionsGiven = false;
    QString sections;
    bool outlookGiven = false;
    QString outlookText;
    bool textsGiven = false;
    QString texts;
    core::BookletChoice bookletSections;  // as --sections chose them
    int outlookYears = core::kOutlookDefault;
    // The language of every output: text, JSON's words, pages and booklets.
    bool languageGiven = false;
    QString languageText;
    core::ReportLanguage language = core::ReportLanguage::Russian;
    // Two people side by side (--compare), or two to six on one calendar
    // (--group, each after --person), over the span --from to --to.
    bool compare = false;
    bool group = false;
    bool personGiven = false;
    QStringList personTexts;  // what followed each --person, in order
    bool firstPersonGiven = false;
    QString firstPerson;
    bool secondPersonGiven = false;
    QString secondPerson;
    bool fromGiven = false;
    QString fromText;
    bool toGiven = false;
    QString toText;
    std::vector<core::ClientNames> names;  // each person's, as read; empty ones for none
    core::YearSpan span;                   // as read, or from this year on
    // Turning years: the clients of a --clients list who turn in a year
    // (--turning), or one person's calendar of the years after this one
    // (--ics); --change is how many levels a change spans.
    bool turningGiven = false;
    QString turningText;
    long long turningYear = 0;
    bool icsGiven = false;
    QString ics;
    bool changeGiven = false;
    QString changeText;
    int leastChange = core::kTurnChangeDefault;
};

// The booklet's choice from --sections, --outlook and --mark-year (this year
// by the clock without it; today's day and month in that year, the last of
// February for the 29th in a common year, decide whether the client is still
// a child). The drawing library makes its pages from the same.
inline core::BookletChoice bookletChoice(const Options& o) {
    core::BookletChoice choice = o.bookletSections;
    choice.outlookYears = o.outlookYears;
    const QDate today = QDate::currentDate();
    choice.thisYear = o.markYear.value_or(today.year());
    const int year = static_cast<int>(choice.thisYear);
    choice.madeOn = QDate(year, today.month(), 1);
    choice.madeOn = choice.madeOn.addDays(std::min(today.day(), choice.madeOn.daysInMonth()) - 1);
    return choice;
}

// Whom the booklet or the page is for: the names, --address and --gender
// (the gender the patronymic tells without it), in the language of `o`.
inline core::Person personOf(const Options& o, const core::BirthDate& born = {}) {
    core::Person person;
    person.names = {o.surname, o.name, o.patronymic};
    person.birthDate = born;
    person.language = o.language;
    person.gender = o.genderGiven ? o.gender : core::genderOfPatronymic(o.patronymic);
    person.address = o.address.simplified();
    return person;
}

// Everything written to the standard streams goes through these, so that a
// failed write (a full disk, a closed pipe) is noticed.
bool writeOut(const QByteArray& bytes);
void printErr(const QString& text);

// The application object the companion's own messages are translated through,
// made before anything is said, in the language of the user's desktop. The
// drawing library makes one of its own (with Qt's drawing), so this one is
// taken down before the library is called.
void startTranslatedCore(char* program);
void endTranslatedCore();

// Flushes standard output and ends the program with `status`, or with
// kExitUsage and the reason when the output could not be written.
int finish(int status);

}  // namespace companion
