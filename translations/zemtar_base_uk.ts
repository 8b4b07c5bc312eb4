<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>BookBackup</name>
    <message>
        <source>такого файла нет или это не обычный файл</source>
        <translation>такого файлу немає або це не звичайний файл</translation>
    </message>
    <message>
        <source>Копия %1 повреждена или записана не до конца: проверка целостности не пройдена.</source>
        <translation>Копію %1 пошкоджено або записано не до кінця: перевірку цілісності не пройдено.</translation>
    </message>
    <message>
        <source>Файл %1 — не копия картотеки клиентов: это не база данных.</source>
        <translation>Файл %1 — не копія картотеки клієнтів: це не база даних.</translation>
    </message>
    <message>
        <source>Файл %1 — не копия картотеки клиентов: %2.</source>
        <translation>Файл %1 — не копія картотеки клієнтів: %2.</translation>
    </message>
    <message>
        <source>Не удалось прочитать копию %1: %2.</source>
        <translation>Не вдалося прочитати копію %1: %2.</translation>
    </message>
    <message>
        <source>в её заголовке метка другого приложения</source>
        <translation>у її заголовку позначка іншої програми</translation>
    </message>
    <message>
        <source>Копия %1 сделана более новой версией программы (версия картотеки %2, эта программа знает версии до %3). Обновите программу.</source>
        <translation>Копію %1 зроблено новішою версією програми (версія картотеки %2, ця програма знає версії до %3). Оновіть програму.</translation>
    </message>
    <message>
        <source>в ней нет таблиц картотеки</source>
        <translation>у ній немає таблиць картотеки</translation>
    </message>
    <message>
        <source>Копию %1 не удалось обновить до нынешней версии картотеки: %2.</source>
        <translation>Копію %1 не вдалося оновити до поточної версії картотеки: %2.</translation>
    </message>
    <message>
        <source>Копия картотеки не сохранена. %1</source>
        <translation>Копію картотеки не збережено. %1</translation>
    </message>
    <message>
        <source>это символическая ссылка, а программа не пишет копию через ссылки</source>
        <translation>це символьне посилання, а програма не записує копію через посилання</translation>
    </message>
    <message>
        <source>это файл самой картотеки</source>
        <translation>це файл самої картотеки</translation>
    </message>
    <message>
        <source>Копия картотеки не сохранена. %1.</source>
        <translation>Копію картотеки не збережено. %1.</translation>
    </message>
    <message>
        <source> Картотека осталась прежней.</source>
        <translation> Картотека залишилася такою, як була.</translation>
    </message>
    <message>
        <source>Файл %1 — это сама картотека, а не её копия.</source>
        <translation>Файл %1 — це сама картотека, а не її копія.</translation>
    </message>
    <message>
        <source>Картотеку сейчас держит другая программа (или другое окно этой программы). Закройте её и восстановите копию снова.</source>
        <translation>Картотеку зараз тримає інша програма (або інше вікно цієї програми). Закрийте її та відновіть копію ще раз.</translation>
    </message>
    <message>
        <source>Не удалось заменить картотеку %1 копией: %2.</source>
        <translation>Не вдалося замінити картотеку %1 копією: %2.</translation>
    </message>
    <message>
        <source>Не удалось подготовить восстановление в папке %1: %2.</source>
        <translation>Не вдалося підготувати відновлення в теці %1: %2.</translation>
    </message>
    <message>
        <source>Восстановление отменено.</source>
        <translation>Відновлення скасовано.</translation>
    </message>
    <message>
        <source>%1 до восстановления %2</source>
        <translation>%1 до відновлення %2</translation>
    </message>
    <message>
        <source>Не удалось открыть картотеку клиентов %1: %2.</source>
        <translation>Не вдалося відкрити картотеку клієнтів %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось записать копию в картотеку %1: %2.</source>
        <translation>Не вдалося записати копію в картотеку %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось сохранить картотеку, какой она была: %1.</source>
        <translation>Не вдалося зберегти картотеку такою, якою вона була: %1.</translation>
    </message>
    <message>
        <source>Файл %1 больше %2 МБ: копия картотеки не бывает такой большой.</source>
        <translation>Файл %1 більший за %2 МБ: копія картотеки не буває такою великою.</translation>
    </message>
    <message>
        <source>Копия %1 не подходит: %2.</source>
        <translation>Копія %1 не підходить: %2.</translation>
    </message>
</context>
<context>
    <name>BookBin</name>
    <message>
        <source>Не удалось прочитать удалённых клиентов в картотеке %1: %2.</source>
        <translation>Не вдалося прочитати видалених клієнтів у картотеці %1: %2.</translation>
    </message>
    <message>
        <source>Клиенты не возвращены в картотеку %1: %2.</source>
        <translation>Клієнтів не повернено до картотеки %1: %2.</translation>
    </message>
    <message>
        <source>запись %1 отложена: %2</source>
        <translation>запис %1 відкладено: %2</translation>
    </message>
    <message>
        <source>Клиенты не удалены навсегда из картотеки %1: %2.</source>
        <translation>Клієнтів не видалено назавжди з картотеки %1: %2.</translation>
    </message>
</context>
<context>
    <name>BookCsv</name>
    <message>
        <source>. Прежний файл с этим именем, если он был, остался как был.</source>
        <translation>. Попередній файл із цією назвою, якщо він був, залишився як був.</translation>
    </message>
    <message>
        <source>Клиенты из файла %1 не загружены: %2.</source>
        <translation>Клієнтів із файлу %1 не завантажено: %2.</translation>
    </message>
    <message>
        <source>такого файла нет или это не обычный файл</source>
        <translation>такого файлу немає або це не звичайний файл</translation>
    </message>
    <message>
        <source>файл не удаётся открыть для чтения</source>
        <translation>файл не вдається відкрити для читання</translation>
    </message>
    <message>
        <source>файл больше 50 МБ; разделите список на части</source>
        <translation>файл більший за 50 МБ; розділіть список на частини</translation>
    </message>
    <message>
        <source>с этой строки и дальше ещё строк с ошибками: %1</source>
        <translation>від цього рядка й далі ще рядків із помилками: %1</translation>
    </message>
    <message>
        <source>; картотека осталась прежней</source>
        <translation>; картотека залишилася такою, як була</translation>
    </message>
    <message>
        <source>загрузка отменена</source>
        <translation>завантаження скасовано</translation>
    </message>
    <message>
        <source>файл вырос больше 50 МБ во время чтения</source>
        <translation>файл виріс понад 50 МБ під час читання</translation>
    </message>
    <message>
        <source>Журнал из файла %1 не загружен: %2; картотека осталась прежней.</source>
        <translation>Журнал з файлу %1 не завантажено: %2; картотека лишилася такою, як була.</translation>
    </message>
    <message>
        <source>первая строка не «%1»</source>
        <translation>перший рядок не «%1»</translation>
    </message>
    <message>
        <source>полей %1, а в заголовке %2</source>
        <translation>полів %1, а в заголовку %2</translation>
    </message>
    <message>
        <source>такого клиента в картотеке нет</source>
        <translation>такого клієнта в картотеці немає</translation>
    </message>
    <message>
        <source>вид не «сеанс» или «событие», или дата не в виде ДД.ММ.ГГГГ (сеанс), ММ.ГГГГ или ГГГГ (событие)</source>
        <translation>вид не «сеанс» чи «событие», або дата не у вигляді ДД.ММ.РРРР (сеанс), ММ.РРРР чи РРРР (подія)</translation>
    </message>
