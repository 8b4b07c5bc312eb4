#include "core/forecast_text.h"

#include <QStringList>

namespace core {

namespace {

QString levelText(const AspectValue& a) {
    return a.present ? QStringLiteral("уровень %1").arg(a.level) : QStringLiteral("нет");
}

}  // namespace

namespace {

// The JSON text of a forecast, written by hand in a fixed key order: the
// companion's output must not depend on a map's order or Qt's number format.
struct JsonOut {
    QByteArray o;

    void text(QStringView value) {
        o += '"';
        for (const QChar c : value) {
            if (c == u'"' || c == u'\\') {
                o += '\\';
            }
            if (c.unicode() < 0x20) {
                o += QByteArray("\\u00") +
                     QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
            } else {
                o += QStringView(&c, 1).toUtf8();
            }
        }
        o += '"';
    }
    void boolean(bool b) { o += b ? "true" : "false"; }
    void number(long long n) { o += QByteArray::number(n); }
};

void appendAspects(JsonOut& j, const Forecast& f) {
    j.o += "{\"aspects\":[";
    for (int i = 0; i < kAspectCount; ++i) {
        const AspectValue& a = f.aspects[static_cast<std::size_t>(i)];
        j.o += i ? ",{\"caption\":" : "{\"caption\":";
        j.text(QString::number(a.level));
        j.o += ",\"digit\":";
        j.number(i + 1);
        j.o += ",\"level\":";
        j.number(a.level);
        j.o += ",\"name\":";
        j.text(kAspectNames[static_cast<std::size_t>(i)]);
        j.o += ",\"present\":";
        j.boolean(a.present);
        j.o += ",\"root\":";
        j.boolean(a.root);
        j.o += '}';
    }
}

void appendAxisAndCurve(JsonOut& j, const Forecast& f) {
    j.o += "],\"axisColors\":[";
    for (std::size_t d = 0; d < f.axis.size(); ++d) {
        j.o += d ? ",\"#" : "\"#";
        j.o += QByteArray::number(axisColorRgb(f.axis[d]), 16).rightJustified(6, '0');
        j.o += '"';
    }
    j.o += "],\"curve\":[";
    for (std::size_t i = 0; i < f.curve.size(); ++i) {
        j.o += i ? ",[" : "[";
        j.number(f.curve[i].x + kScreenGridOrigin.x);
        j.o += ',';
        j.number(f.curve[i].y + kScreenGridOrigin.y);
        j.o += ']';
    }
}

void appendFigures(JsonOut& j, const Forecast& f, const YearMark* mark) {
    j.o += "],\"digitCount\":";
    j.number(f.digitCount);
    j.o += ",\"digits\":";
    j.text(f.digits);
    j.o += ",\"happiness\":";
    j.text(f.happiness);
    j.o += ",\"lifeNumber\":";
    j.number(f.lifeNumber.wide());
    if (mark) {
        j.o += ",\"markedLevel\":";
        if (mark->inTable()) {
            j.number(mark->level);
        } else {
            j.o += "null";
        }
        j.o += ",\"markedYear\":";
        j.number(mark->year);
    }
    j.o += ",\"max\":";
    j.number(f.largest);
    j.o += ",\"min\":";
    j.number(f.smallest);
}

void appendSegmentsAndYears(JsonOut& j, const Forecast& f) {
    j.o += ",\"segments\":[";
    for (std::size_t k = 0; k < f.segments.size(); ++k) {
        j.o += k ? "," : "";
        j.boolean(f.segments[k]);
    }
    j.o += "],\"years\":[";
    for (std::size_t i = 0; i < f.years.size(); ++i) {
        j.o += i ? ",[" : "[";
        for (std::size_t k = 0; k < f.years[i].size(); ++k) {
            j.o += k ? ",{\"text\":\"" : "{\"text\":\"";
            j.number(f.years[i][k].year);
            j.o += "\",\"visible\":";
            j.boolean(f.years[i][k].visible);
            j.o += '}';
        }
        j.o += ']';
    }
    j.o += "]}";
}

}  // namespace

QByteArray toJson(const Forecast& f, const YearMark* mark) {
    JsonOut j;
    j.o.reserve(4096);
    appendAspects(j, f);
    appendAxisAndCurve(j, f);
    appendFigures(j, f, mark);
    appendSegmentsAndYears(j, f);
    return j.o;
}

QString yearMarkText(const YearMark& mark) {
    if (!mark.inTable()) {
        return {};
    }
    return QStringLiteral("Сейчас %1 год: уровень жизненных сил %2").arg(mark.year).arg(mark.level);
}

QString toText(const Forecast& f, const YearMark* mark) {
    QString t;
    t += QStringLiteral("Дата рождения: %1\n").arg(f.dateText());
    t += QStringLiteral("Число жизни: %1 (цифр: %2)\n").arg(f.lifeNumber.wide()).arg(f.digitCount);
    t += QStringLiteral("Процент счастья: %1\n").arg(f.happiness);
    t += QStringLiteral("Максимальный уровень жизненных сил: %1\n").arg(f.largest);
    t += QStringLiteral("Минимальный уровень жизненных сил: %1\n").arg(f.smallest);
    t += QStringLiteral("Годы по цифрам числа жизни:\n");
    for (const auto& row : f.years) {
        QString line;
        for (const YearCell& cell : row) {
            if (cell.visible) {
                line += QString::number(cell.year).rightJustified(5);
            }
        }
        t += line + u'\n';
    }
    t += QStringLiteral("Аспекты:\n");
    for (int i = 0; i < kAspectCount; ++i) {
        const AspectValue& a = f.aspects[static_cast<std::size_t>(i)];
        t += QStringLiteral("  %1 %2: %3%4\n")
                 .arg(i + 1)
                 .arg(kAspectNames[static_cast<std::size_t>(i)].toString(), levelText(a),
                      a.root ? QStringLiteral(", корневая цифра") : QString());
    }
    if (mark && mark->inTable()) {
        t += yearMarkText(*mark) + u'\n';
    }
    return t;
}

}  // namespace core
