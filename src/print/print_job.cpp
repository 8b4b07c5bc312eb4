#include "print/print_job.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

#include "core/errors.h"
#include "core/program_info.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "platform/services.h"
#include "print/frm_prn.h"

namespace print {

namespace {

// Printers are asked for this many dots per inch; the graph's pen width is
// counted in these dots.
constexpr int kPrinterDpi = 600;

QString clientName(const QString& surname, const QString& name, const QString& patronymic) {
    return QStringList{surname.trimmed(), name.trimmed(), patronymic.trimmed()}
        .filter(QRegularExpression(QStringLiteral("\\S")))
        .join(QLatin1Char(' '));
}

QString documentTitle(const QString& surname, const QString& name, const QString& patronymic) {
    const QString client = clientName(surname, name, patronymic);
    return client.isEmpty() ? info::programName()
                            : info::programName() + QStringLiteral(": ") + client;
}

// A surname as part of a file name: characters that file systems refuse or
// that would change the folder become underscores.
QString fileNamePart(const QString& text) {
    QString part = text.trimmed();
    for (QChar& c : part) {
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    return part;
}

}  // namespace

QString askPdfFileName(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, QStringLiteral("Сохранить отчёт в файл PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Документ PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QFileInfo(suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(suggestedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString suggestedPdfPath(const QString& surname, const QDate& date) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    QStringList parts{QStringLiteral("Прогноз")};
    const QString client = fileNamePart(surname);
    if (!client.isEmpty()) {
        parts << client;
    }
    parts << date.toString(Qt::ISODate);
    return QDir(folder).filePath(parts.join(QStringLiteral(" - ")) + QStringLiteral(".pdf"));
}

PrintDelivery::PrintDelivery(platform::Services& services, QWidget* parent)
    : services_(services),
      parent_(parent),
      ask_(askPdfFileName),
      find_(QPrinterInfo::defaultPrinter) {}

PrintDelivery::Outcome PrintDelivery::run(ReportSource& w, const QString& surname,
                                          const QString& name, const QString& patronymic) {
    try {
        const QPrinterInfo printer = find_ ? find_() : QPrinterInfo();
        if (!printer.isNull()) {
            return toPrinter(printer, w, surname, name, patronymic);
        }
        return toFile(w, surname, name, patronymic);
    } catch (const core::InputRefused&) {
        // The calculation has shown its own message; nothing is printed.
        return Outcome::Failed;
    } catch (const core::RuntimeError& error) {
        fail(error.stoppedMessage() + QStringLiteral(" Отчёт не напечатан."));
        return Outcome::Failed;
    }
}

PrintDelivery::Outcome PrintDelivery::toPrinter(const QPrinterInfo& info, ReportSource& w,
                                                const QString& surname, const QString& name,
                                                const QString& patronymic) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setResolution(kPrinterDpi);
    printer.setDocName(documentTitle(surname, name, patronymic));
    platform::PrinterPage page(platform::printableWidthTw(printer), printer.resolution());
    page.setSink([&printer](const platform::PrinterPage& p) {
        return platform::renderToPrinter(p, printer);
    });
    if (!PrintReport(w, page, surname, name, patronymic, clock_)) {
        fail(QStringLiteral("Не удалось напечатать отчёт на принтере «%1». Проверьте, что "
                            "принтер включён и готов к работе.")
                 .arg(info.printerName()));
        return Outcome::Failed;
    }
    return Outcome::Printed;
}

PrintDelivery::Outcome PrintDelivery::toFile(ReportSource& w, const QString& surname,
                                             const QString& name, const QString& patronymic) {
    const QDate today = (clock_ ? clock_() : QDateTime::currentDateTime()).date();
    const QString path = ask_ ? ask_(parent_, suggestedPdfPath(surname, today)) : QString();
    if (path.isEmpty()) {
        return Outcome::Cancelled;
    }
    platform::PrinterPage page(platform::pdfPrintableWidthTw(), kPrinterDpi);
    const QString title = documentTitle(surname, name, patronymic);
    page.setSink([&path, &title](const platform::PrinterPage& p) {
        return platform::writePdf(p, path, title);
    });
    if (!PrintReport(w, page, surname, name, patronymic, clock_)) {
        fail(QStringLiteral("Не удалось сохранить отчёт в файл «%1». Проверьте, что папка "
                            "существует и в неё разрешена запись.")
                 .arg(QDir::toNativeSeparators(path)));
        return Outcome::Failed;
    }
    return Outcome::Saved;
}

void PrintDelivery::fail(const QString& text) {
    services_.message(parent_, {text, info::programName(), platform::MessageIcon::Critical, 0});
}

bool printReportToPdf(ReportSource& w, const QString& path, const QString& surname,
                      const QString& name, const QString& patronymic, const Clock& clock) {
    platform::PrinterPage page(platform::pdfPrintableWidthTw(), kPrinterDpi);
    const QString title = documentTitle(surname, name, patronymic);
    page.setSink([&path, &title](const platform::PrinterPage& p) {
        return platform::writePdf(p, path, title);
    });
    return PrintReport(w, page, surname, name, patronymic, clock);
}

void showPrintDialog(QWidget* owner, ReportSource& w, platform::Services& services,
                     const std::function<void(PrintDelivery&)>& setup) {
    FrmPrn* dialog = nullptr;
    FrmPrn frmPrn(owner,
                  [&](const QString& surname, const QString& name, const QString& patronymic) {
                      // Messages and the file chooser stand over the dialog, which stays
                      // open while the report is made.
                      PrintDelivery delivery(services, dialog);
                      if (setup) {
                          setup(delivery);
                      }
                      const auto outcome = delivery.run(w, surname, name, patronymic);
                      return outcome != PrintDelivery::Outcome::Failed;  // else stay open
                  });
    dialog = &frmPrn;
    frmPrn.exec();
}

}  // namespace print
