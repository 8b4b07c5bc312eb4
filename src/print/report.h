#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

#include "core/client_names.h"
#include "core/forecast.h"
#include "core/report_language.h"
#include "print/letterhead.h"

namespace platform {
class PrinterPage;
}

namespace print {

// The one-page report for the client: composes the page of a forecast made at
// `madeAt` and ends the document. Returns whether the page reached its
// destination (the page's sink). With a letterhead the page carries the
// practitioner's name, contacts and logo at its head instead of the program's.
// Every word of the page is in `language`.
bool printReport(platform::PrinterPage& page, const core::Forecast& forecast,
                 const core::ClientNames& client, const QDateTime& madeAt,
                 const std::optional<Letterhead>& letterhead = {},
                 core::ReportLanguage language = core::ReportLanguage::Russian);

// The same page, composed and not yet ended: for a document of many pages.
void composeReport(platform::PrinterPage& page, const core::Forecast& forecast,
                   const core::ClientNames& client, const QDateTime& madeAt,
                   const std::optional<Letterhead>& letterhead = {},
                   core::ReportLanguage language = core::ReportLanguage::Russian);

// The year rows under the graph, as the forecast holds them.
void printYearRows(platform::PrinterPage& page, const core::Forecast& forecast);

// The digit axis left of the grid, 9 at the top, each digit on its row of dots.
void printDigitAxis(platform::PrinterPage& page);

// The client's names, a captioned line each, in the order `language` writes
// them: the classic Russian page's three lines, empty ones too; in Ukrainian
// and English the patronymic only when there is one, and in English the
// first name before the surname.
void printClientNames(platform::PrinterPage& page, const core::ClientNames& client,
                      core::ReportLanguage language);

// The head of a page as the report has it: the practitioner's letterhead
// (name, contacts, logo) or, without one, the program's name, version and
// author, the author's page and address and the emblem; then the rule under
// them. Returns the rule's height, twips.
int printPageHead(platform::PrinterPage& page, const std::optional<Letterhead>& letterhead,
                  core::ReportLanguage language = core::ReportLanguage::Russian);

// The line printed in place of an aspect column for a birth year outside the
// years the aspects are counted for (the single report and the comparison).
QString aspectYearsLine(core::ReportLanguage language = core::ReportLanguage::Russian);

// One row of the aspect column: «Любовь - 25%», the aspect of `digit` (1 to 9)
// with the percentage its forecast gives.
QString aspectColumnRow(const core::Forecast& forecast, int digit,
                        core::ReportLanguage language = core::ReportLanguage::Russian);

// The aspect column: the nine levels as percentages of their full count, and
// the rule between the graph and the column.
void printAspectColumn(platform::PrinterPage& page, const core::Forecast& forecast,
                       core::ReportLanguage language = core::ReportLanguage::Russian);

// The calculation date as the date line shows it, written as the page's
// language writes it whatever the machine's locale: «08.12.2026 03:53:32» on
// the Russian page.
QString reportDateTime(const QDateTime& moment,
                       core::ReportLanguage language = core::ReportLanguage::Russian);

}  // namespace print