</context>
<context>
    <name>BookPlace</name>
    <message>
        <source>Картотека клиентов %1 недоступна: %2 %3 — символическая ссылка. Программа не открывает свои файлы через ссылки, чтобы не изменить чужой файл. Замените ссылку настоящим файлом или папкой.</source>
        <translation>Картотека клієнтів %1 недоступна: %2 %3 — символьне посилання. Програма не відкриває свої файли через посилання, щоб не змінити чужий файл. Замініть посилання справжнім файлом або текою.</translation>
    </message>
    <message>
        <source>папка</source>
        <translation>тека</translation>
    </message>
    <message>
        <source>Не удалось создать папку картотеки клиентов %1: %2. Проверьте, что в папку данных разрешена запись и на диске есть место.</source>
        <translation>Не вдалося створити теку картотеки клієнтів %1: %2. Перевірте, що в теку даних дозволено запис і на диску є місце.</translation>
    </message>
    <message>
        <source>Не удалось создать папку картотеки клиентов %1: на её месте файл или другой объект.</source>
        <translation>Не вдалося створити теку картотеки клієнтів %1: на її місці файл або інший об’єкт.</translation>
    </message>
    <message>
        <source>Картотека клиентов %1 недоступна: папка %2 принадлежит другому пользователю.</source>
        <translation>Картотека клієнтів %1 недоступна: тека %2 належить іншому користувачеві.</translation>
    </message>
    <message>
        <source>Картотека клиентов %1 недоступна: папку %2 могут читать другие пользователи, а закрыть её от них не удалось: %3.</source>
        <translation>Картотека клієнтів %1 недоступна: теку %2 можуть читати інші користувачі, а закрити її від них не вдалося: %3.</translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: в системе не найдена папка для данных пользователя.</source>
        <translation>Картотека клієнтів недоступна: у системі не знайдено теки для даних користувача.</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>Не удалось создать файл картотеки клиентов %1: %2. Проверьте, что в папку разрешена запись и на диске есть место.</source>
        <translation>Не вдалося створити файл картотеки клієнтів %1: %2. Перевірте, що в теку дозволено запис і на диску є місце.</translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: %1 — не файл картотеки, а папка или другой объект.</source>
        <translation>Картотека клієнтів недоступна: %1 — не файл картотеки, а тека або інший об’єкт.</translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: файл %1 могут читать другие пользователи, а закрыть его от них не удалось: %2.</source>
        <translation>Картотека клієнтів недоступна: файл %1 можуть читати інші користувачі, а закрити його від них не вдалося: %2.</translation>
    </message>
</context>
<context>
    <name>BookSchema</name>
    <message>
        <source>Файл картотеки клиентов %1 занят другой программой. Закройте её и откройте картотеку снова.</source>
        <translation>Файл картотеки клієнтів %1 зайнятий іншою програмою. Закрийте її та відкрийте картотеку знову.</translation>
    </message>
    <message>
        <source>Файл %1 не является картотекой клиентов или повреждён.</source>
        <translation>Файл %1 не є картотекою клієнтів або пошкоджений.</translation>
    </message>
    <message>
        <source> Чтобы начать новую картотеку, переименуйте или перенесите этот файл.</source>
        <translation> Щоб почати нову картотеку, перейменуйте або перенесіть цей файл.</translation>
    </message>
    <message>
        <source>Не удалось прочитать картотеку клиентов %1: %2.</source>
        <translation>Не вдалося прочитати картотеку клієнтів %1: %2.</translation>
    </message>
    <message>
        <source>Файл %1 — база данных другой программы, а не картотека клиентов (%2).</source>
        <translation>Файл %1 — база даних іншої програми, а не картотека клієнтів (%2).</translation>
    </message>
    <message>
        <source>в её заголовке метка другого приложения</source>
        <translation>у її заголовку позначка іншої програми</translation>
    </message>
    <message>
        <source>Файл картотеки клиентов %1 записан более новой версией программы (версия картотеки %2, эта программа знает версии до %3).</source>
        <translation>Файл картотеки клієнтів %1 записано новішою версією програми (версія картотеки %2, ця програма знає версії до %3).</translation>
    </message>
    <message>
        <source> Обновите программу.</source>
        <translation> Оновіть програму.</translation>
    </message>
    <message>
        <source>номер версии не картотеки</source>
        <translation>номер версії не картотеки</translation>
    </message>
    <message>
        <source>в ней есть чужие таблицы</source>
        <translation>у ній є чужі таблиці</translation>
    </message>
    <message>
        <source>таблицы не те, что у картотеки, или добавлены чужие триггеры и представления</source>
        <translation>таблиці не ті, що в картотеці, або додано чужі тригери й подання</translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: не установлен драйвер SQLite для Qt (пакет libqt6sql6-sqlite).</source>
        <translation>Картотека клієнтів недоступна: не встановлено драйвер SQLite для Qt (пакет libqt6sql6-sqlite).</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Неизвестный раздел «%1»: можно %2.</source>
        <translation>Невідомий розділ «%1»: можна %2.</translation>
    </message>
    <message>
        <source>Не назван ни один раздел: можно aspects, cycle, years, happiness.</source>
        <translation>Не названо жодного розділу: можна aspects, cycle, years, happiness.</translation>
    </message>
    <message>
        <source>Ближайшие годы — число от %1 до %2, а не «%3».</source>
        <translation>Найближчі роки — це число від %1 до %2, а не «%3».</translation>
    </message>
</context>
<context>
    <name>CatalogueLanguage</name>
    <message>
        <source>ru</source>
        <comment>the code of this catalogue&apos;s language: ru, uk or en</comment>
        <translation>uk</translation>
    </message>
