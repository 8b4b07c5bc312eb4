#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "book/client_book.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace platform {
class Services;
}

namespace ui {

// «Удалённые клиенты»: the book's bin. Every client deleted in the last
// thirty days, with their history and card, and every row set aside from a
// copy or an older book with the reason; the chosen ones are brought back
// (Enter) or removed for good (Delete, after asking).
class BinWindow : public QDialog {
    Q_OBJECT

public:
    BinWindow(book::ClientBook& book, platform::Services& services, QWidget* parent = nullptr);

    // Asks before removing for good; true means go ahead.
    using Confirm = std::function<bool(QWidget* parent, const QString& question)>;
    void setConfirm(Confirm confirm) { confirm_ = std::move(confirm); }

    QTableWidget* table() const { return table_; }
    QPushButton* bringBackButton() const { return bringBack_; }
    QPushButton* removeButton() const { return remove_; }

    // Reads the bin again.
    void reload();
    void bringBackChosen();
    void removeChosen();

private:
    std::vector<qint64> chosenIds() const;
    void updateState();

    book::ClientBook& book_;
    platform::Services& services_;
    QTableWidget* table_;
    QLabel* empty_;
    QPushButton* bringBack_;
    QPushButton* remove_;
    Confirm confirm_;
    std::vector<book::ClientBook::BinEntry> entries_;
};

}  // namespace ui
