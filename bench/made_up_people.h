// Made-up but plausible clients for the book's benchmarks: surnames from
// syllables, so that nearly all differ, and the same people from the same seed.
#pragma once

#include <QString>
#include <array>
#include <random>

namespace bench {

struct MadeUpPerson {
    QString surname, name, patronymic;
    int day = 1, month = 1, year = 1975;
};

inline MadeUpPerson madeUpPerson(std::mt19937& random, int k) {
    const std::array<const char*, 16> starts{"Ив",  "Пет",   "Сид", "Смир", "Куз", "Поп",
                                             "Вас", "Сок",   "Мих", "Нов",  "Фёд", "Мор",
                                             "Вол", "Алекс", "Леб", "Сем"};
    const std::array<const char*, 12> middles{"ан", "ор", "ен", "ал", "ик", "ёр",
                                              "ин", "ар", "уш", "ел", "от", "ов"};
    const std::array<const char*, 4> ends{"ов", "ев", "ин", "ский"};
    const std::array<const char*, 8> names{"Иван",    "Мария", "Пётр",   "Анна",
                                           "Алексей", "Елена", "Сергей", "Ольга"};
    const std::array<const char*, 6> patronymics{"Иванович",   "Петровна",  "Сергеевич",
                                                 "Алексеевна", "Фёдорович", "Михайловна"};
    auto pick = [&](const auto& list) { return QString::fromUtf8(list[random() % list.size()]); };
    MadeUpPerson p;
    p.surname = pick(starts) + pick(middles) + pick(middles) + pick(ends) + QString::number(k % 97);
    p.name = pick(names);
    p.patronymic = pick(patronymics);
    p.day = int(random() % 28 + 1);
    p.month = int(random() % 12 + 1);
    p.year = int(1930 + random() % 80);
    return p;
}

}  // namespace bench