</context>
<context>
    <name>Client</name>
    <message>
        <source>не указаны ни фамилия, ни имя, ни отчество</source>
        <translation>не вказано ні прізвища, ні імені, ні по батькові</translation>
    </message>
    <message>
        <source>Телефон</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Эл. почта</source>
        <translation>Ел. пошта</translation>
    </message>
    <message>
        <source>примечание длиннее %1 знаков</source>
        <translation>примітка довша за %1 знаків</translation>
    </message>
    <message>
        <source>в примечании %1</source>
        <translation>у примітці %1</translation>
    </message>
    <message>
        <source>дата добавления не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ</source>
        <translation>дата додавання не у вигляді РРРР-ММ-ДДTГГ:ХХ:ССZ</translation>
    </message>
    <message>
        <source>дата последней печати не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ</source>
        <translation>дата останнього друку не у вигляді РРРР-ММ-ДДTГГ:ХХ:ССZ</translation>
    </message>
    <message>
        <source>Распечатка</source>
        <translation>Роздруківка</translation>
    </message>
    <message>
        <source>Отчёт в PDF</source>
        <translation>Звіт у PDF</translation>
    </message>
    <message numerus="yes">
        <source>PDF: %n клиентов</source>
        <translation>
            <numerusform>PDF: %n клієнт</numerusform>
            <numerusform>PDF: %n клієнти</numerusform>
            <numerusform>PDF: %n клієнтів</numerusform>
        </translation>
    </message>
    <message>
        <source>Обращение</source>
        <translation>Звертання</translation>
    </message>
    <message>
        <source>пол «%1» не понят: можно f или m (ж или м), или пусто</source>
        <translation>стать «%1» не зрозуміла: можна f або m (ж або м), або порожньо</translation>
    </message>
    <message>
        <source>Подробный отчёт, распечатка</source>
        <translation>Детальний звіт, роздруківка</translation>
    </message>
    <message>
        <source>Подробный отчёт в PDF</source>
        <translation>Детальний звіт у PDF</translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты в PDF: %n клиентов</source>
        <translation>
            <numerusform>Детальні звіти в PDF: %n клієнт</numerusform>
            <numerusform>Детальні звіти в PDF: %n клієнти</numerusform>
            <numerusform>Детальні звіти в PDF: %n клієнтів</numerusform>
        </translation>
    </message>
    <message>
        <source>Сравнение, распечатка</source>
        <translation>Порівняння, роздруківка</translation>
    </message>
    <message>
        <source>Сравнение в PDF</source>
        <translation>Порівняння в PDF</translation>
    </message>
    <message>
        <source>язык отчёта записан не кодом языка (ru, uk, en)</source>
        <translation>мову звіту записано не кодом мови (ru, uk, en)</translation>
    </message>
    <message>
        <source>в примечании есть неполный символ (%1): уберите его</source>
        <translation>у примітці є неповний символ (%1): приберіть його</translation>
    </message>
    <message>
        <source>(без имени)</source>
        <translation>(без імені)</translation>
    </message>
    <message>
        <source>Фамилия</source>
        <translation>Прізвище</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Отчество</source>
        <translation>По батькові</translation>
    </message>
    <message>
        <source>Год рождения</source>
        <translation>Рік народження</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>Добавлен</source>
        <translation>Додано</translation>
    </message>
    <message>
        <source>Напечатан</source>
        <translation>Надруковано</translation>
    </message>
    <message>
        <source>Язык отчёта</source>
        <translation>Мова звіту</translation>
    </message>
    <message numerus="yes">
        <source>поле «%1» длиннее %n знаков</source>
        <translation>
            <numerusform>поле «%1» довше за %n знак</numerusform>
            <numerusform>поле «%1» довше за %n знаки</numerusform>
            <numerusform>поле «%1» довше за %n знаків</numerusform>
        </translation>
    </message>
    <message>
        <source>не указан день или месяц рождения</source>
        <translation>не вказано день або місяць народження</translation>
    </message>
</context>
<context>
    <name>ClientBook</name>
    <message>
        <source> Программа этот файл не изменяет.</source>
        <translation> Програма цей файл не змінює.</translation>
    </message>
    <message>
        <source>Файл картотеки клиентов %1 повреждён: проверка целостности не пройдена. Программа этот файл не изменяет. Сохраните копию файла и восстановите картотеку из резервной копии или перенесите файл, чтобы начать новую.</source>
        <translation>Файл картотеки клієнтів %1 пошкоджено: перевірку цілісності не пройдено. Програма цей файл не змінює. Збережіть копію файлу й відновіть картотеку з резервної копії або перенесіть файл, щоб почати нову.</translation>
    </message>
    <message>
        <source>Не удалось открыть картотеку клиентов %1: %2.</source>
        <translation>Не вдалося відкрити картотеку клієнтів %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось прочитать картотеку клиентов %1: %2.</source>
        <translation>Не вдалося прочитати картотеку клієнтів %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось подготовить картотеку клиентов %1: %2.</source>
        <translation>Не вдалося підготувати картотеку клієнтів %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось обновить картотеку клиентов %1 до новой версии: %2.</source>
        <translation>Не вдалося оновити картотеку клієнтів %1 до нової версії: %2.</translation>
    </message>
    <message>
        <source> Картотека осталась прежней.</source>
        <translation> Картотека залишилася такою, як була.</translation>
    </message>
    <message>
        <source>Клиент не сохранён: %1.</source>
        <translation>Клієнта не збережено: %1.</translation>
    </message>
    <message>
        <source>Клиент не сохранён в картотеке %1: %2.</source>
        <translation>Клієнта не збережено в картотеці %1: %2.</translation>
    </message>
    <message>
        <source>Изменения не сохранены: %1.</source>
        <translation>Зміни не збережено: %1.</translation>
    </message>
    <message>
        <source>Изменения не сохранены в картотеке %1: %2.</source>
        <translation>Зміни не збережено в картотеці %1: %2.</translation>
    </message>
    <message>
        <source>Изменения не сохранены: этого клиента уже нет в картотеке.</source>
        <translation>Зміни не збережено: цього клієнта вже немає в картотеці.</translation>
    </message>
    <message>
        <source>Клиент не удалён из картотеки %1: %2.</source>
        <translation>Клієнта не видалено з картотеки %1: %2.</translation>
    </message>
    <message>
        <source>Клиенты не удалены из картотеки %1: %2.</source>
        <translation>Клієнтів не видалено з картотеки %1: %2.</translation>
    </message>
    <message>
        <source>Имя клиента не исправлено: %1.</source>
        <translation>Ім’я клієнта не виправлено: %1.</translation>
    </message>
    <message>
        <source>Имя клиента не исправлено в картотеке %1: %2.</source>
        <translation>Ім’я клієнта не виправлено в картотеці %1: %2.</translation>
    </message>
    <message>
        <source>Имя клиента не исправлено: этого клиента уже нет в картотеке.</source>
        <translation>Ім’я клієнта не виправлено: цього клієнта вже немає в картотеці.</translation>
    </message>
    <message>
        <source>Картотека клиентов сейчас восстанавливается из копии. Подождите.</source>
        <translation>Картотека клієнтів зараз відновлюється з копії. Зачекайте.</translation>
    </message>
    <message>
        <source>Отметка «Связался» не сохранена: %1.</source>
        <translation>Позначку «Зв’язався» не збережено: %1.</translation>
    </message>
    <message>
        <source>год %1 вне %2–%3</source>
        <translation>рік %1 поза межами %2–%3</translation>
    </message>
    <message>
        <source>неверная дата</source>
        <translation>неправильна дата</translation>
    </message>
    <message>
        <source>этого клиента уже нет в картотеке</source>
        <translation>цього клієнта вже немає в картотеці</translation>
    </message>
