#pragma once

#include <QComboBox>
#include <QString>
#include <optional>

#include "core/report_language.h"

namespace print {

// «Язык отчёта»: the languages a page can be written in, each by its own
// speakers' name. It starts at the client's language when there is a client,
// else at the one the last report went out in.
class LanguageBox : public QComboBox {
    Q_OBJECT

public:
    explicit LanguageBox(std::optional<core::ReportLanguage> client, QWidget* parent = nullptr);

    core::ReportLanguage language() const;
    void setLanguage(core::ReportLanguage language);

    // The caption to set beside the box, «Язык отчёта:».
    static QString caption();
};

// The language the last report or booklet went out in; Russian until then.
core::ReportLanguage lastReportLanguage();
void rememberReportLanguage(core::ReportLanguage language);

}  // namespace print
