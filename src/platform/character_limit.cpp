#include "platform/character_limit.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QValidator>
#include <algorithm>
#include <vector>

#include "core/client_names.h"

namespace platform {

namespace {

// Where each character of `text` begins, and its end.
std::vector<qsizetype> characterBounds(const QString& text) {
    std::vector<qsizetype> bounds{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        bounds.push_back(at);
    }
    return bounds;
}

// `text` within `limit` characters. What came in last ends at the cursor, so
// the characters over the limit go from just before it, and the cursor stays
// where the kept part of the edit ends; the text after the cursor stays too.
// When there is too little before the cursor (a long text set at once), the
// first `limit` characters stay.
QString withinLimit(const QString& text, int limit, int& cursor) {
    const std::vector<qsizetype> bounds = characterBounds(text);
    const auto excess = static_cast<qsizetype>(bounds.size()) - 1 - limit;
    if (excess <= 0) {
        return text;
    }
    const qsizetype before =
        std::upper_bound(bounds.begin(), bounds.end(), cursor) - bounds.begin() - 1;
    QString kept;
    if (before >= excess) {
        const qsizetype from = bounds[static_cast<size_t>(before - excess)];
        kept = text.left(from) + text.mid(bounds[static_cast<size_t>(before)]);
        cursor = static_cast<int>(from);
    } else {
        kept = text.left(bounds[static_cast<size_t>(limit)]);
    }
    // Parts joined anew may pair differently (two halves of flags): recount.
    kept = core::leadingCharacters(kept, limit);
    cursor = std::min(cursor, static_cast<int>(kept.size()));
    return kept;
}

class CharacterLimit : public QValidator {
public:
    CharacterLimit(QLineEdit* box, int limit)
        : QValidator(box), box_(box), limit_(limit), accepted_(box->text()) {}

    State validate(QString& input, int& pos) const override {
        if (core::visibleLength(input) > limit_) {
            const QString kept = withinLimit(input, limit_, pos);
            // Nothing of the edit fits: refused, the box takes it back by
            // itself and its undo history stays as it was.
            if (kept == accepted_ && box_->isUndoAvailable()) {
                return Invalid;
            }
            input = kept;
        }
        accepted_ = input;
        return Acceptable;
    }

private:
    QLineEdit* box_;  // the parent
    int limit_;
    mutable QString accepted_;  // the box's text after the last edit it took
};

}  // namespace

void limitCharacters(QLineEdit* box, int limit) {
    box->setValidator(new CharacterLimit(box, limit));
    if (core::visibleLength(box->text()) > limit) {
        box->setText(core::leadingCharacters(box->text(), limit));
    }
}

}  // namespace platform
