#pragma once

// A small reader of iCalendar files (RFC 5545) for the tests: it takes a
// file apart as a calendar program would and says where it breaks the rules
// of the format's lines.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <vector>

struct CalendarProperty {
    QString name;
    QStringList parameters;  // «VALUE=DATE», «LANGUAGE=ru»
    QString value;           // TEXT values unescaped
};

struct CalendarReading {
    QString fault;  // the first rule broken; empty when none
    std::vector<CalendarProperty> properties;

    std::vector<const CalendarProperty*> all(const QString& name) const {
        std::vector<const CalendarProperty*> found;
        for (const CalendarProperty& p : properties) {
            if (p.name == name) {
                found.push_back(&p);
            }
        }
        return found;
    }
};

// «\\», «\;», «\,» and «\n» or «\N» back to what they stand for.
inline QString unescapeCalendarText(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const QChar next = text[++i];
        out += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
    }
    return out;
}

inline CalendarReading readCalendar(const QByteArray& bytes) {
    CalendarReading r;
    if (!bytes.endsWith("\r\n")) {
        r.fault = QStringLiteral("the file does not end with CR LF");
        return r;
    }
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();  // what follows the last line end
    std::vector<QByteArray> logical;
    for (const QByteArray& withCr : lines) {
        if (!withCr.endsWith('\r')) {
            r.fault = QStringLiteral("a line ends without CR: ") + QString::fromUtf8(withCr);
            return r;
        }
        const QByteArray line = withCr.chopped(1);
        if (line.size() > 75) {
            r.fault = QStringLiteral("a line of %1 octets").arg(line.size());
            return r;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)QString(utf8(line));
        if (utf8.hasError()) {
            r.fault = QStringLiteral("a line cut inside a UTF-8 character");
            return r;
        }
        if (line.startsWith(' ') || line.startsWith('\t')) {
            if (logical.empty()) {
                r.fault = QStringLiteral("the file begins with a continuation");
                return r;
            }
            logical.back() += line.mid(1);
        } else {
            logical.push_back(line);
        }
    }
    for (const QByteArray& line : logical) {
        const QString text = QString::fromUtf8(line);
        const qsizetype colon = text.indexOf(u':');
        if (colon <= 0) {
            r.fault = QStringLiteral("a line without a name and a value: ") + text;
            return r;
        }
        QStringList head = text.left(colon).split(u';');
        CalendarProperty p;
        p.name = head.takeFirst();
        p.parameters = head;
        const bool isText = p.name == QLatin1String("SUMMARY") ||
                            p.name == QLatin1String("DESCRIPTION") ||
                            p.name.startsWith(QLatin1String("X-"));
        p.value = isText ? unescapeCalendarText(text.mid(colon + 1)) : text.mid(colon + 1);
        r.properties.push_back(p);
    }
    return r;
}
