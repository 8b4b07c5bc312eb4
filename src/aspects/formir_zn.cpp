#include "aspects/formir_zn.h"

#include "core/checked.h"
#include "core/errors.h"
#include "core/numeric.h"

namespace aspects {

namespace {

int digitValue(QChar c) {
    return c.unicode() - u'0';
}

}  // namespace

bool isDigitString(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

int rootDigit(const QString& digits) {
    // Checked before the square is touched: a sign, a decimal separator or an
    // exponent that the year box let through must not leave half a square.
    if (!isDigitString(digits)) {
        throw core::RuntimeError(core::RuntimeError::Kind::TypeMismatch);
    }
    core::Int32 total = core::Int32::of(0);
    for (QChar c : digits) {
        total += core::Int32::of(digitValue(c));
    }
    QString text = core::decimal(total);
    while (text.size() > 1) {
        total =
            core::Int32::of(digitValue(text.front())) + core::Int32::of(digitValue(text.back()));
        text = core::decimal(total);
    }
    return total.value();
}

void FormirZn(AspectSquare& square, core::WindowState& state, QString ObNum) {
    const int root = rootDigit(ObNum);

    state.Ob = QStringLiteral("0");
    square.ClearZn();
    for (QChar c : ObNum) {
        square.Dobavl(digitValue(c));  // a zero adds no step
    }
    square.Dobavl(root);
    // A string of zeros has root 0, which no aspect owns.
    if (root >= 1) {
        square.markRoot(root - 1);
    }
    square.bon(state.BonDone);
}

}  // namespace aspects
