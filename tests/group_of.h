#pragma once

#include <QStringList>
#include <vector>

#include "core/group.h"
#include "forecast_of.h"

// A person of a test's group: the date (monthIndex 0 is January) and the
// names as «Фамилия Имя Отчество», words in that order.
struct Born {
    int day;
    int monthIndex;
    const char* year;
    const char* names = "";
};

inline core::GroupMember memberOf(const Born& b) {
    const QStringList words = QString::fromUtf8(b.names).split(u' ', Qt::SkipEmptyParts);
    core::GroupMember m;
    m.person.names = {words.value(0), words.value(1), words.value(2)};
    m.person.birthDate = {b.day, b.monthIndex, QString::fromLatin1(b.year)};
    m.forecast = forecastOf(b.day, b.monthIndex, b.year);
    return m;
}

inline core::Group groupOf(const std::vector<Born>& people, core::YearSpan span) {
    std::vector<core::GroupMember> members;
    for (const Born& b : people) {
        members.push_back(memberOf(b));
    }
    return core::makeGroup(std::move(members), span);
}
