#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

#include "core/client_names.h"
#include "core/forecast.h"
#include "core/group.h"
#include "core/person.h"
#include "core/text_fields.h"

namespace ui {

// What the main window shows when the texts window opens: its forecast and
// its current client, each when there is one, and this year by its clock.
struct PreviewSubject {
    std::optional<core::Forecast> forecast;
    std::optional<core::Person> client;
    long long thisYear = 0;
};

// The values the texts window's preview fills a text's fields with: the
// client's names and form of address, and for each entry the aspect, the
// level and the years it would speak of in this forecast, looking at the span
// that starts this year. Without a forecast or a client a plain example stands
// in, and note() says so. A variant and a child's entry are filled as the entry
// they belong with.
class TextPreview {
public:
    explicit TextPreview(const PreviewSubject& subject);

    // One line above the preview: whose figures these are.
    const QString& note() const { return note_; }
    core::FieldValues values(QStringView key) const;
    // The language of the texts previewed: a proposed form of address is in it.
    void setLanguage(core::ReportLanguage language);

private:
    // The years of the span (this year and the next core::kSpanYearsAfterFirst)
    // that `wanted` accepts as the cycle reads them; the year and the years
    // fields take them.
    core::FieldValues yearsWhere(core::FieldValues values,
                                 const std::function<bool(const core::CycleYear&)>& wanted) const;
    int levelIn(long long year) const;

    core::Forecast forecast_;
    core::Person person_;                                            // the client, or the example
    core::ReportLanguage language_ = core::ReportLanguage::Russian;  // of the texts
    core::FieldValues names_;
    QString note_;
    long long firstYear_ = 0;
};

}  // namespace ui
