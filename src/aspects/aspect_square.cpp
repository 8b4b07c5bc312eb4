#include "aspects/aspect_square.h"

#include <QLocale>
#include <QPalette>

#include "aspects/aspect_table.h"
#include "core/numeric.h"
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

void AspectSquare::Dobavl(int NumDl) {
    if (NumDl <= 0 || NumDl >= 10) {
        return;
    }
    const int i = NumDl - 1;
    if (SDat(i)->isHidden()) {
        SDat(i)->show();
    }
    QLabel* counter = LblSub(i);
    if (!counter->isHidden()) {
        const core::Byte next = core::toByte(counter->text(), QLocale::c()) + core::Byte::of(1);
        counter->setText(core::decimal(next));
    } else {
        // Whatever an earlier calculation left in the hidden caption is stale.
        counter->show();
        counter->setText(QStringLiteral("1"));
    }
    updateAccessibleName(i);
}

void AspectSquare::bon(std::array<bool, 8>& BonDone) {
    int j = 0;
    while (j < kBonusLineCount) {
        const BonusLine& line = kBonusLines[at(j)];
        bool complete = true;
        for (int d : line.digits) {
            complete = complete && !SDat(d - 1)->isHidden();
        }
        if (complete) {
            for (int k : line.segments) {
                LineBon(k)->show();
            }
            if (!BonDone[at(j)]) {
                Dobavl(line.bonusDigit);
                BonDone[at(j)] = true;
                // The step may have completed a line already passed.
                j = 0;
                continue;
            }
        }
        ++j;
    }
}

void AspectSquare::markRoot(int i) {
    setDigitColour(i, kRootColour);
    updateAccessibleName(i);
}

int AspectSquare::level(int i) const {
    const QLabel* counter = LblSub(i);
    if (counter->isHidden()) {
        return 0;
    }
    return core::toByte(counter->text(), QLocale::c()).value();
}

int AspectSquare::rootIndex() const {
    for (int i = 0; i < kAspectCount; ++i) {
        if (LblDat(i)->palette().color(QPalette::WindowText) == kRootColour) {
            return i;
        }
    }
    return -1;
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
    const int l = level(i);
    QString text = a.name.toString() + QStringLiteral(": ");
    text += l > 0 ? QStringLiteral("уровень %1").arg(l) : QStringLiteral("нет");
    if (LblDat(i)->palette().color(QPalette::WindowText) == kRootColour) {
        text += QStringLiteral(", корневая цифра");
    }
    LblDat(i)->setAccessibleName(text);
    LblSub(i)->setAccessibleName(text);
}

}  // namespace aspects