</context>
<context>
    <name>ClientListReader</name>
    <message>
        <source>список больше %1 МБ; разделите его на части</source>
        <translation>список більший за %1 МБ; розділіть його на частини</translation>
    </message>
    <message>
        <source>ошибка чтения: %1</source>
        <translation>помилка читання: %1</translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8, а кодировка Windows-1251 в системе недоступна</source>
        <translation>текст не в кодуванні UTF-8, а кодування Windows-1251 у системі недоступне</translation>
    </message>
    <message>
        <source>список пуст, в нём нет даже строки заголовков</source>
        <translation>список порожній, у ньому немає навіть рядка заголовків</translation>
    </message>
    <message>
        <source>первая строка не прочитана: %1</source>
        <translation>перший рядок не прочитано: %1</translation>
    </message>
    <message>
        <source>в первой строке нет столбцов: %1</source>
        <translation>у першому рядку немає стовпців: %1</translation>
    </message>
    <message>
        <source> (дату можно дать и одним столбцом «Дата рождения»)</source>
        <translation> (дату можна подати й одним стовпцем «Дата рождения»)</translation>
    </message>
    <message>
        <source>полей %1, а в заголовке %2</source>
        <translation>полів %1, а в заголовку %2</translation>
    </message>
    <message>
        <source>поле «%1» слишком длинное</source>
        <translation>поле «%1» задовге</translation>
    </message>
    <message>
        <source>поле %1 слишком длинное</source>
        <translation>поле %1 задовге</translation>
    </message>
    <message>
        <source>дата рождения не в виде ДД.ММ.ГГГГ</source>
        <translation>дата народження не у вигляді ДД.ММ.РРРР</translation>
    </message>
    <message>
        <source>в дате рождения «%1» год из %2: запишите год в четыре цифры</source>
        <translation>у даті народження «%1» рік з %2: запишіть рік чотирма цифрами</translation>
    </message>
    <message>
        <source>одной цифры</source>
        <translation>однієї цифри</translation>
    </message>
    <message>
        <source>двух цифр</source>
        <translation>двох цифр</translation>
    </message>
</context>
<context>
    <name>ClientNames</name>
    <message>
        <source>один символ собран больше чем из %1 частей: уберите его</source>
        <translation>один символ складено більш ніж із %1 частин: приберіть його</translation>
    </message>
    <message>
        <source>на одной букве больше %1 диакритических знаков (ударений, точек и т. п.): уберите лишние</source>
        <translation>на одній літері понад %1 діакритичних знаків (наголосів, крапок тощо): приберіть зайві</translation>
    </message>
    <message>
        <source>есть знак смены направления письма (%1): уберите его</source>
        <translation>є знак зміни напрямку письма (%1): приберіть його</translation>
    </message>
    <message>
        <source>В поле «%1» есть управляющий или неполный символ (%2): уберите его.</source>
        <translation>У полі «%1» є керівний або неповний символ (%2): приберіть його.</translation>
    </message>
    <message>
        <source>В поле «%1» %2.</source>
        <translation>У полі «%1» %2.</translation>
    </message>
    <message>
        <source>Поле «%1» %2: %3.</source>
        <translation>Поле «%1» %2: %3.</translation>
    </message>
    <message numerus="yes">
        <source>длиннее %n знаков</source>
        <translation>
            <numerusform>довше за %n знак</numerusform>
            <numerusform>довше за %n знаки</numerusform>
            <numerusform>довше за %n знаків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>в нём %n знаков</source>
        <translation>
            <numerusform>у ньому %n знак</numerusform>
            <numerusform>у ньому %n знаки</numerusform>
            <numerusform>у ньому %n знаків</numerusform>
        </translation>
    </message>
    <message>
        <source>Фамилия</source>
        <translation>Прізвище</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Отчество</source>
        <translation>По батькові</translation>
    </message>
</context>
<context>
    <name>ClientRecords</name>
    <message numerus="yes">
        <source>%n записей журнала или событий не принадлежат ни одному клиенту</source>
        <translation>
            <numerusform>%n запис журналу чи подій не належить жодному клієнту</numerusform>
            <numerusform>%n записи журналу чи подій не належать жодному клієнту</numerusform>
            <numerusform>%n записів журналу чи подій не належать жодному клієнту</numerusform>
        </translation>
    </message>
    <message>
        <source>дата сеанса «%1» не в виде ГГГГ-ММ-ДД</source>
        <translation>дата сеансу «%1» не у вигляді РРРР-ММ-ДД</translation>
    </message>
    <message>
        <source>журнал клиента «%1»: %2</source>
        <translation>журнал клієнта «%1»: %2</translation>
    </message>
    <message>
        <source>события клиента «%1»: %2</source>
        <translation>події клієнта «%1»: %2</translation>
    </message>
    <message>
        <source>отметка «Связался» «%1» не в виде ГГГГ-ММ-ДД</source>
        <translation>позначка «Зв’язався» «%1» не у вигляді РРРР-ММ-ДД</translation>
    </message>
    <message>
        <source>дата сеанса не от 01.01.0001 до 31.12.9999</source>
        <translation>дата сеансу не від 01.01.0001 до 31.12.9999</translation>
    </message>
    <message>
        <source>запись о сеансе пуста</source>
        <translation>запис про сеанс порожній</translation>
    </message>
    <message>
        <source>в записи о сеансе неполный или нулевой символ</source>
        <translation>у записі про сеанс є неповний або нульовий символ</translation>
    </message>
    <message>
        <source>запись о сеансе длиннее %1 знаков</source>
        <translation>запис про сеанс довший за %1 знаків</translation>
    </message>
    <message>
        <source>в записи о сеансе %1</source>
        <translation>у записі про сеанс %1</translation>
    </message>
    <message>
        <source>год события не от %1 до %2</source>
        <translation>рік події не від %1 до %2</translation>
    </message>
    <message>
        <source>месяц события не от 1 до 12</source>
        <translation>місяць події не від 1 до 12</translation>
    </message>
    <message>
        <source>у события нет описания</source>
        <translation>подія не має опису</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>событие %1 раньше рождения клиента (%2)</source>
        <translation>подія %1 раніше за народження клієнта (%2)</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>кавычка открыта и не закрыта до конца файла</source>
        <translation>лапки відкрито й не закрито до кінця файлу</translation>
    </message>
    <message>
        <source>текст после закрывающей кавычки</source>
        <translation>текст після закривних лапок</translation>
    </message>
    <message>
        <source>полей больше %1</source>
        <translation>полів більше ніж %1</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Переполнение</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Несоответствие типа</source>
        <translation>Невідповідність типу</translation>
    </message>
    <message>
        <source>Расчёт остановлен: %1.</source>
        <translation>Розрахунок зупинено: %1.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>файл не существует</source>
        <translation>файл не існує</translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation>немає прав на читання</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>путь к файлу проходит через файл, а не через папку</source>
        <translation>шлях до файлу проходить через файл, а не через теку</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>задовга назва файлу</translation>
    </message>
    <message>
        <source>слишком много символических ссылок подряд</source>
        <translation>забагато символьних посилань поспіль</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>помилка введення-виведення</translation>
    </message>
    <message>
        <source>поток закрыт</source>
        <translation>потік закрито</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>відкрито забагато файлів</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>бракує пам’яті</translation>
    </message>
    <message>
        <source>устройство недоступно</source>
        <translation>пристрій недоступний</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>файл завеликий</translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation>системна помилка %1</translation>
    </message>
    <message>
        <source>читающая программа закрыла канал</source>
        <translation>програма, що читала, закрила канал</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>не удалось создать временную папку</source>
        <translation>не вдалося створити тимчасову теку</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2.</source>
        <translation>Не вдалося прочитати файл «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>Такой даты нет: %1 %2 %3 года.</source>
        <translation>Такої дати немає: %1 %2 %3 року.</translation>
    </message>
    <message>
        <source>Выберите месяц и год рождения!</source>
        <translation>Виберіть місяць і рік народження!</translation>
    </message>
    <message>
        <source>Введены не все данные</source>
        <translation>Введено не всі дані</translation>
    </message>
    <message>
        <source>Год рождения нужно ввести цифрами: число от 1 до 9999.</source>
        <translation>Рік народження треба ввести цифрами: число від 1 до 9999.</translation>
    </message>
    <message>
        <source>Неверный год рождения</source>
        <translation>Неправильний рік народження</translation>
    </message>
    <message>
        <source>Неверная дата рождения</source>
        <translation>Неправильна дата народження</translation>
    </message>
    <message>
        <source>День рождения — число от 1 до 31, а не %1.</source>
        <translation>День народження — число від 1 до 31, а не %1.</translation>
    </message>
    <message>
        <source>Месяц рождения — номер от 1 до 12, а не %1.</source>
        <translation>Місяць народження — номер від 1 до 12, а не %1.</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>разделы в нём вложены друг в друга глубже %1 уровней</source>
        <translation>розділи в ньому вкладено один в один глибше ніж на %1 рівнів</translation>
    </message>
    <message>
        <source>для показа ему нужно больше %1 МБ памяти</source>
        <translation>для показу йому потрібно понад %1 МБ пам’яті</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>файл не знайдено</translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation>файл не читається</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>файл больше %1 МБ</source>
        <translation>файл більший за %1 МБ</translation>
    </message>
    <message>
        <source>это не справка программы</source>
        <translation>це не довідка програми</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Назад</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Зміст</translation>
    </message>
    <message>
        <source>Справка — </source>
        <translation>Довідка — </translation>
    </message>
    <message>
        <source>Вернуться к предыдущему разделу (Alt+Стрелка влево)</source>
        <translation>Повернутися до попереднього розділу (Alt+Стрілка ліворуч)</translation>
    </message>
    <message>
        <source>Открыть содержание справки</source>
        <translation>Відкрити зміст довідки</translation>
    </message>
    <message>
        <source>Файл справки «%1» не найден.</source>
        <translation>Файл довідки «%1» не знайдено.</translation>
    </message>
    <message>
        <source>Файл справки «%1» повреждён или не читается</source>
        <translation>Файл довідки «%1» пошкоджено або він не читається</translation>
    </message>
    <message>
        <source>

