#pragma once

#include <QString>

#include "core/report_language.h"

namespace core {

// What a document handed to the client's mail program is.
enum class MailDocument { Report, Booklet };

// The letter that goes with a document to a client, in the document's
// language: the practitioner reads it in their mail program and may change
// it before sending, so it stays short and plain.
struct MailText {
    QString subject;
    QString body;
    QString fileTitle;  // what the attached file is named by: «Прогноз», «Forecast»
};

// The letter for `document` in `language`. `address` is how the greeting
// calls the client (core::addressOf; none: a greeting to nobody in
// particular), `signature` the practitioner's name as their letterhead writes
// it (none: a closing without a name).
MailText mailText(MailDocument document, ReportLanguage language, const QString& address,
                  const QString& signature);

}  // namespace core
