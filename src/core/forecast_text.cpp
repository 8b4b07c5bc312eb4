#include "core/forecast_text.h"

#include <QStringList>

namespace core {

namespace {

QString levelText(const AspectValue& a) {
    return a.present ? QStringLiteral("уровень %1").arg(a.level) : QStringLiteral("нет");
}

}  // namespace

QByteArray toJson(const Forecast& f, const YearMark* mark) {
    QByteArray o;
    o.reserve(4096);
    const auto text = [&o](QStringView value) {
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
    };
    const auto boolean = [&o](bool b) { o += b ? "true" : "false"; };
    const auto number = [&o](long long n) { o += QByteArray::number(n); };

    o += "{\"aspects\":[";
    for (int i = 0; i < kAspectCount; ++i) {
        const AspectValue& a = f.aspects[static_cast<std::size_t>(i)];
        o += i ? ",{\"caption\":" : "{\"caption\":";
        text(QString::number(a.level));
        o += ",\"digit\":";
        number(i + 1);
        o += ",\"level\":";
        number(a.level);
        o += ",\"name\":";
        text(kAspectNames[static_cast<std::size_t>(i)]);
        o += ",\"present\":";
        boolean(a.present);
        o += ",\"root\":";
        boolean(a.root);
        o += '}';
    }
    o += "],\"axisColors\":[";
    for (std::size_t d = 0; d < f.axis.size(); ++d) {
        o += d ? ",\"#" : "\"#";
        o += QByteArray::number(axisColorRgb(f.axis[d]), 16).rightJustified(6, '0');
        o += '"';
    }
    o += "],\"curve\":[";
    for (std::size_t i = 0; i < f.curve.size(); ++i) {
        o += i ? ",[" : "[";
        number(f.curve[i].x + kScreenGridOrigin.x);
        o += ',';
        number(f.curve[i].y + kScreenGridOrigin.y);
        o += ']';
    }
    o += "],\"digitCount\":";
    number(f.digitCount);
    o += ",\"digits\":";
    text(f.digits);
    o += ",\"happiness\":";
    text(f.happiness);
    o += ",\"lifeNumber\":";
    number(f.lifeNumber.wide());
    if (mark) {
        o += ",\"markedLevel\":";
        if (mark->inTable()) {
            number(mark->level);
        } else {
            o += "null";
        }
        o += ",\"markedYear\":";
        number(mark->year);
    }
    o += ",\"max\":";
    number(f.largest);
    o += ",\"min\":";
    number(f.smallest);
    o += ",\"segments\":[";
    for (std::size_t k = 0; k < f.segments.size(); ++k) {
        o += k ? "," : "";
        boolean(f.segments[k]);
    }
    o += "],\"years\":[";
    for (std::size_t i = 0; i < f.years.size(); ++i) {
        o += i ? ",[" : "[";
        for (std::size_t k = 0; k < f.years[i].size(); ++k) {
            o += k ? ",{\"text\":\"" : "{\"text\":\"";
            number(f.years[i][k].year);
            o += "\",\"visible\":";
            boolean(f.years[i][k].visible);
            o += '}';
        }
        o += ']';
    }
    o += "]}";
    return o;
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