Он должен лежать в папке программы:
%1</source>
        <translation>

Він має бути в теці програми:
%1</translation>
    </message>
</context>
<context>
    <name>LineReader</name>
    <message>
        <source>стандартный ввод закрыт</source>
        <translation>стандартне введення закрите</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>це тека, а не файл</translation>
    </message>
</context>
<context>
    <name>ListEncoding</name>
    <message>
        <source>строка не в кодировке UTF-8, как остальной список</source>
        <translation>рядок не в кодуванні UTF-8, як решта списку</translation>
    </message>
    <message>
        <source>строка не в кодировке Windows-1251, как остальной список</source>
        <translation>рядок не в кодуванні Windows-1251, як решта списку</translation>
    </message>
    <message>
        <source>ошибка чтения: %1</source>
        <translation>помилка читання: %1</translation>
    </message>
    <message>
        <source>не удалось вернуться к началу файла</source>
        <translation>не вдалося повернутися до початку файлу</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>не удалось создать папку %1</source>
        <translation>не вдалося створити теку %1</translation>
    </message>
    <message>
        <source>принадлежит другому пользователю</source>
        <translation>належить іншому користувачеві</translation>
    </message>
    <message>
        <source>это не обычный файл и не папка</source>
        <translation>це не звичайний файл і не тека</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Zemtar - Прогноз</source>
        <translation>Zemtar - Прогноз</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>на диске нет места</source>
        <translation>на диску немає місця</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>перевищено дискову квоту</translation>
    </message>
    <message>
        <source>превышен допустимый размер файла</source>
        <translation>перевищено допустимий розмір файлу</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>немає прав доступу</translation>
    </message>
    <message>
        <source>операция не разрешена</source>
        <translation>операцію не дозволено</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>диск доступний лише для читання</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода на диске</source>
        <translation>помилка введення-виведення на диску</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>задовга назва файлу</translation>
    </message>
    <message>
        <source>файл или папка не существует</source>
        <translation>файл або тека не існує</translation>
    </message>
    <message>
        <source>путь к файлу проходит через файл, а не через папку</source>
        <translation>шлях до файлу проходить через файл, а не через теку</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>путь ведёт через символическую ссылку или по кругу</source>
        <translation>шлях веде через символьне посилання або по колу</translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation>файл уже існує</translation>
    </message>
    <message>
        <source>файл занят другой программой</source>
        <translation>файл зайнятий іншою програмою</translation>
    </message>
    <message>
        <source>файл занят, попробуйте ещё раз</source>
        <translation>файл зайнятий, спробуйте ще раз</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>відкрито забагато файлів</translation>
    </message>
    <message>
        <source>в системе открыто слишком много файлов</source>
        <translation>у системі відкрито забагато файлів</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>бракує пам’яті</translation>
    </message>
    <message>
        <source>устройство или канал недоступны</source>
        <translation>пристрій або канал недоступні</translation>
    </message>
    <message>
        <source>устройство недоступно</source>
        <translation>пристрій недоступний</translation>
    </message>
    <message>
        <source>файл нельзя перенести на другой диск</source>
        <translation>файл не можна перенести на інший диск</translation>
    </message>
    <message>
        <source>папка не пуста</source>
        <translation>тека не порожня</translation>
    </message>
    <message>
        <source>недопустимое имя или действие</source>
        <translation>неприпустима назва або дія</translation>
    </message>
    <message>
        <source>действие прервано</source>
        <translation>дію перервано</translation>
    </message>
    <message>
        <source>сетевой диск больше недоступен</source>
        <translation>мережевий диск більше недоступний</translation>
    </message>
    <message>
        <source>истекло время ожидания</source>
        <translation>час очікування вичерпано</translation>
    </message>
    <message>
        <source>канал закрыт с другой стороны</source>
        <translation>канал закрито з іншого боку</translation>
    </message>
    <message>
        <source>ошибка в запросе к базе данных</source>
        <translation>помилка в запиті до бази даних</translation>
    </message>
    <message>
        <source>нет прав на доступ к файлу</source>
        <translation>немає прав на доступ до файлу</translation>
    </message>
    <message>
        <source>файл или его папка доступны только для чтения</source>
        <translation>файл або його тека доступні лише для читання</translation>
    </message>
    <message>
        <source>ошибка чтения или записи на диске</source>
        <translation>помилка читання або запису на диску</translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation>файл пошкоджено</translation>
    </message>
    <message>
        <source>диск заполнен</source>
        <translation>диск заповнено</translation>
    </message>
    <message>
        <source>файл не удаётся открыть</source>
        <translation>файл не вдається відкрити</translation>
    </message>
    <message>
        <source>файл заблокирован не так, как ожидалось</source>
        <translation>файл заблоковано не так, як очікувалося</translation>
    </message>
    <message>
        <source>устройство базы данных изменилось во время работы</source>
        <translation>структура бази даних змінилася під час роботи</translation>
    </message>
    <message>
        <source>запись слишком велика</source>
        <translation>запис завеликий</translation>
    </message>
    <message>
        <source>запись нарушает правила базы данных</source>
        <translation>запис порушує правила бази даних</translation>
    </message>
    <message>
        <source>значение неподходящего типа</source>
        <translation>значення невідповідного типу</translation>
    </message>
    <message>
        <source>внутренняя ошибка программы при работе с базой данных</source>
        <translation>внутрішня помилка програми під час роботи з базою даних</translation>
    </message>
    <message>
        <source>файл слишком велик для этой системы</source>
        <translation>файл завеликий для цієї системи</translation>
    </message>
    <message>
        <source>нет прав на доступ к базе данных</source>
        <translation>немає прав на доступ до бази даних</translation>
    </message>
    <message>
        <source>файл повреждён или не является базой данных</source>
        <translation>файл пошкоджено або він не є базою даних</translation>
    </message>
    <message>
        <source>ошибка чтения</source>
        <translation>помилка читання</translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation>помилка запису</translation>
    </message>
    <message>
        <source>ошибка диска</source>
        <translation>помилка диска</translation>
    </message>
    <message>
        <source>не хватает места или памяти</source>
        <translation>бракує місця або пам’яті</translation>
    </message>
    <message>
        <source>файл не удаётся удалить</source>
        <translation>файл не вдається видалити</translation>
    </message>
    <message>
        <source>файл не удаётся переименовать</source>
        <translation>файл не вдається перейменувати</translation>
    </message>
    <message>
        <source>ошибка перемещения по файлу</source>
        <translation>помилка переміщення у файлі</translation>
    </message>
    <message>
        <source>не удаётся изменить размер файла</source>
        <translation>не вдається змінити розмір файлу</translation>
    </message>
    <message>
        <source>не удаётся изменить права доступа к файлу</source>
        <translation>не вдається змінити права доступу до файлу</translation>
    </message>
    <message>
        <source>файл не удаётся скопировать</source>
        <translation>файл не вдається скопіювати</translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation>системна помилка %1</translation>
    </message>
    <message>
        <source>ошибка при работе с файлом</source>
        <translation>помилка під час роботи з файлом</translation>
    </message>
    <message>
        <source>ошибка базы данных</source>
        <translation>помилка бази даних</translation>
    </message>
    <message>
        <source>ошибка базы данных (код %1)</source>
        <translation>помилка бази даних (код %1)</translation>
    </message>
