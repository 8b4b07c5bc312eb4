#include "print/many_reports.h"

#include <QCoreApplication>

#include "core/program_info.h"
#include "platform/printer_page.h"
#include "print/report.h"

namespace print {

ReportsComposer::ReportsComposer(PageSource next, QString suggestedPath)
    : next_(std::move(next)), suggestedPath_(std::move(suggestedPath)) {}

DocumentFacts ReportsComposer::facts() const {
    DocumentFacts facts;
    facts.title = QCoreApplication::translate("print::ReportsComposer", "%1: отчёты")
                      .arg(info::programName());
    facts.printedWhat = QCoreApplication::translate("print::ReportsComposer", "отчёты");
    facts.saveTitle =
        QCoreApplication::translate("print::ReportsComposer", "Сохранить отчёты в файл PDF");
    facts.folder = SavedFile::ManyReportsPdf;
    facts.suggestedPath = suggestedPath_;
    facts.withoutLogo =
        QCoreApplication::translate("print::ReportsComposer", "Отчёты печатаются без логотипа.");
    facts.progressText = QCoreApplication::translate("print::ReportsComposer", "Клиент %1 из %2");
    facts.printProgress = QCoreApplication::translate("print::ReportsComposer", "Печать отчётов");
    facts.fileProgress = QCoreApplication::translate("print::ReportsComposer", "Отчёты в PDF");
    facts.noPages = QCoreApplication::translate(
        "print::ReportsComposer", "в списке нет ни одного клиента, для которого есть прогноз");
    return facts;
}

PageComposer::Step ReportsComposer::composePage(platform::PrinterPage& page,
                                                const PageContext& context) {
    ReportPage report;
    context_ = &context;
    const NextPage step = next_(report);
    context_ = nullptr;
    switch (step) {
        case NextPage::End:
            return Step::End;
        case NextPage::Stop:
            return Step::Stop;
        case NextPage::Page:
            break;
    }
    composeReport(page, report.forecast, report.person.names, context.madeAt, context.letterhead,
                  report.person.language);
    return Step::Page;
}

bool ReportsComposer::progress(int done, int total) const {
    return context_ == nullptr || context_->progress(done, total);
}

ManyResult writeReportsPdf(const QString& path, const PageSource& next, const QDateTime& madeAt,
                           const std::optional<Letterhead>& letterhead) {
    ReportsComposer reports(next);
    return writePdfFile(reports, path, quietContext(madeAt, letterhead));
}

ManyResult printReports(QPrinter& printer, const PageSource& next, const QDateTime& madeAt,
                        const std::optional<Letterhead>& letterhead) {
    ReportsComposer reports(next);
    return printPages(reports, printer, quietContext(madeAt, letterhead));
}

std::optional<core::Forecast> forecastFor(const core::BirthDate& born, QString* reason) {
    const core::Calculation result = core::calculate(born);
    if (const auto* refusal = std::get_if<core::Refusal>(&result)) {
        if (reason) {
            *reason = refusal->text;
        }
        return std::nullopt;
    }
    return std::get<core::Forecast>(result);
}

}  // namespace print
