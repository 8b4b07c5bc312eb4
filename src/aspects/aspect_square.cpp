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
    // The square paints the digit; the control only takes the focus, the
    // mouse and the tooltip over it.
    void paintEvent(QPaintEvent* /*event*/) override {}
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
    setAccessibleName(tr("Квадрат аспектов"));
    focusFrame_ = new FocusFrame(this);
    focusFrame_->setObjectName(QStringLiteral("FocusFrame"));
    buildDigits();
}

// The digits, over the focus frame: they alone take the mouse.
void AspectSquare::buildDigits() {
    const QFont digitFont = platform::uiFont(platform::Face::Arial, kDigitPoints, true);
    for (const Aspect& a : kAspects) {
        auto* digit = new AspectDigit(
            QString::number(a.digit), this, [this, d = a.digit] { emit aspectChosen(d); },
            [this, i = a.index](bool focused) { showFocusAround(i, focused); });
        digit->setObjectName(QStringLiteral("LblDat%1").arg(a.index));
        digit->setGeometry(a.digitLabel.toPx());
        digit->setFont(digitFont);
        digit->setAlignment(Qt::AlignCenter);
        digitLabels_[at(a.index)] = digit;
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
    shown_ = {};
    for (int i = 0; i < kAspectCount; ++i) {
        updateAccessibleName(i);
    }
    update();
}

void AspectSquare::showAspects(const core::Forecast& forecast) {
    shown_ = SquareLevels::of(forecast);
    for (int i = 0; i < kAspectCount; ++i) {
        updateAccessibleName(i);
    }
    update();
}

void AspectSquare::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintSquare(painter, QRectF(rect()), shown_, kWindowColour);
}

// The colour and the small counter mean nothing to a screen reader, so the
// digit speaks the aspect's state in words; the tooltip adds what the aspect
// stands for.
void AspectSquare::updateAccessibleName(int i) {
    const Aspect& a = kAspects[at(i)];
    const core::AspectValue& v = shown_.aspects[at(i)];
    const QString state = v.present ? tr("уровень %1").arg(v.level) : tr("нет");
    QString text = QStringLiteral("%1: %2").arg(core::aspectName(names_, a.digit), state);
    if (v.root) {
        text += tr(", корневая цифра");
    }
    const QString meaning = tr(kAspectMeanings[at(i)].data());
    QLabel* digit = digitLabel(i);
    digit->setAccessibleName(text);
    digit->setAccessibleDescription(meaning);
    digit->setToolTip(text + u'\n' + meaning);
}

}  // namespace aspects