</context>
<context>
    <name>ReportHistory</name>
    <message>
        <source>Отчёт не записан в историю клиента в картотеке %1: %2.</source>
        <translation>Звіт не записано в історію клієнта в картотеці %1: %2.</translation>
    </message>
    <message>
        <source>этого клиента уже нет в картотеке</source>
        <translation>цього клієнта вже немає в картотеці</translation>
    </message>
    <message>
        <source>Не удалось прочитать историю клиента в картотеке %1: %2.</source>
        <translation>Не вдалося прочитати історію клієнта в картотеці %1: %2.</translation>
    </message>
    <message>
        <source>Клиент не записан в картотеку: %1.</source>
        <translation>Клієнта не записано в картотеку: %1.</translation>
    </message>
    <message>
        <source>Клиент не записан в картотеку %1: %2.</source>
        <translation>Клієнта не записано в картотеку %1: %2.</translation>
    </message>
    <message>
        <source>Отчёты не записаны в историю клиентов в картотеке %1: %2.</source>
        <translation>Звіти не записано в історію клієнтів у картотеці %1: %2.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>папка %1 доступна только для чтения</source>
        <translation>тека %1 доступна лише для читання</translation>
    </message>
    <message>
        <source>файл доступен только для чтения</source>
        <translation>файл доступний лише для читання</translation>
    </message>
    <message>
        <source>имя файла не задано</source>
        <translation>назву файлу не задано</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>это не обычный файл, а устройство, канал или сокет</source>
        <translation>це не звичайний файл, а пристрій, канал або сокет</translation>
    </message>
    <message>
        <source>папка %1 не существует</source>
        <translation>тека %1 не існує</translation>
    </message>
    <message>
        <source>%1 — не папка</source>
        <translation>%1 — не тека</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не вдалося записати файл %1: %2</translation>
    </message>
    <message>
        <source>файл записан не полностью</source>
        <translation>файл записано не повністю</translation>
    </message>
    <message>
        <source>содержимое файла не удалось подготовить</source>
        <translation>вміст файлу не вдалося підготувати</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Подробности…</source>
        <translation>Подробиці…</translation>
    </message>
    <message>
        <source>Скрыть подробности</source>
        <translation>Сховати подробиці</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Программа уже запущена!</source>
        <translation>Програма вже запущена!</translation>
    </message>
    <message>
        <source>Zemtar-прогноз</source>
        <translation>Zemtar-прогноз</translation>
    </message>
