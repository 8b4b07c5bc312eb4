#include "aspects/aspect_square.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <functional>

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

bool choosesAspect(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Space) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A digit of the square: a click, or Enter or Space while it has the keyboard
// focus, chooses its aspect. The window's own Enter (which presses «Расчёт»)
// must not take the key away from a digit that has the focus.
class AspectDigit : public QLabel {
public:
    AspectDigit(const QString& text, QWidget* parent, std::function<void()> choose,
                std::function<void(bool)> focused)
        : QLabel(text, parent), choose_(std::move(choose)), focused_(std::move(focused)) {
        setFocusPolicy(Qt::TabFocus);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride && choosesAspect(static_cast<QKeyEvent*>(e))) {
            e->accept();
            return true;
        }
        return QLabel::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (choosesAspect(e)) {
            choose_();
            return;
        }
        QLabel::keyPressEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
            choose_();
        }
    }
    void focusInEvent(QFocusEvent* e) override {
        QLabel::focusInEvent(e);
        focused_(true);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLabel::focusOutEvent(e);
        focused_(false);
    }

private:
    std::function<void()> choose_;
    std::function<void(bool)> focused_;
};

// The dotted square round the digit that has the keyboard focus: the digit's
// own label is too narrow to hold a focus mark beside the figure.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter p(this);
        p.setPen(QPen(kDigitColour, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// Room between a circle and the focus frame round it, in pixels.
constexpr int kFocusMargin = 2;

}  // namespace

AspectSquare::AspectSquare(QWidget* parent, core::ReportLanguage names)
    : QFrame(parent), names_(names) {
    setObjectName(QStringLiteral("Frame2"));
    setFrameShape(QFrame::NoFrame);
    setGeometry(kSquarePlace.toPx());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWindowColour);
    setPalette(pal);
    setAccessibleName(tr("Квадрат аспектов"));

    // Creation order is stacking order: outline, segments, circles and the
    // focus frame below, then the counters and the digits, which alone take
    // the mouse (tooltips, clicks).
    outline_ = new platform::OutlineShape(this, platform::OutlineShape::Kind::RoundedRectangle,
                                          kOutline, kShapeBorder, kShapeBorderPx);
    outline_->setObjectName(QStringLiteral("Shape2"));
    buildSegmentsAndCircles();
    buildDigits();
}

void AspectSquare::buildSegmentsAndCircles() {
    for (int k = 0; k < kSegmentCount; ++k) {
        const Segment& s = kSegments[at(k)];
        auto* line = new platform::LineControl(this, toQPoint(s.from), toQPoint(s.to),
                                               kSegmentColour, kSegmentPx);
        line->setObjectName(QStringLiteral("LineBon%1").arg(k));
        line->hide();
        segments_[at(k)] = line;
    }

    for (const Aspect& a : kAspects) {
        auto* ring = new platform::OutlineShape(this, platform::OutlineShape::Kind::Circle,
                                                a.circle, kCircleBorder, kCircleBorderPx);
        ring->setObjectName(QStringLiteral("SDat%1").arg(a.index));
        ring->hide();
        circles_[at(a.index)] = ring;
    }
    focusFrame_ = new FocusFrame(this);
    focusFrame_->setObjectName(QStringLiteral("FocusFrame"));
}

// The counters and the digits, above everything else: they alone take the mouse.
void AspectSquare::buildDigits() {
    const QFont digitFont = platform::uiFont(platform::Face::Arial, kDigitPoints, true);
    const QFont counterFont = platform::uiFont(platform::Face::Arial, kCounterPoints, true);
    for (const Aspect& a : kAspects) {
        auto* level = new QLabel(QStringLiteral("0"), this);
        level->setObjectName(QStringLiteral("LblSub%1").arg(a.index));
        level->setGeometry(a.counter.toPx());
        level->setFont(counterFont);
        level->setAutoFillBackground(true);  // hides the circle's outline beneath it
        level->hide();
        counters_[at(a.index)] = level;

        auto* digit = new AspectDigit(
            QString::number(a.digit), this, [this, d = a.digit] { emit aspectChosen(d); },
            [this, i = a.index](bool focused) { showFocusAround(i, focused); });
        digit->setObjectName(QStringLiteral("LblDat%1").arg(a.index));
        digit->setGeometry(a.digitLabel.toPx());
        digit->setFont(digitFont);
        digit->setAlignment(Qt::AlignCenter);
        digit->setAutoFillBackground(false);  // the circle shows around the digit
        digitLabels_[at(a.index)] = digit;

        setDigitColour(a.index, kDigitColour);
        updateAccessibleName(a.index);
    }
    for (int i = 1; i < kAspectCount; ++i) {
        setTabOrder(digitLabel(i - 1), digitLabel(i));
    }
}

void AspectSquare::showFocusAround(int i, bool focused) {
    if (focused) {
        const int m = kFocusMargin;
        focusFrame_->setGeometry(kAspects[at(i)].circle.toPx().adjusted(-m, -m, m, m));
    }
    focusFrame_->setVisible(focused);
}

void AspectSquare::clear() {
    shown_.fill({});
    for (int i = 0; i < kSegmentCount; ++i) {
        if (i < kAspectCount) {
            circle(i)->hide();
            setDigitColour(i, kDigitColour);
            counter(i)->hide();
        }
        segment(i)->hide();
    }
    for (int i = 0; i < kAspectCount; ++i) {
        updateAccessibleName(i);
    }
}

void AspectSquare::showAspects(const core::Forecast& forecast) {
    clear();
    shown_ = forecast.aspects;
    for (int i = 0; i < kAspectCount; ++i) {
        const core::AspectValue& a = shown_[at(i)];
        circle(i)->setVisible(a.present);
        counter(i)->setVisible(a.present);
        counter(i)->setText(QString::number(a.level));
        if (a.root) {
            setDigitColour(i, kRootColour);
        }
        updateAccessibleName(i);
    }
    for (int k = 0; k < kSegmentCount; ++k) {
        segment(k)->setVisible(forecast.segments[at(k)]);
    }
}

void AspectSquare::setDigitColour(int i, const QColor& colour) {
    QLabel* digit = digitLabel(i);
    QPalette pal = digit->palette();
    pal.setColor(QPalette::WindowText, colour);
    digit->setPalette(pal);
}

// The colour and the small counter mean nothing to a screen reader, so the
// digit and its counter speak the aspect's state in words; the tooltip adds
// what the aspect stands for.
void AspectSquare::updateAccessibleName(int i) {
    const Aspect& a = kAspects[at(i)];
    const core::AspectValue& v = shown_[at(i)];
    const QString state = v.present ? tr("уровень %1").arg(v.level) : tr("нет");
    QString text = QStringLiteral("%1: %2").arg(core::aspectName(names_, a.digit), state);
    if (v.root) {
        text += tr(", корневая цифра");
    }
    const QString meaning = tr(kAspectMeanings[at(i)].data());
    for (QLabel* label : {digitLabel(i), counter(i)}) {
        label->setAccessibleName(text);
        label->setAccessibleDescription(meaning);
        label->setToolTip(text + u'\n' + meaning);
    }
}

}  // namespace aspects
