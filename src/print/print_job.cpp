#include "print/print_job.h"

#include <QCoreApplication>

#include <memory>

#include "core/errors.h"
#include "core/program_info.h"
#include "platform/safe_file.h"
#include "platform/services.h"
#include "print/frm_prn.h"
#include "print/language_box.h"
#include "print/report.h"
#include "print/save_place.h"

namespace print {

namespace {

QString documentTitle(const core::ClientNames& client) {
    const QString names = core::fullName(client);
    return names.isEmpty() ? info::programName()
                           : info::programName() + QStringLiteral(": ") + names;
}

}  // namespace

OnePageComposer reportComposer(const core::Forecast& forecast, const core::ClientNames& client,
                               core::ReportLanguage language) {
    DocumentFacts facts;
    facts.title = documentTitle(client);
    facts.printedWhat = QCoreApplication::translate("print::PrintJob", "отчёт");
    facts.saveTitle = QCoreApplication::translate("print::PrintJob", "Сохранить отчёт в файл PDF");
    facts.folder = SavedFile::ReportPdf;
    facts.suggestedPath = suggestedPdfPath(client, forecast.date);
    facts.withoutLogo =
        QCoreApplication::translate("print::PrintJob", "Отчёт печатается без логотипа.");
    facts.noPages = QCoreApplication::translate("print::PrintJob", "отчёт не составлен");
    return OnePageComposer(
        std::move(facts),
        [forecast, client, language](platform::PrinterPage& page, const PageContext& at) {
            composeReport(page, forecast, client, at.madeAt, at.letterhead, language);
        });
}

PrintDelivery::Outcome PrintDelivery::run(const ForecastSource& source,
                                          const core::ClientNames& client) {
    return run(ReportTarget::Printout, source, client);
}

// The forecast comes first: the file's name carries the date of birth, and a
// refused date asks for no file at all.
PrintDelivery::Outcome PrintDelivery::run(ReportTarget target, const ForecastSource& source,
                                          const core::ClientNames& client,
                                          core::ReportLanguage language) {
    try {
        OnePageComposer report = reportComposer(source(), client, language);
        return deliver(report, target);
    } catch (const core::InputRefused&) {
        // The calculation has shown its own message; nothing is printed.
        return Outcome::Failed;
    } catch (const core::RuntimeError& error) {
        services_.message(
            parent_, {error.stoppedMessage() + u' ' +
                          QCoreApplication::translate("print::PrintJob", "Отчёт не напечатан."),
                      info::programName(), platform::MessageIcon::Critical, 0});
        return Outcome::Failed;
    }
}

QString printReportToPdf(const core::Forecast& forecast, const QString& path,
                         const core::ClientNames& client, const QDateTime& madeAt,
                         const std::optional<Letterhead>& letterhead,
                         core::ReportLanguage language) {
    OnePageComposer report = reportComposer(forecast, client, language);
    return writePdfFile(report, path, quietContext(madeAt, letterhead)).error;
}

void showPrintDialog(QWidget* owner, const ForecastSource& source, platform::Services& services,
                     const std::function<void(PrintDelivery&)>& setup, ReportTarget target,
                     const core::ClientNames& client, const ReportDelivered& delivered,
                     std::optional<core::ReportLanguage> language) {
    FrmPrn* dialog = nullptr;
    std::unique_ptr<PrintDelivery> delivery;
    FrmPrn frmPrn(owner, [&](const core::ClientNames& typed) {
        // A name that would print mirrored or break the page's lines is
        // refused here as the book and the companion refuse it.
        if (const QString problem = core::clientNamesProblem(typed); !problem.isEmpty()) {
            services.message(dialog,
                             {problem, info::programName(), platform::MessageIcon::Warning, 0});
            return false;
        }
        const auto outcome = delivery->run(target, source, typed, dialog->language());
        const bool wentOut =
            outcome == PrintDelivery::Outcome::Printed || outcome == PrintDelivery::Outcome::Saved;
        if (wentOut) {
            rememberReportLanguage(dialog->language());
        }
        if (wentOut && delivered) {
            delivered(typed, dialog->language(), outcome, dialog->rememberClient(),
                      outcome == PrintDelivery::Outcome::Saved ? delivery->savedPath() : QString());
        }
        return outcome != PrintDelivery::Outcome::Failed;  // else stay open
    });
    dialog = &frmPrn;
    // Messages and the file chooser stand over the dialog, which stays open
    // while the report is made.
    delivery = std::make_unique<PrintDelivery>(services, dialog);
    if (setup) {
        setup(*delivery);
    }
    frmPrn.setCommandText(delivery->commandText(target));
    frmPrn.setClientNames(client);
    if (language) {
        frmPrn.setLanguage(*language);
    }
    frmPrn.exec();
}

}  // namespace print
