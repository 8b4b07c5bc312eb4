#include "core/forecast_text.h"

#include "core/aspect_names.h"

#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace core {

namespace {

QString levelText(const AspectValue& a, ReportLanguage language) {
    return a.present ? pageCaption(language, PageCaption::TextLevel).arg(a.level)
                     : pageCaption(language, PageCaption::None);
}

// The JSON text of a forecast, written by hand in a fixed key order: the
// companion's output must not depend on a map's order or Qt's number format.
// Every piece is copied to a cursor inside room made beforehand: a forecast
// has some five hundred pieces, and an append that checks and may move the
// whole array for each of them cost more than the calculation itself.
class JsonOut {
public:
    // `room`: the bytes expected, made at once.
    JsonOut(QByteArray& out, qsizetype room) : out_(out) { grow(room); }
    ~JsonOut() { out_.resize(p_ - out_.data()); }
    JsonOut(const JsonOut&) = delete;
    JsonOut& operator=(const JsonOut&) = delete;

    void raw(std::string_view s) {
        room(static_cast<qsizetype>(s.size()));
        std::memcpy(p_, s.data(), s.size());
        p_ += s.size();
    }
    void boolean(bool b) { b ? raw("true") : raw("false"); }
    void number(long long n) {
        room(kNumberRoom);
        p_ = std::to_chars(p_, p_ + kNumberRoom, n).ptr;
    }
    void text(QStringView value);

private:
    static constexpr qsizetype kNumberRoom = 24;
    static constexpr qsizetype kGrowth = 4096;

    void room(qsizetype n) {
        if (end_ - p_ < n) {
            grow(n);
        }
    }
    void grow(qsizetype n) {
        const qsizetype used = p_ ? p_ - out_.data() : out_.size();
        out_.resize(used + n + (p_ ? kGrowth : 0));
        p_ = out_.data() + used;
        end_ = out_.data() + out_.size();
    }
    void escaped(char16_t u);
    qsizetype nonAscii(QStringView value, qsizetype i);

    QByteArray& out_;
    char* p_ = nullptr;
    char* end_ = nullptr;
};

// Strings are escaped exactly as QJsonDocument escapes them, so that an
// object written here and one written by Qt are the same bytes.
void JsonOut::text(QStringView value) {
    room(value.size() * 6 + 2);  // at most \uXXXX for every unit
    *p_++ = '"';
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t u = value[i].unicode();
        if (u >= 0x80) {
            i += nonAscii(value, i) - 1;
        } else if (u < 0x20 || u == u'"' || u == u'\\') {
            escaped(u);
        } else {
            *p_++ = static_cast<char>(u);
        }
    }
    *p_++ = '"';
}

void JsonOut::escaped(char16_t u) {
    static constexpr char kHex[] = "0123456789abcdef";
    *p_++ = '\\';
    switch (u) {
        case u'"':
        case u'\\':
            *p_++ = static_cast<char>(u);
            return;
        case u'\b':
            *p_++ = 'b';
            return;
        case u'\f':
            *p_++ = 'f';
            return;
        case u'\n':
            *p_++ = 'n';
            return;
        case u'\r':
            *p_++ = 'r';
            return;
        case u'\t':
            *p_++ = 't';
            return;
        default:
            break;
    }
    *p_++ = 'u';
    for (int shift = 12; shift >= 0; shift -= 4) {
        *p_++ = kHex[(u >> shift) & 0xF];
    }
}

// One character from U+0080 up as UTF-8; half of a surrogate pair without the
// other half as \uXXXX. Returns how many UTF-16 units it took.
qsizetype JsonOut::nonAscii(QStringView value, qsizetype i) {
    const char16_t u = value[i].unicode();
    const auto byte = [this](char32_t b) { *p_++ = static_cast<char>(b); };
    if (u < 0x800) {
        byte(0xC0 | (u >> 6));
        byte(0x80 | (u & 0x3F));
        return 1;
    }
    if (!QChar::isSurrogate(u)) {
        byte(0xE0 | (u >> 12));
        byte(0x80 | ((u >> 6) & 0x3F));
        byte(0x80 | (u & 0x3F));
        return 1;
    }
    const char16_t low = i + 1 < value.size() ? value[i + 1].unicode() : 0;
    if (!QChar::isHighSurrogate(u) || !QChar::isLowSurrogate(low)) {
        escaped(u);
        return 1;
    }
    const char32_t c = QChar::surrogateToUcs4(u, low);
    byte(0xF0 | (c >> 18));
    byte(0x80 | ((c >> 12) & 0x3F));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
    return 2;
}

void appendAspects(JsonOut& j, const Forecast& f, ReportLanguage language) {
    j.raw("\"aspects\":[");
    for (int i = 0; i < kAspectCount; ++i) {
        const AspectValue& a = f.aspects[static_cast<std::size_t>(i)];
        i ? j.raw(",{\"caption\":\"") : j.raw("{\"caption\":\"");
        j.number(a.level);
        j.raw("\",\"digit\":");
        j.number(i + 1);
        j.raw(",\"level\":");
        j.number(a.level);
        j.raw(",\"name\":");
        if (language == ReportLanguage::Russian) {
            j.text(kAspectNames[static_cast<std::size_t>(i)]);
        } else {
            j.text(aspectName(language, i + 1));
        }
        j.raw(",\"present\":");
        j.boolean(a.present);
        j.raw(",\"root\":");
        j.boolean(a.root);
        j.raw("}");
    }
}

