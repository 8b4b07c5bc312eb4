#include "core/group.h"

#include <algorithm>

#include "core/aspect_names.h"
#include "core/forecast_text.h"
#include "core/group_words.h"
#include "core/months.h"

namespace core {

namespace {

QByteArray levelJson(const std::optional<int>& level) {
    return level ? QByteArray::number(*level) : QByteArrayLiteral("null");
}

QByteArray yearListJson(const std::vector<long long>& years) {
    QByteArray out = "[";
    for (std::size_t i = 0; i < years.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += QByteArray::number(years[i]);
    }
    return out + ']';
}

QString levelText(const std::optional<int>& level) {
    return level ? QString::number(*level) : QStringLiteral("—");
}

// The date of birth where a person has no name: as the window's list names
// the month in Russian, as the page of that language writes it otherwise.
QString dateLabel(const BirthDate& d, ReportLanguage language) {
    return language == ReportLanguage::Russian
               ? QString::number(d.day) + u' ' + monthName(d.monthIndex) + u' ' + d.year
               : birthDateText(language, d.day, d.monthIndex, d.year);
}

// A member's line: who, the name when known, the date, the percentage and the extremes.
QString memberLine(const GroupMember& m, const QString& who, ReportLanguage language) {
    const QString name = fullName(m.person.names);
    const Forecast& f = m.forecast;
    return pageCaption(language, PageCaption::TextPerson)
               .arg(who, name.isEmpty() ? QString() : name + QStringLiteral(", "),
                    dateLabel(m.person.birthDate, language), percentText(f.happinessPercent),
                    QString::number(f.smallest), QString::number(f.largest)) +
           u'\n';
}

QString yearLine(const GroupYear& y) {
    QString line = QStringLiteral("%1").arg(y.year, 6);
    for (const std::optional<int>& level : y.levels) {
        line += QStringLiteral(" %1").arg(levelText(level), 6);
    }
    return line + u'\n';
}

// Two people, as the comparison of two has always read.
QString pairText(const Group& g, ReportLanguage language) {
    const auto words = [language](PageCaption caption) { return pageCaption(language, caption); };
    QString out = memberLine(g.members[0], words(PageCaption::TextFirst), language) +
                  memberLine(g.members[1], words(PageCaption::TextSecond), language);
    out += words(PageCaption::TextSpanHeader) + u'\n';
    for (const GroupYear& y : g.years) {
        out += yearLine(y);
    }
    out += words(PageCaption::BothHighest) + yearListText(g.allHighest, language) + u'\n';
    out += words(PageCaption::BothLowest) + yearListText(g.allLowest, language) + u'\n';
    return out;
}

}  // namespace

YearSpan YearSpan::startingIn(long long first) {
    return {first, std::min(first + kSpanYearsAfterFirst, kLatestSpanYear)};
}

std::optional<int> levelInYear(const Forecast& forecast, long long year) {
    const std::optional<CycleYear> y = cycleYear(forecast, year);
    return y ? std::optional<int>(y->level) : std::nullopt;
}

std::optional<CycleYear> cycleYear(const Forecast& forecast, long long year) {
    const long long birth = forecast.birthYear;
    const long long n = forecast.digitCount;
    if (year < birth || n <= 0 || forecast.digits.size() != n) {
        return std::nullopt;
    }
    const auto digit = [&forecast](long long position) {
        return forecast.digits.at(static_cast<qsizetype>(position)).unicode() - u'0';
    };
    const long long position = (year - birth) % n;
    CycleYear y;
    y.position = static_cast<int>(position);
    y.level = digit(position);
    y.shape =
        yearShape(y.level, digit((position + n - 1) % n), forecast.largest, forecast.smallest);
    return y;
}

Sharing Group::sharing(int digit) const {
    const std::vector<int>& who = holders.at(static_cast<std::size_t>(digit - 1));
    if (who.empty()) {
        return Sharing::None;
    }
    return static_cast<int>(who.size()) == size() ? Sharing::All : Sharing::Some;
}

Group makeGroup(std::vector<GroupMember> members, YearSpan span) {
    Group g;
    g.members = std::move(members);
    g.span = span;
    if (span.from <= span.to) {
        g.years.reserve(static_cast<std::size_t>(span.length()));
    }
    for (long long year = span.from; year <= span.to; ++year) {
        GroupYear y{year, {}, !g.members.empty(), !g.members.empty()};
        for (const GroupMember& m : g.members) {
            const std::optional<int> level = levelInYear(m.forecast, year);
            y.levels.push_back(level);
            y.allHighest = y.allHighest && level && *level == m.forecast.largest;
            y.allLowest = y.allLowest && level && *level == m.forecast.smallest;
        }
        if (y.allHighest) {
            g.allHighest.push_back(year);
        }
        if (y.allLowest) {
            g.allLowest.push_back(year);
        }
        g.years.push_back(std::move(y));
    }
    for (std::size_t d = 0; d < g.holders.size(); ++d) {
        for (int k = 0; k < g.size(); ++k) {
            if (g.members[static_cast<std::size_t>(k)].forecast.aspects[d].present) {
                g.holders[d].push_back(k);
            }
        }
    }
    return g;
}

QString personLabel(const Person& person, ReportLanguage language) {
    const QString name = fullName(person.names);
    return name.isEmpty() ? dateLabel(person.birthDate, language) : name;
}

QString shortLabel(const Person& person, ReportLanguage language) {
    for (const QString& name : {person.names.name, person.names.surname, person.names.patronymic}) {
        if (const QString trimmed = name.trimmed(); !trimmed.isEmpty()) {
            return trimmed;
        }
    }
    return dateLabel(person.birthDate, language);
}

QString yearListText(const std::vector<long long>& years, ReportLanguage language) {
    if (years.empty()) {
        return pageCaption(language, PageCaption::None);
    }
    QStringList parts;
    for (const long long y : years) {
        parts << QString::number(y);
    }
    return parts.join(QStringLiteral(", "));
}

QStringList sharedAspectNames(const Group& group, ReportLanguage language) {
    QStringList names;
    for (int digit = 1; digit <= kAspectCount; ++digit) {
        if (group.sharing(digit) == Sharing::All) {
            names << aspectName(language, digit);
        }
    }
    return names;
}

QStringList partlySharedAspects(const Group& group, ReportLanguage language, bool shortNames) {
    QStringList lines;
    for (int digit = 1; digit <= kAspectCount; ++digit) {
        if (group.sharing(digit) != Sharing::Some) {
            continue;
        }
        QStringList who;
        for (const int k : group.holders[static_cast<std::size_t>(digit - 1)]) {
            const Person& p = group.members[static_cast<std::size_t>(k)].person;
            who << (shortNames ? shortLabel(p, language) : personLabel(p, language));
        }
        lines << aspectName(language, digit) + QStringLiteral(" — ") +
                     who.join(QStringLiteral(", "));
    }
    return lines;
}

QByteArray groupJson(const Group& group, ReportLanguage language) {
    QByteArray out = "{\"allHighest\":" + yearListJson(group.allHighest) +
                     ",\"allLowest\":" + yearListJson(group.allLowest) + ",\"people\":[";
    for (std::size_t k = 0; k < group.members.size(); ++k) {
        const GroupMember& m = group.members[k];
        out += k > 0 ? ",{" : "{";
        const QString name = fullName(m.person.names);
        appendJsonMembers(out, m.forecast, nullptr, language, &name);
    }
    out += "],\"years\":[";
    for (std::size_t i = 0; i < group.years.size(); ++i) {
        const GroupYear& y = group.years[i];
        out += i > 0 ? ",{\"year\":" : "{\"year\":";
        out += QByteArray::number(y.year) + ",\"levels\":[";
        for (std::size_t k = 0; k < y.levels.size(); ++k) {
            out += (k > 0 ? "," : "") + levelJson(y.levels[k]);
        }
        out += "]}";
    }
    return out + "]}";
}

QByteArray pairJson(const Group& group, ReportLanguage language) {
    const auto forecast = [&group](std::size_t k) -> const Forecast& {
        return group.members.at(k).forecast;
    };
    QByteArray out = "{\"bothHighest\":" + yearListJson(group.allHighest) +
                     ",\"bothLowest\":" + yearListJson(group.allLowest) +
                     ",\"first\":" + toJson(forecast(0), nullptr, language) +
                     ",\"second\":" + toJson(forecast(1), nullptr, language) + ",\"years\":[";
    for (std::size_t i = 0; i < group.years.size(); ++i) {
        const GroupYear& y = group.years[i];
        if (i > 0) {
            out += ',';
        }
        out += "{\"year\":" + QByteArray::number(y.year) + ",\"first\":" + levelJson(y.levels[0]) +
               ",\"second\":" + levelJson(y.levels[1]) + '}';
    }
    return out + "]}";
}

QString groupText(const Group& g, ReportLanguage language) {
    if (g.size() == 2) {
        return pairText(g, language);
    }
    const auto words = [language](GroupCaption caption) { return groupCaption(language, caption); };
    QString out;
    QString header = words(GroupCaption::TextYear).leftJustified(6);
    for (int k = 0; k < g.size(); ++k) {
        out += memberLine(g.members[static_cast<std::size_t>(k)], QString::number(k + 1), language);
        header += QStringLiteral(" %1").arg(k + 1, 6);
    }
    out += header + u'\n';
    for (const GroupYear& y : g.years) {
        out += yearLine(y);
    }
    out += words(GroupCaption::AllHighest) + yearListText(g.allHighest, language) + u'\n';
    out += words(GroupCaption::AllLowest) + yearListText(g.allLowest, language) + u'\n';
    const QStringList all = sharedAspectNames(g, language);
    out += words(GroupCaption::AllAspects) +
           (all.isEmpty() ? pageCaption(language, PageCaption::None)
                          : all.join(QStringLiteral(", "))) +
           u'\n';
    const QStringList some = partlySharedAspects(g, language);
    out += (some.isEmpty()
                ? words(GroupCaption::SomeAspects) + pageCaption(language, PageCaption::None)
                : words(GroupCaption::SomeAspects).trimmed()) +
           u'\n';
    for (const QString& line : some) {
        out += QStringLiteral("  ") + line + u'\n';
    }
    return out;
}

}  // namespace core
