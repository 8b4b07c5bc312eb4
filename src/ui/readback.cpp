#include "ui/readback.h"

#include <QJsonArray>

#include "aspects/aspect_square.h"
#include "core/numeric.h"
#include "platform/controls.h"
#include "ui/frm_main.h"

namespace ui {

Readback readBack(const FrmMain& w) {
    Readback r;
    r.date = w.dayText() + u' ' + w.monthText() + u' ' + w.yearText();
    r.lifeNumber = w.lifeNumber().wide();
    r.digits = w.LenNumP().value();
    r.happiness = w.LblPrc->text();
    r.max = w.Mx().value();
    r.min = w.Mn().value();
    for (int d = 0; d < 10; ++d) {
        r.axisColors[d] = platform::foreColor(w.OsY[d]).name();
    }
    for (const platform::DrawOp& op : w.surface()->ops()) {
        if (op.kind != platform::DrawOp::Kind::Line) {
            continue;
        }
        if (r.curve.empty()) {
            r.curve.push_back(op.p1.toPoint());
        }
        r.curve.push_back(op.p2.toPoint());
    }
    for (int i = 0; i < 10; ++i) {
        for (int k = 0; k < 8; ++k) {
            const QLabel* cell = w.lblYear[k][i];
            r.years[i][k] = {cell->text(), !cell->isHidden()};
        }
    }
    const aspects::AspectSquare& square = *w.aspectSquare();
    for (int i = 0; i < 9; ++i) {
        Readback::Aspect& a = r.aspects[i];
        a.digit = i + 1;
        a.name = square.LblDat(i)->toolTip();
        a.present = !square.SDat(i)->isHidden();
        a.caption = square.LblSub(i)->text();
        a.level = square.LblSub(i)->isHidden() ? 0 : a.caption.toInt();
        a.root = square.rootIndex() == i;
    }
    for (int k = 0; k < 16; ++k) {
        r.segments[k] = !square.LineBon(k)->isHidden();
    }
    return r;
}

QJsonObject toJson(const Readback& r) {
    QJsonObject o;
    o[QStringLiteral("lifeNumber")] = static_cast<double>(r.lifeNumber);
    o[QStringLiteral("digits")] = r.digits;
    o[QStringLiteral("happiness")] = r.happiness;
    o[QStringLiteral("max")] = r.max;
    o[QStringLiteral("min")] = r.min;
    QJsonArray colors;
    for (const QString& c : r.axisColors) {
        colors.append(c);
    }
    o[QStringLiteral("axisColors")] = colors;
    QJsonArray curve;
    for (const QPoint& p : r.curve) {
        curve.append(QJsonArray{p.x(), p.y()});
    }
    o[QStringLiteral("curve")] = curve;
    QJsonArray years;
    for (const auto& row : r.years) {
        QJsonArray cells;
        for (const auto& cell : row) {
            cells.append(QJsonObject{{QStringLiteral("text"), cell.text},
                                     {QStringLiteral("visible"), cell.visible}});
        }
        years.append(cells);
    }
    o[QStringLiteral("years")] = years;
    QJsonArray aspects;
    for (const auto& a : r.aspects) {
        aspects.append(QJsonObject{{QStringLiteral("digit"), a.digit},
                                   {QStringLiteral("name"), a.name},
                                   {QStringLiteral("present"), a.present},
                                   {QStringLiteral("level"), a.level},
                                   {QStringLiteral("caption"), a.caption},
                                   {QStringLiteral("root"), a.root}});
    }
    o[QStringLiteral("aspects")] = aspects;
    QJsonArray segments;
    for (bool s : r.segments) {
        segments.append(s);
    }
    o[QStringLiteral("segments")] = segments;
    return o;
}

QString toText(const Readback& r) {
    QString t;
    t += QStringLiteral("Дата рождения: %1\n").arg(r.date);
    t += QStringLiteral("Число жизни: %1 (цифр: %2)\n").arg(r.lifeNumber).arg(r.digits);
    t += QStringLiteral("Процент счастья: %1\n").arg(r.happiness);
    t += QStringLiteral("Максимальный уровень жизненных сил: %1\n").arg(r.max);
    t += QStringLiteral("Минимальный уровень жизненных сил: %1\n").arg(r.min);
    t += QStringLiteral("Годы по цифрам числа жизни:\n");
    for (const auto& row : r.years) {
        QStringList cells;
        for (const auto& cell : row) {
            if (cell.visible) {
                cells << cell.text.rightJustified(5);
            }
        }
        t += cells.join(QString()) + u'\n';
    }
    t += QStringLiteral("Аспекты:\n");
    for (const auto& a : r.aspects) {
        t += QStringLiteral("  %1 %2: %3%4\n")
                 .arg(a.digit)
                 .arg(a.name)
                 .arg(a.present ? QStringLiteral("уровень %1").arg(a.level) : QStringLiteral("нет"))
                 .arg(a.root ? QStringLiteral(", корневая цифра") : QString());
    }
    return t;
}

}  // namespace ui