</context>
<context>
    <name>SqliteDirect</name>
    <message>
        <source>в картотеке уже есть клиент с такими фамилией, именем, отчеством и датой рождения</source>
        <translation>у картотеці вже є клієнт із таким прізвищем, ім’ям, по батькові й датою народження</translation>
    </message>
    <message>
        <source>драйвер SQLite в Qt не тот, с которым собрана программа</source>
        <translation>драйвер SQLite у Qt не той, з яким зібрано програму</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Файл текстов толкований «%1», строка %2: %3.</source>
        <translation>Файл текстів тлумачень «%1», рядок %2: %3.</translation>
    </message>
    <message>
        <source>Файл текстов толкований «%1»: %2.</source>
        <translation>Файл текстів тлумачень «%1»: %2.</translation>
    </message>
    <message>
        <source>он больше 2 МБ, а файл текстов толкований не бывает таким большим; файл не прочитан</source>
        <translation>він більший за 2 МБ, а файл текстів тлумачень не буває таким великим; файл не прочитано</translation>
    </message>
    <message>
        <source>это не файл текстов толкований: его первая строка должна быть «zemtar-texts %1 ru»; файл не прочитан</source>
        <translation>це не файл текстів тлумачень: його перший рядок має бути «zemtar-texts %1 ru»; файл не прочитано</translation>
    </message>
    <message>
        <source>он записан более новой версией программы (формат %1), а эта версия читает формат %2; файл не прочитан</source>
        <translation>його записано новішою версією програми (формат %1), а ця версія читає формат %2; файл не прочитано</translation>
    </message>
    <message>
        <source>в нём нулевой байт</source>
        <translation>у ньому нульовий байт</translation>
    </message>
    <message>
        <source>это не кодировка UTF-8</source>
        <translation>це не кодування UTF-8</translation>
    </message>
    <message>
        <source>текст повреждён: %1; запись пропущена</source>
        <translation>текст пошкоджено: %1; запис пропущено</translation>
    </message>
    <message>
        <source>текст повреждён: %1; запись [%2] пропущена</source>
        <translation>текст пошкоджено: %1; запис [%2] пропущено</translation>
    </message>
    <message>
        <source>текст повреждён: %1</source>
        <translation>текст пошкоджено: %1</translation>
    </message>
    <message>
        <source>строка начинается с «[», но это не заголовок записи «[ключ]»; если это текст, поставьте перед «[» знак «\»; текст до следующей записи пропущен</source>
        <translation>рядок починається з «[», але це не заголовок запису «[ключ]»; якщо це текст, поставте перед «[» знак «\»; текст до наступного запису пропущено</translation>
    </message>
    <message>
        <source>заголовок «%1» записан не так: ожидалось «[ключ]» или «[ключ off]»; запись пропущена</source>
        <translation>заголовок «%1» записано не так: очікувалося «[ключ]» або «[ключ off]»; запис пропущено</translation>
    </message>
    <message>
        <source>неизвестный ключ [%1]; запись пропущена</source>
        <translation>невідомий ключ [%1]; запис пропущено</translation>
    </message>
    <message>
        <source>ключ [%1] повторён, он уже был в строке %2; повторная запись пропущена</source>
        <translation>ключ [%1] повторено, він уже був у рядку %2; повторний запис пропущено</translation>
    </message>
    <message>
        <source>запись [%1] нельзя выключить, выключаются только opening, closing и notice; её текст прочитан</source>
        <translation>запис [%1] не можна вимкнути, вимикаються лише opening, closing і notice; його текст прочитано</translation>
    </message>
    <message>
        <source>текст записи [%1] длиннее %2 знаков (в нём %3); запись пропущена</source>
        <translation>текст запису [%1] довший за %2 знаків (у ньому %3); запис пропущено</translation>
    </message>
    <message>
        <source>Всего ошибок в файле: %1, показаны первые %2.</source>
        <translation>Усього помилок у файлі: %1, показано перші %2.</translation>
    </message>
    <message>
        <source>Вместо того, что не удалось прочитать, взяты тексты программы.</source>
        <translation>Замість того, що не вдалося прочитати, взято тексти програми.</translation>
    </message>
    <message>
        <source>Взяты тексты программы.</source>
        <translation>Взято тексти програми.</translation>
    </message>
    <message>
        <source>%1; запись [%2] пропущена</source>
        <translation>%1; запис [%2] пропущено</translation>
    </message>
</context>
<context>
    <name>TextKeys</name>
    <message>
        <source>пик: наибольшая цифра жизни</source>
        <translation>пік: найбільша цифра життя</translation>
    </message>
    <message>
        <source>низшая точка: наименьшая цифра жизни</source>
        <translation>найнижча точка: найменша цифра життя</translation>
    </message>
    <message>
        <source>подъём после прошлого года</source>
        <translation>підйом після минулого року</translation>
    </message>
    <message>
        <source>спад после прошлого года</source>
        <translation>спад після минулого року</translation>
    </message>
    <message>
        <source>тот же уровень, что в прошлом году</source>
        <translation>той самий рівень, що й минулого року</translation>
    </message>
    <message>
        <source>от 0 до 24 %</source>
        <translation>від 0 до 24 %</translation>
    </message>
    <message>
        <source>от 25 до 49 %</source>
        <translation>від 25 до 49 %</translation>
    </message>
    <message>
        <source>от 50 до 74 %</source>
        <translation>від 50 до 74 %</translation>
    </message>
    <message>
        <source>от 75 до 99 %</source>
        <translation>від 75 до 99 %</translation>
    </message>
    <message>
        <source>оба на пике в один год</source>
        <translation>обоє на піку в один рік</translation>
    </message>
    <message>
        <source>оба в низшей точке в один год</source>
        <translation>обоє в найнижчій точці в один рік</translation>
    </message>
    <message>
        <source>один на пике, другой в низшей точке</source>
        <translation>один на піку, інший у найнижчій точці</translation>
    </message>
    <message>
        <source>Вступление</source>
        <translation>Вступ</translation>
    </message>
    <message>
        <source>Заключение</source>
        <translation>Завершення</translation>
    </message>
    <message>
        <source>Оговорка</source>
        <translation>Застереження</translation>
    </message>
    <message>
        <source>уровень %1</source>
        <translation>рівень %1</translation>
    </message>
    <message>
        <source>Аспекты</source>
        <translation>Аспекти</translation>
    </message>
    <message>
        <source>4 и выше</source>
        <translation>4 і вище</translation>
    </message>
    <message>
        <source>Жизненные силы</source>
        <translation>Життєві сили</translation>
    </message>
    <message>
        <source>Форма года</source>
        <translation>Форма року</translation>
    </message>
    <message>
        <source>Процент счастья</source>
        <translation>Відсоток щастя</translation>
    </message>
    <message>
        <source>Двое</source>
        <translation>Двоє</translation>
    </message>
    <message>
        <source>девочке</source>
        <translation>дівчинці</translation>
    </message>
    <message>
        <source>женщине</source>
        <translation>жінці</translation>
    </message>
    <message>
        <source>мальчику</source>
        <translation>хлопчикові</translation>
    </message>
    <message>
        <source>мужчине</source>
        <translation>чоловікові</translation>
    </message>
    <message>
        <source>Дети до 14 лет</source>
        <translation>Діти до 14 років</translation>
    </message>
    <message>
        <source>все на пике в один год</source>
        <translation>усі на піку в один рік</translation>
    </message>
    <message>
        <source>все в низшей точке в один год</source>
        <translation>усі в найнижчій точці в один рік</translation>
    </message>
    <message>
        <source>есть у всех</source>
        <translation>є в усіх</translation>
    </message>
    <message>
        <source>есть только у некоторых</source>
        <translation>є лише в декого</translation>
    </message>
    <message>
        <source>нет ни у кого</source>
        <translation>немає ні в кого</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Група</translation>
    </message>
    <message>
        <source>есть у обоих</source>
        <translation>є в обох</translation>
    </message>
    <message>
        <source>есть только у одного</source>
        <translation>є лише в одного</translation>
    </message>
    <message>
        <source>нет ни у одного</source>
        <translation>немає в жодного</translation>
    </message>
</context>
<context>
    <name>TextSet</name>
    <message>
        <source>Текст длиннее %1 знаков: в нём %2. Сократите его, программа не обрезает текст сама.</source>
        <translation>Текст довший за %1 знаків: у ньому %2. Скоротіть його, програма не обрізає текст сама.</translation>
    </message>
    <message>
        <source>В библиотеке нет записи [%1].</source>
        <translation>У бібліотеці немає запису [%1].</translation>
    </message>
    <message>
        <source>В строке %1 текста %2.</source>
        <translation>У рядку %1 тексту %2.</translation>
    </message>
</context>
<context>
    <name>TextStore</name>
    <message>
        <source>Файл текстов толкований «%1» не прочитан: %2.</source>
        <translation>Файл текстів тлумачень «%1» не прочитано: %2.</translation>
    </message>
    <message>
        <source>«%1» — символическая ссылка, а программа не открывает свои файлы через ссылки, чтобы не изменить чужой файл</source>
        <translation>«%1» — символьне посилання, а програма не відкриває свої файли через посилання, щоб не змінити чужий файл</translation>
    </message>
    <message>
        <source>Тексты толкований не сохранены: %1. Прежние тексты остались как были.</source>
        <translation>Тексти тлумачень не збережено: %1. Попередні тексти залишилися як були.</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>Тексты толкований не прочитаны: %1. Взяты тексты программы.</source>
        <translation>Тексти тлумачень не прочитано: %1. Взято тексти програми.</translation>
    </message>
    <message>
        <source>Тексты толкований не прочитаны: на месте файла «%1» папка или другой объект. Взяты тексты программы.</source>
        <translation>Тексти тлумачень не прочитано: на місці файлу «%1» тека або інший об’єкт. Взято тексти програми.</translation>
    </message>
    <message>
        <source>Файл текстов толкований «%1» написан на языке «%2», а не «%3». Взяты тексты программы.</source>
        <translation>Файл текстів тлумачень «%1» написано мовою «%2», а не «%3». Взято тексти програми.</translation>
    </message>
    <message>
        <source>в системе не найдена папка для данных пользователя</source>
        <translation>у системі не знайдено теки для даних користувача</translation>
    </message>
    <message>
        <source>не удалось создать папку «%1»: %2</source>
        <translation>не вдалося створити теку «%1»: %2</translation>
    </message>
    <message>
        <source>папку «%1» могут читать другие пользователи, а закрыть её от них не удалось: %2</source>
        <translation>теку «%1» можуть читати інші користувачі, а закрити її від них не вдалося: %2</translation>
    </message>
    <message>
        <source>на месте папки «%1» файл или другой объект</source>
        <translation>на місці теки «%1» файл або інший об’єкт</translation>
    </message>
    <message>
        <source>%1. Прежние тексты толкований остались как были.</source>
        <translation>%1. Попередні тексти тлумачень залишилися як були.</translation>
    </message>
    <message>
        <source>Тексты толкований сохранены, но файл «%1» могут читать другие пользователи, а закрыть его от них не удалось: %2.</source>
        <translation>Тексти тлумачень збережено, але файл «%1» можуть читати інші користувачі, а закрити його від них не вдалося: %2.</translation>
    </message>
    <message>
        <source>Импорт отменить нельзя: прежние тексты толкований не сохранились.</source>
        <translation>Імпорт не можна скасувати: попередні тексти тлумачень не збереглися.</translation>
    </message>
    <message>
        <source>Импорт не отменён: %1</source>
        <translation>Імпорт не скасовано: %1</translation>
    </message>
    <message>
        <source>Импорт не отменён. %1</source>
        <translation>Імпорт не скасовано. %1</translation>
    </message>
    <message>
        <source>В файле «%1» тексты на языке «%2», а правятся тексты на языке «%3». Чтобы импортировать их, выберите вверху окна язык текстов «%2». Ничего не изменено.</source>
        <translation>У файлі «%1» тексти мовою «%2», а редагуються тексти мовою «%3». Щоб імпортувати їх, виберіть угорі вікна мову текстів «%2». Нічого не змінено.</translation>
    </message>
    <message>
        <source>это не обычный файл, а канал, устройство или сокет</source>
        <translation>це не звичайний файл, а канал, пристрій або сокет</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>файл %1 повреждён или не читается</source>
        <translation>файл %1 пошкоджений або не читається</translation>
    </message>
    <message>
        <source>в папке %1 нет файлов %2</source>
        <translation>у теці %1 немає файлів %2</translation>
    </message>
    <message>
        <source>Каталоги языка «%1» не загружены (%2): тексты программы будут на русском.</source>
        <translation>Каталоги мови «%1» не завантажено (%2): тексти програми будуть російською.</translation>
    </message>
</context>
<context>
    <name>Turning</name>
    <message>
        <source>Поворотные годы считаются для годов с %1 по %2, а не «%3».</source>
        <translation>Поворотні роки рахуються для років з %1 по %2, а не «%3».</translation>
    </message>
    <message>
        <source>Перемена — число уровней от %1 до %2, а не «%3».</source>
        <translation>Зміна — це число рівнів від %1 до %2, а не «%3».</translation>
    </message>
    <message>
        <source>Поворотные годы считаются только до %1 года: календарь пуст.</source>
        <translation>Поворотні роки рахуються лише до %1 року: календар порожній.</translation>
    </message>
    <message>
        <source>Дата рождения позже %1 года: в календаре на %2–%1 годы нет событий.</source>
        <translation>Дата народження пізніша за %1 рік: у календарі на %2–%1 роки немає подій.</translation>
    </message>
    <message>
        <source>В %1–%2 годах поворотных лет нет: календарь пуст.</source>
        <translation>У %1–%2 роках поворотних років немає: календар порожній.</translation>
    </message>
</context>
<context>
    <name>TurningList</name>
    <message>
        <source>Уровень</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>Поворот</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Связался</source>
        <translation>Зв’язався</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>это не обычный файл</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>файл больше %1 МБ, а настройки занимают несколько строк</source>
        <translation>файл більший за %1 МБ, а налаштування займають кілька рядків</translation>
    </message>
    <message>
        <source>файл больше %1 МБ</source>
        <translation>файл більший за %1 МБ</translation>
    </message>
    <message>
        <source>папка %1 — символическая ссылка или не папка</source>
        <translation>тека %1 — символьне посилання або не тека</translation>
    </message>
    <message>
        <source>это символическая ссылка</source>
        <translation>це символьне посилання</translation>
    </message>
    <message>
        <source>Файл настроек %1 не используется: %2.</source>
        <translation>Файл налаштувань %1 не використовується: %2.</translation>
    </message>
    <message>
        <source>Выбор в меню действует до выхода из программы.</source>
        <translation>Вибір у меню діятиме до виходу з програми.</translation>
    </message>
</context>
<context>
    <name>platform::MailProgram</name>
    <message>
        <source>xdg-email не принял письмо: адрес или текст записаны не так, как он ждёт</source>
        <translation>xdg-email не прийняв листа: адресу чи текст записано не так, як він очікує</translation>
    </message>
    <message>
        <source>на компьютере не найдена почтовая программа, которую xdg-email мог бы открыть</source>
        <translation>на комп’ютері не знайдено поштової програми, яку xdg-email міг би відкрити</translation>
    </message>
    <message>
        <source>почтовая программа рабочего стола не открылась (xdg-email: действие не удалось)</source>
        <translation>поштова програма робочого столу не відкрилася (xdg-email: дія не вдалася)</translation>
    </message>
    <message>
        <source>xdg-email не смог прочитать приложенный файл</source>
        <translation>xdg-email не зміг прочитати вкладений файл</translation>
    </message>
    <message>
        <source>xdg-email завершился с кодом %1</source>
        <translation>xdg-email завершився з кодом %1</translation>
    </message>
    <message>
        <source>это не адрес электронной почты</source>
        <translation>це не адреса електронної пошти</translation>
    </message>
    <message>
        <source>на компьютере нет программы xdg-email (пакет xdg-utils)</source>
        <translation>на комп’ютері немає програми xdg-email (пакет xdg-utils)</translation>
    </message>
    <message>
        <source>программа xdg-email не запускается</source>
        <translation>програма xdg-email не запускається</translation>
    </message>
    <message>
        <source>в Windows не выбрана почтовая программа по умолчанию</source>
        <translation>у Windows не вибрано поштової програми за замовчуванням</translation>
    </message>
    <message>
        <source>почтовая программа не приняла адрес</source>
        <translation>поштова програма не прийняла адреси</translation>
    </message>
    <message>
        <source>почтовая программа не смогла открыть файл</source>
        <translation>поштова програма не змогла відкрити файл</translation>
    </message>
    <message>
        <source>почтовая программа ответила кодом MAPI %1</source>
        <translation>поштова програма відповіла кодом MAPI %1</translation>
    </message>
    <message>
        <source>в Windows нет библиотеки почты MAPI32.DLL</source>
        <translation>у Windows немає поштової бібліотеки MAPI32.DLL</translation>
    </message>
    <message>
        <source>почтовая программа Windows не умеет принимать письма от программ</source>
        <translation>поштова програма Windows не вміє приймати листи від програм</translation>
    </message>
</context>
</TS>
