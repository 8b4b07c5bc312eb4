#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

#include "core/client_names.h"
#include "core/forecast.h"
#include "core/report_language.h"
#include "print/delivery.h"
#include "print/letterhead.h"
#include "print/page_composer.h"

class QWidget;

namespace platform {
class Services;
}

namespace print {

// The single report of one forecast as a document of one page.
OnePageComposer reportComposer(const core::Forecast& forecast, const core::ClientNames& client,
                               core::ReportLanguage language = core::ReportLanguage::Russian);

// The report straight into a PDF file, written whole or not at all, with no
// questions and no messages. Returns an empty string when the file was
// written, otherwise «Не удалось записать файл X: <причина>».
QString printReportToPdf(const core::Forecast& forecast, const QString& path,
                         const core::ClientNames& client, const QDateTime& madeAt,
                         const std::optional<Letterhead>& letterhead = {},
                         core::ReportLanguage language = core::ReportLanguage::Russian);

// The print command: opens a fresh client dialog over the owner and, on
// "Печать", sends the report to the target through a PrintDelivery, which
// setup adjusts once as the dialog opens (where the page goes). Names that
// cannot go onto a page (core::clientNamesProblem) are told and keep the
// dialog open. Returns when the dialog has closed.
// The dialog starts with `client`'s names; after a report went out (printed or
// saved), `delivered` gets the names, the report language chosen, how it went
// out, whether «Запомнить в картотеке» is checked and the file it was saved in
// (empty for a printout). «Язык отчёта» starts at `language` (the client's),
// or at the last one used.
using ReportDelivered =
    std::function<void(const core::ClientNames& client, core::ReportLanguage language,
                       PrintDelivery::Outcome outcome, bool remember, const QString& file)>;
void showPrintDialog(QWidget* owner, const ForecastSource& source, platform::Services& services,
                     const std::function<void(PrintDelivery&)>& setup = {},
                     ReportTarget target = ReportTarget::Printout,
                     const core::ClientNames& client = {}, const ReportDelivered& delivered = {},
                     std::optional<core::ReportLanguage> language = std::nullopt);

}  // namespace print