void appendAxisAndCurve(JsonOut& j, const Forecast& f) {
    j.raw("],\"axisColors\":[");
    for (std::size_t d = 0; d < f.axis.size(); ++d) {
        d ? j.raw(",\"#") : j.raw("\"#");
        char hex[8] = {};
        // A seventh digit in front keeps the colour's leading zeros.
        std::to_chars(hex, hex + sizeof hex, axisColorRgb(f.axis[d]) | 0x1000000U, 16);
        hex[7] = '"';
        j.raw(std::string_view(hex + 1, 7));
    }
    j.raw("],\"curve\":[");
    for (std::size_t i = 0; i < f.curve.size(); ++i) {
        i ? j.raw(",[") : j.raw("[");
        j.number(f.curve[i].x + kScreenGridOrigin.x);
        j.raw(",");
        j.number(f.curve[i].y + kScreenGridOrigin.y);
        j.raw("]");
    }
}
// More than any forecast takes: its object is some 4 KB.
constexpr qsizetype kForecastRoom = 8192;

void appendFigures(JsonOut& j, const Forecast& f, const YearMark* mark, const QString* name) {
    j.raw("],\"digitCount\":");
    j.number(f.digitCount);
    j.raw(",\"digits\":");
    j.text(f.digits);
    j.raw(",\"happiness\":");
    j.text(percentText(f.happinessPercent));
    j.raw(",\"happinessPercent\":");
    j.number(f.happinessPercent);
    j.raw(",\"levels\":[");
    for (qsizetype i = 0; i < f.digits.size(); ++i) {
        if (i) {
            j.raw(",");
        }
        j.number(f.digits[i].digitValue());
    }
    j.raw("],\"lifeNumber\":");
    j.number(f.lifeNumber.wide());
    if (mark) {
        j.raw(",\"markedLevel\":");
        mark->inTable() ? j.number(mark->level) : j.raw("null");
        j.raw(",\"markedYear\":");
        j.number(mark->year);
    }
    j.raw(",\"max\":");
    j.number(f.largest);
    j.raw(",\"min\":");
    j.number(f.smallest);
    if (name) {
        j.raw(",\"name\":");
        j.text(*name);
    }
}

void appendSegmentsAndYears(JsonOut& j, const Forecast& f) {
    j.raw(",\"segments\":[");
    for (std::size_t k = 0; k < f.segments.size(); ++k) {
        if (k) {
            j.raw(",");
        }
        j.boolean(f.segments[k]);
    }
    j.raw("],\"years\":[");
    for (std::size_t i = 0; i < f.years.size(); ++i) {
        i ? j.raw(",[") : j.raw("[");
        for (std::size_t k = 0; k < f.years[i].size(); ++k) {
            k ? j.raw(",{\"text\":\"") : j.raw("{\"text\":\"");
            j.number(f.years[i][k].year);
            j.raw("\",\"visible\":");
            j.boolean(f.years[i][k].visible);
            j.raw("}");
        }
        j.raw("]");
    }
    j.raw("]}");
}

}  // namespace

void appendJsonText(QByteArray& out, QStringView text) {
    JsonOut(out, text.size() * 6 + 2).text(text);
}

void appendJsonMembers(QByteArray& out, const Forecast& f, const YearMark* mark,
                       ReportLanguage language, const QString* name) {
    JsonOut j(out, kForecastRoom + (name ? name->size() * 6 : 0));
    appendAspects(j, f, language);
    appendAxisAndCurve(j, f);
    appendFigures(j, f, mark, name);
    appendSegmentsAndYears(j, f);
}

QByteArray toJson(const Forecast& f, const YearMark* mark, ReportLanguage language) {
    QByteArray out("{");
    appendJsonMembers(out, f, mark, language);
    return out;
}

QString yearMarkText(const YearMark& mark, ReportLanguage language) {
    if (!mark.inTable()) {
        return {};
    }
    return pageCaption(language, PageCaption::TextNow)
        .arg(QString::number(mark.year), QString::number(mark.level));
}

QString toText(const Forecast& f, const YearMark* mark, ReportLanguage language) {
    const auto line = [language](PageCaption caption, const QString& a, const QString& b = {}) {
        const QString words = pageCaption(language, caption);
        return (b.isNull() ? words.arg(a) : words.arg(a, b)) + u'\n';
    };
    const BirthDate& d = f.date;
    const QString born = language == ReportLanguage::Russian
                             ? f.dateText()
                             : birthDateText(language, d.day, d.monthIndex, d.year);
    QString t = line(PageCaption::TextBorn, born);
    t += line(PageCaption::TextLifeNumber, QString::number(f.lifeNumber.wide()),
              QString::number(f.digitCount));
    t += line(PageCaption::TextHappiness, percentText(f.happinessPercent));
    t += line(PageCaption::TextLargest, QString::number(f.largest));
    t += line(PageCaption::TextSmallest, QString::number(f.smallest));
    t += pageCaption(language, PageCaption::TextYears) + u'\n';
    for (const auto& row : f.years) {
        QStringList cells;
        for (const YearCell& cell : row) {
            if (cell.visible) {
                // The level is the one the window marks for the year.
                cells << QStringLiteral("%1 (%2)")
                             .arg(cell.year)
                             .arg(markYear(f, cell.year).level)
                             .rightJustified(9);
            }
        }
        t += cells.join(u' ') + u'\n';
    }
    t += pageCaption(language, PageCaption::TextAspects) + u'\n';
    for (int i = 0; i < kAspectCount; ++i) {
        const AspectValue& a = f.aspects[static_cast<std::size_t>(i)];
        t += QStringLiteral("  %1 %2: %3%4\n")
                 .arg(i + 1)
                 .arg(aspectName(language, i + 1), levelText(a, language),
                      a.root ? pageCaption(language, PageCaption::TextRoot) : QString());
    }
    if (mark && mark->inTable()) {
        t += yearMarkText(*mark, language) + u'\n';
    }
    return t;
}

}  // namespace core
