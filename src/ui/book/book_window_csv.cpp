// The book window's exchange with spreadsheets: the export, and the import
// with its progress and its account of the rows left out.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <algorithm>

#include "book/client_book.h"
#include "platform/services.h"
#include "print/save_place.h"
#include "ui/book/book_model.h"
#include "ui/book/book_window.h"

namespace ui {

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kMaxBadRowsShown = 20;

}  // namespace

void BookWindow::withProgress(const QString& text, const QString& title,
                              const std::function<void(const Progress&)>& read) {
    // A short read is done before the window would appear.
    QProgressDialog progress(text, tr("Отмена"), 0, kProgressSteps, this);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    read([&](qint64 done, qint64 total) {
        progress.setValue(
            total > 0 ? int(std::clamp<qint64>(done * kProgressSteps / total, 0, kProgressSteps))
                      : 0);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
}

book::ImportReport BookWindow::importWithProgress(const QString& file) {
    book::ImportReport report;
    withProgress(tr("Чтение файла «%1»…").arg(QFileInfo(file).fileName()), tr("Импорт из CSV"),
                 [&](const Progress& progress) { report = book_.importCsv(file, progress); });
    return report;
}

void BookWindow::exportBook() {
    if (!book_.isOpen() || !askFile_) {
        return;
    }
    const QString file = askFile_(this, true);
    if (file.isEmpty()) {
        return;
    }
    QString error;
    if (!book_.exportCsv(file, &error, exportFormat_)) {
        tell(error, platform::MessageIcon::Critical);
        return;
    }
    print::rememberSaveFolder(print::SavedFile::BookCsv, file);
    tell(tr("Картотека сохранена в файл «%1»: клиентов %n.", nullptr, model_->clientCount())
             .arg(QDir::toNativeSeparators(file)),
         platform::MessageIcon::Information);
}

void BookWindow::importBook() {
    if (!book_.isOpen() || !askFile_) {
        return;
    }
    const QString file = askFile_(this, false);
    if (file.isEmpty()) {
        return;
    }
    const book::ImportReport report = importWithProgress(file);
    if (report.cancelled) {
        tell(tr("Импорт из файла «%1» отменён: в картотеку ничего не добавлено.")
                 .arg(QDir::toNativeSeparators(file)),
             platform::MessageIcon::Information);
        return;
    }
    if (!report.done) {
        tell(report.error, platform::MessageIcon::Critical);
        return;
    }
    QString text = tr("Из файла «%1» добавлено клиентов: %n.", nullptr, report.added)
                       .arg(QDir::toNativeSeparators(file));
    if (report.alreadyThere > 0) {
        text += u'\n' + tr("Уже были в картотеке: %n.", nullptr, report.alreadyThere);
    }
    if (!report.badRows.empty()) {
        text += QStringLiteral("\n\n") +
                tr("Не загружены строки с ошибками (%n):", nullptr, int(report.badRows.size()));
        int listed = 0;
        for (const auto& [line, problem] : report.badRows) {
            if (listed++ == kMaxBadRowsShown) {
                text += u'\n' +
                        tr("…и ещё %n.", nullptr, int(report.badRows.size()) - kMaxBadRowsShown);
                break;
            }
            text += u'\n' + tr("строка %1: %2").arg(QString::number(line), problem);
        }
    }
    // Some rows left out: a warning, the rest went in.
    tell(text, report.badRows.empty() ? platform::MessageIcon::Information
                                      : platform::MessageIcon::Warning);
}

}  // namespace ui
