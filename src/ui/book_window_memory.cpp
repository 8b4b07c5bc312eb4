#include "ui/book_window_memory.h"

#include <QEvent>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QWidget>
#include <algorithm>

#include "platform/services.h"

namespace ui {

namespace {

const QString kGeometryKey = QStringLiteral("book/geometry");
const QString kColumnsKey = QStringLiteral("book/columns");

// A title bar and borders, for a window not yet framed by the desktop.
constexpr QMargins kAssumedFrame(8, 32, 8, 8);

// The settings file keeps text: the window's and the columns' states go in as base64.
QByteArray bytesOf(const QString& key) {
    return QByteArray::fromBase64(platform::userSettings().value(key).toString().toLatin1());
}

}  // namespace

QRect fitWithin(const QRect& wanted, const QRect& available, const QMargins& frame) {
    const QRect inner = available.marginsRemoved(frame);
    QRect placed(wanted.topLeft(), wanted.size().boundedTo(inner.size()));
    placed.moveLeft(std::clamp(placed.left(), inner.left(), inner.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), inner.top(), inner.bottom() - placed.height() + 1));
    return placed;
}

BookWindowMemory::BookWindowMemory(QWidget* window, QTableView* table)
    : QObject(window), window_(window), table_(table) {
    QHeaderView* header = table_->horizontalHeader();
    const QByteArray columns = bytesOf(kColumnsKey);
    if (!columns.isEmpty() && header->restoreState(columns)) {
        table_->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
    }
    // The sort is the user's choice the moment it is made.
    connect(header, &QHeaderView::sortIndicatorChanged, this, [this] { save(); });
    window_->installEventFilter(this);
}

bool BookWindowMemory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Show) {
            if (!restored_) {
                restored_ = true;
                window_->restoreGeometry(bytesOf(kGeometryKey));
            }
            fitToScreen();
        } else if (event->type() == QEvent::Hide) {
            save();
        }
    }
    return QObject::eventFilter(watched, event);
}

void BookWindowMemory::save() const {
    platform::UserSettings settings = platform::userSettings();
    settings.setValue(kGeometryKey, QString::fromLatin1(window_->saveGeometry().toBase64()));
    settings.setValue(kColumnsKey,
                      QString::fromLatin1(table_->horizontalHeader()->saveState().toBase64()));
}

void BookWindowMemory::fitToScreen() {
    const QScreen* screen = window_->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect frameNow = window_->frameGeometry();
    const QRect inside = window_->geometry();
    QMargins frame(inside.left() - frameNow.left(), inside.top() - frameNow.top(),
                   frameNow.right() - inside.right(), frameNow.bottom() - inside.bottom());
    if (frame.isNull()) {
        frame = kAssumedFrame;
    }
    const QRect fitted = fitWithin(inside, screen->availableGeometry(), frame);
    if (fitted != inside) {
        window_->setGeometry(fitted);
    }
}

}  // namespace ui
