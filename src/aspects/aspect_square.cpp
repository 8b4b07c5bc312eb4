#include "aspects/aspect_square.h"

#include <QLocale>
#include <QPalette>

#include "aspects/aspect_table.h"
#include "platform/fonts.h"

namespace aspects {

namespace {

QPoint toQPoint(PointTw p) {
    return {p.x, p.y};
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

AspectSquare::AspectSquare(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame2"));
    setFrameShape(QFrame::NoFrame);
    setGeometry(kFrame2.toPx());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWindowColour);
    setPalette(pal);
    setAccessibleName(QStringLiteral("Квадрат аспектов"));

    // Creation order is stacking order: outline, segments and circles below,
    // then the counters and the digits, which alone take the mouse (tooltips).
    shape2_ = new platform::OutlineShape(this, platform::OutlineShape::Kind::RoundedRectangle,
                                         kShape2, kShapeBorder, kShapeBorderPx);
    shape2_->setObjectName(QStringLiteral("Shape2"));

    for (int k = 0; k < kSegmentCount; ++k) {
        const Segment& s = kSegments[at(k)];
        auto* line = new platform::LineControl(this, toQPoint(s.from), toQPoint(s.to),
                                               kSegmentColour, kSegmentPx);
        line->setObjectName(QStringLiteral("LineBon%1").arg(k));
        line->hide();
        lineBon_[at(k)] = line;
    }

    const QFont digitFont = platform::uiFont(platform::Face::Arial, kDigitPoints, true);
    const QFont counterFont = platform::uiFont(platform::Face::Arial, kCounterPoints, true);
    for (const Aspect& a : kAspects) {
        auto* circle = new platform::OutlineShape(this, platform::OutlineShape::Kind::Circle,
                                                  a.circle, kCircleBorder, kCircleBorderPx);
        circle->setObjectName(QStringLiteral("SDat%1").arg(a.index));
        circle->hide();
        sdat_[at(a.index)] = circle;
    }
    for (const Aspect& a : kAspects) {
        auto* counter = new QLabel(QStringLiteral("0"), this);
        counter->setObjectName(QStringLiteral("LblSub%1").arg(a.index));
        counter->setGeometry(a.counter.toPx());
        counter->setFont(counterFont);
        counter->setAutoFillBackground(true);  // hides the circle's outline beneath it
        counter->setToolTip(a.name.toString());
        counter->hide();
        lblSub_[at(a.index)] = counter;

        auto* digit = new QLabel(QString::number(a.digit), this);
        digit->setObjectName(QStringLiteral("LblDat%1").arg(a.index));
        digit->setGeometry(a.digitLabel.toPx());
        digit->setFont(digitFont);
        digit->setAlignment(Qt::AlignCenter);
        digit->setAutoFillBackground(false);  // the circle shows around the digit
        digit->setToolTip(a.name.toString());
        lblDat_[at(a.index)] = digit;

        setDigitColour(a.index, kDigitColour);
        updateAccessibleName(a.index);
    }
}

void AspectSquare::ClearZn() {
    shown_.fill({});
    for (int i = 0; i < kSegmentCount; ++i) {
        if (i < kAspectCount) {
            SDat(i)->hide();
            setDigitColour(i, kDigitColour);
            LblSub(i)->hide();
        }
        LineBon(i)->hide();
    }
    for (int i = 0; i < kAspectCount; ++i) {
        updateAccessibleName(i);
    }
}

void AspectSquare::showAspects(const core::Forecast& forecast) {
    ClearZn();
    shown_ = forecast.aspects;
    for (int i = 0; i < kAspectCount; ++i) {
        const core::AspectValue& a = shown_[at(i)];
        SDat(i)->setVisible(a.present);
        LblSub(i)->setVisible(a.present);
        LblSub(i)->setText(QString::number(a.level));
        if (a.root) {
            setDigitColour(i, kRootColour);
        }
        updateAccessibleName(i);
    }
    for (int k = 0; k < kSegmentCount; ++k) {
        LineBon(k)->setVisible(forecast.segments[at(k)]);
    }
}

void AspectSquare::setDigitColour(int i, const QColor& colour) {
    QLabel* digit = LblDat(i);
    QPalette pal = digit->palette();
    pal.setColor(QPalette::WindowText, colour);
    digit->setPalette(pal);
}

// The colour and the small counter mean nothing to a screen reader, so the
// digit and its counter speak the aspect's state in words.
void AspectSquare::updateAccessibleName(int i) {
    const Aspect& a = kAspects[at(i)];
    const core::AspectValue& v = shown_[at(i)];
    QString text = a.name.toString() + QStringLiteral(": ");
    text += v.present ? QStringLiteral("уровень %1").arg(v.level) : QStringLiteral("нет");
    if (v.root) {
        text += QStringLiteral(", корневая цифра");
    }
    LblDat(i)->setAccessibleName(text);
    LblSub(i)->setAccessibleName(text);
}

}  // namespace aspects
