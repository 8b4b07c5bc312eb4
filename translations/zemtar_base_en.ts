<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>BookBackup</name>
    <message>
        <source>такого файла нет или это не обычный файл</source>
        <translation>there is no such file, or it is not a regular file</translation>
    </message>
    <message>
        <source>Копия %1 повреждена или записана не до конца: проверка целостности не пройдена.</source>
        <translation>The copy %1 is damaged or was not written to the end: it failed the integrity check.</translation>
    </message>
    <message>
        <source>Файл %1 — не копия картотеки клиентов: это не база данных.</source>
        <translation>The file %1 is not a copy of the client book: it is not a database.</translation>
    </message>
    <message>
        <source>Файл %1 — не копия картотеки клиентов: %2.</source>
        <translation>The file %1 is not a copy of the client book: %2.</translation>
    </message>
    <message>
        <source>Не удалось прочитать копию %1: %2.</source>
        <translation>Could not read the copy %1: %2.</translation>
    </message>
    <message>
        <source>в её заголовке метка другого приложения</source>
        <translation>its header carries another application&apos;s mark</translation>
    </message>
    <message>
        <source>Копия %1 сделана более новой версией программы (версия картотеки %2, эта программа знает версии до %3). Обновите программу.</source>
        <translation>The copy %1 was made by a newer version of the program (client book version %2; this program knows versions up to %3). Please update the program.</translation>
    </message>
    <message>
        <source>в ней нет таблиц картотеки</source>
        <translation>it has none of the client book&apos;s tables</translation>
    </message>
    <message>
        <source>Копию %1 не удалось обновить до нынешней версии картотеки: %2.</source>
        <translation>Could not bring the copy %1 up to the current version of the client book: %2.</translation>
    </message>
    <message>
        <source>Копия картотеки не сохранена. %1</source>
        <translation>The copy of the client book was not saved. %1</translation>
    </message>
    <message>
        <source>это символическая ссылка, а программа не пишет копию через ссылки</source>
        <translation>it is a symbolic link, and the program does not write a copy through links</translation>
    </message>
    <message>
        <source>это файл самой картотеки</source>
        <translation>it is the client book&apos;s own file</translation>
    </message>
    <message>
        <source>Копия картотеки не сохранена. %1.</source>
        <translation>The copy of the client book was not saved: %1.</translation>
    </message>
    <message>
        <source> Картотека осталась прежней.</source>
        <translation> The client book is unchanged.</translation>
    </message>
    <message>
        <source>Файл %1 — это сама картотека, а не её копия.</source>
        <translation>The file %1 is the client book itself, not a copy of it.</translation>
    </message>
    <message>
        <source>Картотеку сейчас держит другая программа (или другое окно этой программы). Закройте её и восстановите копию снова.</source>
        <translation>Another program (or another window of this one) is holding the client book. Close it and restore the copy again.</translation>
    </message>
    <message>
        <source>Не удалось заменить картотеку %1 копией: %2.</source>
        <translation>Could not replace the client book %1 with the copy: %2.</translation>
    </message>
    <message>
        <source>Не удалось подготовить восстановление в папке %1: %2.</source>
        <translation>Could not prepare the restore in the folder %1: %2.</translation>
    </message>
    <message>
        <source>Восстановление отменено.</source>
        <translation>The restore was cancelled.</translation>
    </message>
    <message>
        <source>%1 до восстановления %2</source>
        <translation>%1 before restore %2</translation>
    </message>
    <message>
        <source>Не удалось открыть картотеку клиентов %1: %2.</source>
        <translation>Could not open the client book %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось записать копию в картотеку %1: %2.</source>
        <translation>Could not write the copy into the client book %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось сохранить картотеку, какой она была: %1.</source>
        <translation>Could not keep the client book as it was: %1.</translation>
    </message>
    <message>
        <source>Файл %1 больше %2 МБ: копия картотеки не бывает такой большой.</source>
        <translation>The file %1 is larger than %2 MB: a copy of the client book is never that large.</translation>
    </message>
    <message>
        <source>Копия %1 не подходит: %2.</source>
        <translation>The copy %1 will not do: %2.</translation>
    </message>
</context>
<context>
    <name>BookBin</name>
    <message>
        <source>Не удалось прочитать удалённых клиентов в картотеке %1: %2.</source>
        <translation>Could not read the deleted clients in the client book %1: %2.</translation>
    </message>
    <message>
        <source>Клиенты не возвращены в картотеку %1: %2.</source>
        <translation>The clients were not brought back into the client book %1: %2.</translation>
    </message>
    <message>
        <source>запись %1 отложена: %2</source>
        <translation>the entry %1 was set aside: %2</translation>
    </message>
    <message>
        <source>Клиенты не удалены навсегда из картотеки %1: %2.</source>
        <translation>The clients were not removed for good from the client book %1: %2.</translation>
    </message>
</context>
<context>
    <name>BookCsv</name>
    <message>
        <source>. Прежний файл с этим именем, если он был, остался как был.</source>
        <translation>. A file of that name, if there was one, is as it was.</translation>
    </message>
    <message>
        <source>Клиенты из файла %1 не загружены: %2.</source>
        <translation>The clients from the file %1 were not loaded: %2.</translation>
    </message>
    <message>
        <source>такого файла нет или это не обычный файл</source>
        <translation>there is no such file, or it is not a regular file</translation>
    </message>
    <message>
        <source>файл не удаётся открыть для чтения</source>
        <translation>the file cannot be opened for reading</translation>
    </message>
    <message>
        <source>файл больше 50 МБ; разделите список на части</source>
        <translation>the file is larger than 50 MB; split the list into parts</translation>
    </message>
    <message>
        <source>с этой строки и дальше ещё строк с ошибками: %1</source>
        <translation>more lines with errors from this one on: %1</translation>
    </message>
    <message>
        <source>; картотека осталась прежней</source>
        <translation>; the client book is unchanged</translation>
    </message>
    <message>
        <source>загрузка отменена</source>
        <translation>the import was cancelled</translation>
    </message>
    <message>
        <source>файл вырос больше 50 МБ во время чтения</source>
        <translation>the file grew beyond 50 MB while it was being read</translation>
    </message>
    <message>
        <source>Журнал из файла %1 не загружен: %2; картотека осталась прежней.</source>
        <translation>The journal from the file %1 was not loaded: %2; the client book is unchanged.</translation>
    </message>
    <message>
        <source>первая строка не «%1»</source>
        <translation>the first line is not “%1”</translation>
    </message>
    <message>
        <source>полей %1, а в заголовке %2</source>
        <translation>fields: %1, in the header: %2</translation>
    </message>
    <message>
        <source>такого клиента в картотеке нет</source>
        <translation>the client book has no such client</translation>
    </message>
    <message>
        <source>вид не «сеанс» или «событие», или дата не в виде ДД.ММ.ГГГГ (сеанс), ММ.ГГГГ или ГГГГ (событие)</source>
        <translation>the kind is not “сеанс” or “событие”, or the date is not in the form DD.MM.YYYY (session), MM.YYYY or YYYY (event)</translation>
    </message>
</context>
<context>
    <name>BookPlace</name>
    <message>
        <source>Картотека клиентов %1 недоступна: %2 %3 — символическая ссылка. Программа не открывает свои файлы через ссылки, чтобы не изменить чужой файл. Замените ссылку настоящим файлом или папкой.</source>
        <translation>The client book %1 is unavailable: the %2 %3 is a symbolic link. The program does not open its files through links, so as not to change someone else&apos;s file. Replace the link with a real file or folder.</translation>
    </message>
    <message>
        <source>папка</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Не удалось создать папку картотеки клиентов %1: %2. Проверьте, что в папку данных разрешена запись и на диске есть место.</source>
        <translation>Could not create the client book&apos;s folder %1: %2. Check that the data folder can be written to and that the disk has room.</translation>
    </message>
    <message>
        <source>Не удалось создать папку картотеки клиентов %1: на её месте файл или другой объект.</source>
        <translation>Could not create the client book&apos;s folder %1: a file or something else is in its place.</translation>
    </message>
    <message>
        <source>Картотека клиентов %1 недоступна: папка %2 принадлежит другому пользователю.</source>
        <translation>The client book %1 is unavailable: the folder %2 belongs to another user.</translation>
    </message>
    <message>
        <source>Картотека клиентов %1 недоступна: папку %2 могут читать другие пользователи, а закрыть её от них не удалось: %3.</source>
        <translation>The client book %1 is unavailable: other users can read the folder %2, and it could not be closed to them: %3.</translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: в системе не найдена папка для данных пользователя.</source>
        <translation>The client book is unavailable: the system has no folder for the user&apos;s data.</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Не удалось создать файл картотеки клиентов %1: %2. Проверьте, что в папку разрешена запись и на диске есть место.</source>
        <translation>Could not create the client book file %1: %2. Check that the folder can be written to and that the disk has room.</translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: %1 — не файл картотеки, а папка или другой объект.</source>
        <translation>The client book is unavailable: %1 is not a client book file but a folder or something else.</translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: файл %1 могут читать другие пользователи, а закрыть его от них не удалось: %2.</source>
        <translation>The client book is unavailable: other users can read the file %1, and it could not be closed to them: %2.</translation>
    </message>
</context>
<context>
    <name>BookSchema</name>
    <message>
        <source>Файл картотеки клиентов %1 занят другой программой. Закройте её и откройте картотеку снова.</source>
        <translation>The client book file %1 is in use by another program. Close it and open the client book again.</translation>
    </message>
    <message>
        <source>Файл %1 не является картотекой клиентов или повреждён.</source>
        <translation>The file %1 is not a client book, or it is damaged.</translation>
    </message>
    <message>
        <source> Чтобы начать новую картотеку, переименуйте или перенесите этот файл.</source>
        <translation> To start a new client book, rename or move this file.</translation>
    </message>
    <message>
        <source>Не удалось прочитать картотеку клиентов %1: %2.</source>
        <translation>Could not read the client book %1: %2.</translation>
    </message>
    <message>
        <source>Файл %1 — база данных другой программы, а не картотека клиентов (%2).</source>
        <translation>The file %1 is another program&apos;s database, not a client book (%2).</translation>
    </message>
    <message>
        <source>в её заголовке метка другого приложения</source>
        <translation>its header carries another application&apos;s mark</translation>
    </message>
    <message>
        <source>Файл картотеки клиентов %1 записан более новой версией программы (версия картотеки %2, эта программа знает версии до %3).</source>
        <translation>The client book file %1 was written by a newer version of the program (client book version %2; this program knows versions up to %3).</translation>
    </message>
    <message>
        <source> Обновите программу.</source>
        <translation> Please update the program.</translation>
    </message>
    <message>
        <source>номер версии не картотеки</source>
        <translation>its version number is not a client book&apos;s</translation>
    </message>
    <message>
        <source>в ней есть чужие таблицы</source>
        <translation>it has tables that are not the client book&apos;s</translation>
    </message>
    <message>
        <source>таблицы не те, что у картотеки, или добавлены чужие триггеры и представления</source>
        <translation>its tables are not the client book&apos;s, or foreign triggers and views were added</translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: не установлен драйвер SQLite для Qt (пакет libqt6sql6-sqlite).</source>
        <translation>The client book is unavailable: Qt&apos;s SQLite driver is not installed (package libqt6sql6-sqlite).</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Неизвестный раздел «%1»: можно %2.</source>
        <translation>Unknown section “%1”; the sections are %2.</translation>
    </message>
    <message>
        <source>Не назван ни один раздел: можно aspects, cycle, years, happiness.</source>
        <translation>No section is named; the sections are aspects, cycle, years, happiness.</translation>
    </message>
    <message>
        <source>Ближайшие годы — число от %1 до %2, а не «%3».</source>
        <translation>The years ahead must be a number from %1 to %2, not “%3”.</translation>
    </message>
</context>
<context>
    <name>CatalogueLanguage</name>
    <message>
        <source>ru</source>
        <comment>the code of this catalogue&apos;s language: ru, uk or en</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>Client</name>
    <message>
        <source>не указаны ни фамилия, ни имя, ни отчество</source>
        <translation>neither a surname, nor a first name, nor a patronymic is given</translation>
    </message>
    <message>
        <source>Телефон</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Эл. почта</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>примечание длиннее %1 знаков</source>
        <translation>the note is longer than %1 characters</translation>
    </message>
    <message>
        <source>в примечании %1</source>
        <translation>in the note, %1</translation>
    </message>
    <message>
        <source>дата добавления не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ</source>
        <translation>the date added is not in the form YYYY-MM-DDTHH:MM:SSZ</translation>
    </message>
    <message>
        <source>дата последней печати не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ</source>
        <translation>the date last printed is not in the form YYYY-MM-DDTHH:MM:SSZ</translation>
    </message>
    <message>
        <source>Распечатка</source>
        <translation>Printout</translation>
    </message>
    <message>
        <source>Отчёт в PDF</source>
        <translation>PDF report</translation>
    </message>
    <message numerus="yes">
        <source>PDF: %n клиентов</source>
        <translation>
            <numerusform>PDF: %n client</numerusform>
            <numerusform>PDF: %n clients</numerusform>
        </translation>
    </message>
    <message>
        <source>Обращение</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>пол «%1» не понят: можно f или m (ж или м), или пусто</source>
        <translation>the gender “%1” is not understood: it may be f or m, or empty</translation>
    </message>
    <message>
        <source>Подробный отчёт, распечатка</source>
        <translation>Detailed reading, printout</translation>
    </message>
    <message>
        <source>Подробный отчёт в PDF</source>
        <translation>Detailed reading in PDF</translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты в PDF: %n клиентов</source>
        <translation>
            <numerusform>Detailed readings in PDF: %n client</numerusform>
            <numerusform>Detailed readings in PDF: %n clients</numerusform>
        </translation>
    </message>
    <message>
        <source>Сравнение, распечатка</source>
        <translation>Comparison, printout</translation>
    </message>
    <message>
        <source>Сравнение в PDF</source>
        <translation>Comparison in PDF</translation>
    </message>
    <message>
        <source>язык отчёта записан не кодом языка (ru, uk, en)</source>
        <translation>the report language is not written as a language code (ru, uk, en)</translation>
    </message>
    <message>
        <source>в примечании есть неполный символ (%1): уберите его</source>
        <translation>the note holds half a character (%1): remove it</translation>
    </message>
    <message>
        <source>(без имени)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Фамилия</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Отчество</source>
        <translation>Patronymic</translation>
    </message>
    <message>
        <source>Год рождения</source>
        <translation>Year of birth</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Добавлен</source>
        <translation>Added</translation>
    </message>
    <message>
        <source>Напечатан</source>
        <translation>Printed</translation>
    </message>
    <message>
        <source>Язык отчёта</source>
        <translation>Report language</translation>
    </message>
    <message numerus="yes">
        <source>поле «%1» длиннее %n знаков</source>
        <translation>
            <numerusform>the field “%1” is longer than %n character</numerusform>
            <numerusform>the field “%1” is longer than %n characters</numerusform>
        </translation>
    </message>
    <message>
        <source>не указан день или месяц рождения</source>
        <translation>the day or the month of birth is missing</translation>
    </message>
</context>
<context>
    <name>ClientBook</name>
    <message>
        <source> Программа этот файл не изменяет.</source>
        <translation> The program leaves this file as it is.</translation>
    </message>
    <message>
        <source>Файл картотеки клиентов %1 повреждён: проверка целостности не пройдена. Программа этот файл не изменяет. Сохраните копию файла и восстановите картотеку из резервной копии или перенесите файл, чтобы начать новую.</source>
        <translation>The client book file %1 is damaged: it failed the integrity check. The program leaves this file as it is. Save a copy of the file and restore the client book from a backup, or move the file away to start a new one.</translation>
    </message>
    <message>
        <source>Не удалось открыть картотеку клиентов %1: %2.</source>
        <translation>Could not open the client book %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось прочитать картотеку клиентов %1: %2.</source>
        <translation>Could not read the client book %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось подготовить картотеку клиентов %1: %2.</source>
        <translation>Could not prepare the client book %1: %2.</translation>
    </message>
    <message>
        <source>Не удалось обновить картотеку клиентов %1 до новой версии: %2.</source>
        <translation>Could not bring the client book %1 up to the new version: %2.</translation>
    </message>
    <message>
        <source> Картотека осталась прежней.</source>
        <translation> The client book is unchanged.</translation>
    </message>
    <message>
        <source>Клиент не сохранён: %1.</source>
        <translation>The client was not saved: %1.</translation>
    </message>
    <message>
        <source>Клиент не сохранён в картотеке %1: %2.</source>
        <translation>The client was not saved in the client book %1: %2.</translation>
    </message>
    <message>
        <source>Изменения не сохранены: %1.</source>
        <translation>The changes were not saved: %1.</translation>
    </message>
    <message>
        <source>Изменения не сохранены в картотеке %1: %2.</source>
        <translation>The changes were not saved in the client book %1: %2.</translation>
    </message>
    <message>
        <source>Изменения не сохранены: этого клиента уже нет в картотеке.</source>
        <translation>The changes were not saved: this client is no longer in the client book.</translation>
    </message>
    <message>
        <source>Клиент не удалён из картотеки %1: %2.</source>
        <translation>The client was not deleted from the client book %1: %2.</translation>
    </message>
    <message>
        <source>Клиенты не удалены из картотеки %1: %2.</source>
        <translation>The clients were not deleted from the client book %1: %2.</translation>
    </message>
    <message>
        <source>Имя клиента не исправлено: %1.</source>
        <translation>The client&apos;s name was not corrected: %1.</translation>
    </message>
    <message>
        <source>Имя клиента не исправлено в картотеке %1: %2.</source>
        <translation>The client&apos;s name was not corrected in the client book %1: %2.</translation>
    </message>
    <message>
        <source>Имя клиента не исправлено: этого клиента уже нет в картотеке.</source>
        <translation>The client&apos;s name was not corrected: this client is no longer in the client book.</translation>
    </message>
    <message>
        <source>Картотека клиентов сейчас восстанавливается из копии. Подождите.</source>
        <translation>The client book is being restored from a copy. Please wait.</translation>
    </message>
    <message>
        <source>Отметка «Связался» не сохранена: %1.</source>
        <translation>The “Contacted” mark was not saved: %1.</translation>
    </message>
    <message>
        <source>год %1 вне %2–%3</source>
        <translation>the year %1 is outside %2–%3</translation>
    </message>
    <message>
        <source>неверная дата</source>
        <translation>the date is not valid</translation>
    </message>
    <message>
        <source>этого клиента уже нет в картотеке</source>
        <translation>this client is no longer in the book</translation>
    </message>
</context>
<context>
    <name>ClientListReader</name>
    <message>
        <source>список больше %1 МБ; разделите его на части</source>
        <translation>the list is larger than %1 MB; split it into parts</translation>
    </message>
    <message>
        <source>ошибка чтения: %1</source>
        <translation>read error: %1</translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8, а кодировка Windows-1251 в системе недоступна</source>
        <translation>the text is not in UTF-8, and the Windows-1251 encoding is not available on this system</translation>
    </message>
    <message>
        <source>список пуст, в нём нет даже строки заголовков</source>
        <translation>the list is empty; it has not even a header line</translation>
    </message>
    <message>
        <source>первая строка не прочитана: %1</source>
        <translation>the first line could not be read: %1</translation>
    </message>
    <message>
        <source>в первой строке нет столбцов: %1</source>
        <translation>the first line lacks the columns %1</translation>
    </message>
    <message>
        <source> (дату можно дать и одним столбцом «Дата рождения»)</source>
        <translation> (the date can also be given as one column “Дата рождения”)</translation>
    </message>
    <message>
        <source>полей %1, а в заголовке %2</source>
        <translation>fields: %1, in the header: %2</translation>
    </message>
    <message>
        <source>поле «%1» слишком длинное</source>
        <translation>the field “%1” is too long</translation>
    </message>
    <message>
        <source>поле %1 слишком длинное</source>
        <translation>field %1 is too long</translation>
    </message>
    <message>
        <source>дата рождения не в виде ДД.ММ.ГГГГ</source>
        <translation>the date of birth is not in the form DD.MM.YYYY</translation>
    </message>
    <message>
        <source>в дате рождения «%1» год из %2: запишите год в четыре цифры</source>
        <translation>the year in the date of birth “%1” has %2: write the year with four digits</translation>
    </message>
    <message>
        <source>одной цифры</source>
        <translation>one digit</translation>
    </message>
    <message>
        <source>двух цифр</source>
        <translation>two digits</translation>
    </message>
</context>
<context>
    <name>ClientNames</name>
    <message>
        <source>один символ собран больше чем из %1 частей: уберите его</source>
        <translation>one character is made of more than %1 parts: remove it</translation>
    </message>
    <message>
        <source>на одной букве больше %1 диакритических знаков (ударений, точек и т. п.): уберите лишние</source>
        <translation>one letter carries more than %1 diacritical marks (accents, dots and the like): remove the extra ones</translation>
    </message>
    <message>
        <source>есть знак смены направления письма (%1): уберите его</source>
        <translation>there is a text direction mark (%1): remove it</translation>
    </message>
    <message>
        <source>В поле «%1» есть управляющий или неполный символ (%2): уберите его.</source>
        <translation>The field “%1” has a control or incomplete character (%2): remove it.</translation>
    </message>
    <message>
        <source>В поле «%1» %2.</source>
        <translation>In the field “%1”, %2.</translation>
    </message>
    <message>
        <source>Поле «%1» %2: %3.</source>
        <translation>The field “%1” is %2: %3.</translation>
    </message>
    <message numerus="yes">
        <source>длиннее %n знаков</source>
        <translation>
            <numerusform>longer than %n character</numerusform>
            <numerusform>longer than %n characters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>в нём %n знаков</source>
        <translation>
            <numerusform>it has %n character</numerusform>
            <numerusform>it has %n characters</numerusform>
        </translation>
    </message>
    <message>
        <source>Фамилия</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Отчество</source>
        <translation>Patronymic</translation>
    </message>
</context>
<context>
    <name>ClientRecords</name>
    <message numerus="yes">
        <source>%n записей журнала или событий не принадлежат ни одному клиенту</source>
        <translation>
            <numerusform>%n journal or event entry belongs to no client</numerusform>
            <numerusform>%n journal or event entries belong to no client</numerusform>
        </translation>
    </message>
    <message>
        <source>дата сеанса «%1» не в виде ГГГГ-ММ-ДД</source>
        <translation>the session date “%1” is not in the form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>журнал клиента «%1»: %2</source>
        <translation>the journal of the client “%1”: %2</translation>
    </message>
    <message>
        <source>события клиента «%1»: %2</source>
        <translation>the events of the client “%1”: %2</translation>
    </message>
    <message>
        <source>отметка «Связался» «%1» не в виде ГГГГ-ММ-ДД</source>
        <translation>the “Contacted” mark “%1” is not in the form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>дата сеанса не от 01.01.0001 до 31.12.9999</source>
        <translation>the session&apos;s date is not from 01.01.0001 to 31.12.9999</translation>
    </message>
    <message>
        <source>запись о сеансе пуста</source>
        <translation>the session entry is empty</translation>
    </message>
    <message>
        <source>в записи о сеансе неполный или нулевой символ</source>
        <translation>the session entry has an incomplete or null character</translation>
    </message>
    <message>
        <source>запись о сеансе длиннее %1 знаков</source>
        <translation>the session entry is longer than %1 characters</translation>
    </message>
    <message>
        <source>в записи о сеансе %1</source>
        <translation>in the session entry, %1</translation>
    </message>
    <message>
        <source>год события не от %1 до %2</source>
        <translation>the event&apos;s year is not from %1 to %2</translation>
    </message>
    <message>
        <source>месяц события не от 1 до 12</source>
        <translation>the event&apos;s month is not from 1 to 12</translation>
    </message>
    <message>
        <source>у события нет описания</source>
        <translation>the event has no description</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>событие %1 раньше рождения клиента (%2)</source>
        <translation>the event %1 is before the client&apos;s birth (%2)</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>кавычка открыта и не закрыта до конца файла</source>
        <translation>a quote is opened and not closed before the end of the file</translation>
    </message>
    <message>
        <source>текст после закрывающей кавычки</source>
        <translation>text after the closing quote</translation>
    </message>
    <message>
        <source>полей больше %1</source>
        <translation>more than %1 fields</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Переполнение</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Несоответствие типа</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Расчёт остановлен: %1.</source>
        <translation>The calculation stopped: %1.</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>файл не существует</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation>no permission to read it</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>путь к файлу проходит через файл, а не через папку</source>
        <translation>the path to the file goes through a file, not a folder</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>слишком много символических ссылок подряд</source>
        <translation>too many symbolic links in a row</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>поток закрыт</source>
        <translation>the stream is closed</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>устройство недоступно</source>
        <translation>the device is unavailable</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>читающая программа закрыла канал</source>
        <translation>the reading program closed the pipe</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>не удалось создать временную папку</source>
        <translation>could not create a temporary folder</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2.</source>
        <translation>Could not read the file “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>Такой даты нет: %1 %2 %3 года.</source>
        <translation>There is no such date: %1 %2 %3.</translation>
    </message>
    <message>
        <source>Выберите месяц и год рождения!</source>
        <translation>Please choose the month and the year of birth.</translation>
    </message>
    <message>
        <source>Введены не все данные</source>
        <translation>Some data are missing</translation>
    </message>
    <message>
        <source>Год рождения нужно ввести цифрами: число от 1 до 9999.</source>
        <translation>Enter the year of birth in digits: a number from 1 to 9999.</translation>
    </message>
    <message>
        <source>Неверный год рождения</source>
        <translation>Invalid year of birth</translation>
    </message>
    <message>
        <source>Неверная дата рождения</source>
        <translation>Invalid date of birth</translation>
    </message>
    <message>
        <source>День рождения — число от 1 до 31, а не %1.</source>
        <translation>The day of birth is a number from 1 to 31, not %1.</translation>
    </message>
    <message>
        <source>Месяц рождения — номер от 1 до 12, а не %1.</source>
        <translation>The month of birth is a number from 1 to 12, not %1.</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>разделы в нём вложены друг в друга глубже %1 уровней</source>
        <translation>its sections are nested more than %1 levels deep</translation>
    </message>
    <message>
        <source>для показа ему нужно больше %1 МБ памяти</source>
        <translation>showing it would take more than %1 MB of memory</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>the file was not found</translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>файл больше %1 МБ</source>
        <translation>the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>это не справка программы</source>
        <translation>it is not the program&apos;s help</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Справка — </source>
        <translation>Help — </translation>
    </message>
    <message>
        <source>Вернуться к предыдущему разделу (Alt+Стрелка влево)</source>
        <translation>Go back to the previous section (Alt+Left)</translation>
    </message>
    <message>
        <source>Открыть содержание справки</source>
        <translation>Open the help contents</translation>
    </message>
    <message>
        <source>Файл справки «%1» не найден.</source>
        <translation>The help file “%1” was not found.</translation>
    </message>
    <message>
        <source>Файл справки «%1» повреждён или не читается</source>
        <translation>The help file “%1” is damaged or cannot be read</translation>
    </message>
    <message>
        <source>

Он должен лежать в папке программы:
%1</source>
        <translation>

It belongs in the program&apos;s folder:
%1</translation>
    </message>
</context>
<context>
    <name>LineReader</name>
    <message>
        <source>стандартный ввод закрыт</source>
        <translation>standard input is closed</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
</context>
<context>
    <name>ListEncoding</name>
    <message>
        <source>строка не в кодировке UTF-8, как остальной список</source>
        <translation>the line is not in UTF-8 like the rest of the list</translation>
    </message>
    <message>
        <source>строка не в кодировке Windows-1251, как остальной список</source>
        <translation>the line is not in Windows-1251 like the rest of the list</translation>
    </message>
    <message>
        <source>ошибка чтения: %1</source>
        <translation>read error: %1</translation>
    </message>
    <message>
        <source>не удалось вернуться к началу файла</source>
        <translation>could not go back to the start of the file</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>не удалось создать папку %1</source>
        <translation>could not create the folder %1</translation>
    </message>
    <message>
        <source>принадлежит другому пользователю</source>
        <translation>it belongs to another user</translation>
    </message>
    <message>
        <source>это не обычный файл и не папка</source>
        <translation>it is neither a regular file nor a folder</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Zemtar - Прогноз</source>
        <translation>Zemtar - Forecast</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>превышен допустимый размер файла</source>
        <translation>the file size limit is exceeded</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>операция не разрешена</source>
        <translation>the operation is not permitted</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода на диске</source>
        <translation>a disk input/output error</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>файл или папка не существует</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>путь к файлу проходит через файл, а не через папку</source>
        <translation>the path to the file goes through a file, not a folder</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>путь ведёт через символическую ссылку или по кругу</source>
        <translation>the path goes through a symbolic link or round in a loop</translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>файл занят другой программой</source>
        <translation>the file is in use by another program</translation>
    </message>
    <message>
        <source>файл занят, попробуйте ещё раз</source>
        <translation>the file is busy; please try again</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>в системе открыто слишком много файлов</source>
        <translation>the system has too many files open</translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>устройство или канал недоступны</source>
        <translation>the device or pipe is unavailable</translation>
    </message>
    <message>
        <source>устройство недоступно</source>
        <translation>the device is unavailable</translation>
    </message>
    <message>
        <source>файл нельзя перенести на другой диск</source>
        <translation>the file cannot be moved to another disk</translation>
    </message>
    <message>
        <source>папка не пуста</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <source>недопустимое имя или действие</source>
        <translation>an invalid name or action</translation>
    </message>
    <message>
        <source>действие прервано</source>
        <translation>the action was interrupted</translation>
    </message>
    <message>
        <source>сетевой диск больше недоступен</source>
        <translation>the network drive is no longer available</translation>
    </message>
    <message>
        <source>истекло время ожидания</source>
        <translation>the wait timed out</translation>
    </message>
    <message>
        <source>канал закрыт с другой стороны</source>
        <translation>the pipe was closed at the other end</translation>
    </message>
    <message>
        <source>ошибка в запросе к базе данных</source>
        <translation>an error in a database query</translation>
    </message>
    <message>
        <source>нет прав на доступ к файлу</source>
        <translation>no permission to access the file</translation>
    </message>
    <message>
        <source>файл или его папка доступны только для чтения</source>
        <translation>the file or its folder is read-only</translation>
    </message>
    <message>
        <source>ошибка чтения или записи на диске</source>
        <translation>a disk read or write error</translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>диск заполнен</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>файл не удаётся открыть</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>файл заблокирован не так, как ожидалось</source>
        <translation>the file is locked in an unexpected way</translation>
    </message>
    <message>
        <source>устройство базы данных изменилось во время работы</source>
        <translation>the database&apos;s structure changed while in use</translation>
    </message>
    <message>
        <source>запись слишком велика</source>
        <translation>the record is too large</translation>
    </message>
    <message>
        <source>запись нарушает правила базы данных</source>
        <translation>the record breaks the database&apos;s rules</translation>
    </message>
    <message>
        <source>значение неподходящего типа</source>
        <translation>a value of the wrong type</translation>
    </message>
    <message>
        <source>внутренняя ошибка программы при работе с базой данных</source>
        <translation>an internal error of the program while working with the database</translation>
    </message>
    <message>
        <source>файл слишком велик для этой системы</source>
        <translation>the file is too large for this system</translation>
    </message>
    <message>
        <source>нет прав на доступ к базе данных</source>
        <translation>no permission to access the database</translation>
    </message>
    <message>
        <source>файл повреждён или не является базой данных</source>
        <translation>the file is damaged or is not a database</translation>
    </message>
    <message>
        <source>ошибка чтения</source>
        <translation>a read error</translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation>a write error</translation>
    </message>
    <message>
        <source>ошибка диска</source>
        <translation>a disk error</translation>
    </message>
    <message>
        <source>не хватает места или памяти</source>
        <translation>not enough room or memory</translation>
    </message>
    <message>
        <source>файл не удаётся удалить</source>
        <translation>the file cannot be deleted</translation>
    </message>
    <message>
        <source>файл не удаётся переименовать</source>
        <translation>the file cannot be renamed</translation>
    </message>
    <message>
        <source>ошибка перемещения по файлу</source>
        <translation>an error moving within the file</translation>
    </message>
    <message>
        <source>не удаётся изменить размер файла</source>
        <translation>the file&apos;s size cannot be changed</translation>
    </message>
    <message>
        <source>не удаётся изменить права доступа к файлу</source>
        <translation>the file&apos;s permissions cannot be changed</translation>
    </message>
    <message>
        <source>файл не удаётся скопировать</source>
        <translation>the file cannot be copied</translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>ошибка при работе с файлом</source>
        <translation>an error while working with the file</translation>
    </message>
    <message>
        <source>ошибка базы данных</source>
        <translation>a database error</translation>
    </message>
    <message>
        <source>ошибка базы данных (код %1)</source>
        <translation>a database error (code %1)</translation>
    </message>
</context>
<context>
    <name>ReportHistory</name>
    <message>
        <source>Отчёт не записан в историю клиента в картотеке %1: %2.</source>
        <translation>The report was not recorded in the client&apos;s history in the client book %1: %2.</translation>
    </message>
    <message>
        <source>этого клиента уже нет в картотеке</source>
        <translation>this client is no longer in the client book</translation>
    </message>
    <message>
        <source>Не удалось прочитать историю клиента в картотеке %1: %2.</source>
        <translation>Could not read the client&apos;s history in the client book %1: %2.</translation>
    </message>
    <message>
        <source>Клиент не записан в картотеку: %1.</source>
        <translation>The client was not added to the client book: %1.</translation>
    </message>
    <message>
        <source>Клиент не записан в картотеку %1: %2.</source>
        <translation>The client was not added to the client book %1: %2.</translation>
    </message>
    <message>
        <source>Отчёты не записаны в историю клиентов в картотеке %1: %2.</source>
        <translation>The reports were not recorded in the clients&apos; history in the client book %1: %2.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>папка %1 доступна только для чтения</source>
        <translation>the folder %1 is read-only</translation>
    </message>
    <message>
        <source>файл доступен только для чтения</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>имя файла не задано</source>
        <translation>no file name is given</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл, а устройство, канал или сокет</source>
        <translation>it is not a regular file but a device, a pipe or a socket</translation>
    </message>
    <message>
        <source>папка %1 не существует</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>%1 — не папка</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>файл записан не полностью</source>
        <translation>the file was not written completely</translation>
    </message>
    <message>
        <source>содержимое файла не удалось подготовить</source>
        <translation>the file&apos;s contents could not be prepared</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Подробности…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>Скрыть подробности</source>
        <translation>Hide details</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Программа уже запущена!</source>
        <translation>The program is already running!</translation>
    </message>
    <message>
        <source>Zemtar-прогноз</source>
        <translation>Zemtar Forecast</translation>
    </message>
</context>
<context>
    <name>SqliteDirect</name>
    <message>
        <source>в картотеке уже есть клиент с такими фамилией, именем, отчеством и датой рождения</source>
        <translation>the client book already has a client with this surname, first name, patronymic and date of birth</translation>
    </message>
    <message>
        <source>драйвер SQLite в Qt не тот, с которым собрана программа</source>
        <translation>Qt&apos;s SQLite driver is not the one the program was built with</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Файл текстов толкований «%1», строка %2: %3.</source>
        <translation>Interpretation texts file “%1”, line %2: %3.</translation>
    </message>
    <message>
        <source>Файл текстов толкований «%1»: %2.</source>
        <translation>Interpretation texts file “%1”: %2.</translation>
    </message>
    <message>
        <source>он больше 2 МБ, а файл текстов толкований не бывает таким большим; файл не прочитан</source>
        <translation>it is larger than 2 MB, and no interpretation texts file is that large; the file was not read</translation>
    </message>
    <message>
        <source>это не файл текстов толкований: его первая строка должна быть «zemtar-texts %1 ru»; файл не прочитан</source>
        <translation>it is not an interpretation texts file: its first line must be “zemtar-texts %1 ru”; the file was not read</translation>
    </message>
    <message>
        <source>он записан более новой версией программы (формат %1), а эта версия читает формат %2; файл не прочитан</source>
        <translation>it was written by a newer version of the program (format %1), and this version reads format %2; the file was not read</translation>
    </message>
    <message>
        <source>в нём нулевой байт</source>
        <translation>it contains a null byte</translation>
    </message>
    <message>
        <source>это не кодировка UTF-8</source>
        <translation>it is not in UTF-8</translation>
    </message>
    <message>
        <source>текст повреждён: %1; запись пропущена</source>
        <translation>the text is damaged: %1; the entry was skipped</translation>
    </message>
    <message>
        <source>текст повреждён: %1; запись [%2] пропущена</source>
        <translation>the text is damaged: %1; the entry [%2] was skipped</translation>
    </message>
    <message>
        <source>текст повреждён: %1</source>
        <translation>the text is damaged: %1</translation>
    </message>
    <message>
        <source>строка начинается с «[», но это не заголовок записи «[ключ]»; если это текст, поставьте перед «[» знак «\»; текст до следующей записи пропущен</source>
        <translation>the line starts with “[” but is not an entry heading “[key]”; if it is text, put “\” before the “[”; the text up to the next entry was skipped</translation>
    </message>
    <message>
        <source>заголовок «%1» записан не так: ожидалось «[ключ]» или «[ключ off]»; запись пропущена</source>
        <translation>the heading “%1” is malformed: “[key]” or “[key off]” was expected; the entry was skipped</translation>
    </message>
    <message>
        <source>неизвестный ключ [%1]; запись пропущена</source>
        <translation>unknown key [%1]; the entry was skipped</translation>
    </message>
    <message>
        <source>ключ [%1] повторён, он уже был в строке %2; повторная запись пропущена</source>
        <translation>the key [%1] is repeated (it was already on line %2); the repeated entry was skipped</translation>
    </message>
    <message>
        <source>запись [%1] нельзя выключить, выключаются только opening, closing и notice; её текст прочитан</source>
        <translation>the entry [%1] cannot be switched off, only opening, closing and notice can; its text was read</translation>
    </message>
    <message>
        <source>текст записи [%1] длиннее %2 знаков (в нём %3); запись пропущена</source>
        <translation>the text of the entry [%1] is longer than %2 characters (it has %3); the entry was skipped</translation>
    </message>
    <message>
        <source>Всего ошибок в файле: %1, показаны первые %2.</source>
        <translation>The file has %1 errors in all; the first %2 are shown.</translation>
    </message>
    <message>
        <source>Вместо того, что не удалось прочитать, взяты тексты программы.</source>
        <translation>The program&apos;s own texts are used in place of what could not be read.</translation>
    </message>
    <message>
        <source>Взяты тексты программы.</source>
        <translation>The program&apos;s own texts are used.</translation>
    </message>
    <message>
        <source>%1; запись [%2] пропущена</source>
        <translation>%1; the entry [%2] was skipped</translation>
    </message>
</context>
<context>
    <name>TextKeys</name>
    <message>
        <source>пик: наибольшая цифра жизни</source>
        <translation>peak: the largest digit of the life number</translation>
    </message>
    <message>
        <source>низшая точка: наименьшая цифра жизни</source>
        <translation>low point: the smallest digit of the life number</translation>
    </message>
    <message>
        <source>подъём после прошлого года</source>
        <translation>rise after last year</translation>
    </message>
    <message>
        <source>спад после прошлого года</source>
        <translation>fall after last year</translation>
    </message>
    <message>
        <source>тот же уровень, что в прошлом году</source>
        <translation>same level as last year</translation>
    </message>
    <message>
        <source>от 0 до 24 %</source>
        <translation>0 to 24 %</translation>
    </message>
    <message>
        <source>от 25 до 49 %</source>
        <translation>25 to 49 %</translation>
    </message>
    <message>
        <source>от 50 до 74 %</source>
        <translation>50 to 74 %</translation>
    </message>
    <message>
        <source>от 75 до 99 %</source>
        <translation>75 to 99 %</translation>
    </message>
    <message>
        <source>оба на пике в один год</source>
        <translation>both at a peak in the same year</translation>
    </message>
    <message>
        <source>оба в низшей точке в один год</source>
        <translation>both at a low point in the same year</translation>
    </message>
    <message>
        <source>один на пике, другой в низшей точке</source>
        <translation>one at a peak, the other at a low point</translation>
    </message>
    <message>
        <source>Вступление</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Заключение</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Оговорка</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>уровень %1</source>
        <translation>level %1</translation>
    </message>
    <message>
        <source>Аспекты</source>
        <translation>Aspects</translation>
    </message>
    <message>
        <source>4 и выше</source>
        <translation>4 and above</translation>
    </message>
    <message>
        <source>Жизненные силы</source>
        <translation>Life forces</translation>
    </message>
    <message>
        <source>Форма года</source>
        <translation>Shape of the year</translation>
    </message>
    <message>
        <source>Процент счастья</source>
        <translation>Happiness percentage</translation>
    </message>
    <message>
        <source>Двое</source>
        <translation>Two people</translation>
    </message>
    <message>
        <source>девочке</source>
        <translation>for a girl</translation>
    </message>
    <message>
        <source>женщине</source>
        <translation>for a woman</translation>
    </message>
    <message>
        <source>мальчику</source>
        <translation>for a boy</translation>
    </message>
    <message>
        <source>мужчине</source>
        <translation>for a man</translation>
    </message>
    <message>
        <source>Дети до 14 лет</source>
        <translation>Children under 14</translation>
    </message>
    <message>
        <source>все на пике в один год</source>
        <translation>all at their peak in the same year</translation>
    </message>
    <message>
        <source>все в низшей точке в один год</source>
        <translation>all at their lowest point in the same year</translation>
    </message>
    <message>
        <source>есть у всех</source>
        <translation>everyone has it</translation>
    </message>
    <message>
        <source>есть только у некоторых</source>
        <translation>only some have it</translation>
    </message>
    <message>
        <source>нет ни у кого</source>
        <translation>nobody has it</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>есть у обоих</source>
        <translation>both have it</translation>
    </message>
    <message>
        <source>есть только у одного</source>
        <translation>only one has it</translation>
    </message>
    <message>
        <source>нет ни у одного</source>
        <translation>neither has it</translation>
    </message>
</context>
<context>
    <name>TextSet</name>
    <message>
        <source>Текст длиннее %1 знаков: в нём %2. Сократите его, программа не обрезает текст сама.</source>
        <translation>The text is longer than %1 characters: it has %2. Please shorten it; the program does not cut texts itself.</translation>
    </message>
    <message>
        <source>В библиотеке нет записи [%1].</source>
        <translation>The library has no entry [%1].</translation>
    </message>
    <message>
        <source>В строке %1 текста %2.</source>
        <translation>In line %1 of the text: %2.</translation>
    </message>
</context>
<context>
    <name>TextStore</name>
    <message>
        <source>Файл текстов толкований «%1» не прочитан: %2.</source>
        <translation>The interpretation texts file “%1” was not read: %2.</translation>
    </message>
    <message>
        <source>«%1» — символическая ссылка, а программа не открывает свои файлы через ссылки, чтобы не изменить чужой файл</source>
        <translation>“%1” is a symbolic link, and the program does not open its files through links, so as not to change someone else&apos;s file</translation>
    </message>
    <message>
        <source>Тексты толкований не сохранены: %1. Прежние тексты остались как были.</source>
        <translation>The interpretation texts were not saved: %1. The previous texts are as they were.</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>Тексты толкований не прочитаны: %1. Взяты тексты программы.</source>
        <translation>The interpretation texts were not read: %1. The program&apos;s own texts are used.</translation>
    </message>
    <message>
        <source>Тексты толкований не прочитаны: на месте файла «%1» папка или другой объект. Взяты тексты программы.</source>
        <translation>The interpretation texts were not read: a folder or something else is in the place of the file “%1”. The program&apos;s own texts are used.</translation>
    </message>
    <message>
        <source>Файл текстов толкований «%1» написан на языке «%2», а не «%3». Взяты тексты программы.</source>
        <translation>The interpretation texts file “%1” is in the language “%2”, not “%3”. The program&apos;s own texts are used.</translation>
    </message>
    <message>
        <source>в системе не найдена папка для данных пользователя</source>
        <translation>the system has no folder for the user&apos;s data</translation>
    </message>
    <message>
        <source>не удалось создать папку «%1»: %2</source>
        <translation>could not create the folder “%1”: %2</translation>
    </message>
    <message>
        <source>папку «%1» могут читать другие пользователи, а закрыть её от них не удалось: %2</source>
        <translation>other users can read the folder “%1”, and it could not be closed to them: %2</translation>
    </message>
    <message>
        <source>на месте папки «%1» файл или другой объект</source>
        <translation>a file or something else is in the place of the folder “%1”</translation>
    </message>
    <message>
        <source>%1. Прежние тексты толкований остались как были.</source>
        <translation>%1. The previous interpretation texts are as they were.</translation>
    </message>
    <message>
        <source>Тексты толкований сохранены, но файл «%1» могут читать другие пользователи, а закрыть его от них не удалось: %2.</source>
        <translation>The interpretation texts were saved, but other users can read the file “%1”, and it could not be closed to them: %2.</translation>
    </message>
    <message>
        <source>Импорт отменить нельзя: прежние тексты толкований не сохранились.</source>
        <translation>The import cannot be undone: the previous interpretation texts were not kept.</translation>
    </message>
    <message>
        <source>Импорт не отменён: %1</source>
        <translation>The import was not undone: %1</translation>
    </message>
    <message>
        <source>Импорт не отменён. %1</source>
        <translation>The import was not undone. %1</translation>
    </message>
    <message>
        <source>В файле «%1» тексты на языке «%2», а правятся тексты на языке «%3». Чтобы импортировать их, выберите вверху окна язык текстов «%2». Ничего не изменено.</source>
        <translation>The texts in “%1” are in %2, and the texts being edited are in %3. To import them, choose %2 as the language of the texts at the top of the window. Nothing was changed.</translation>
    </message>
    <message>
        <source>это не обычный файл, а канал, устройство или сокет</source>
        <translation>it is not a regular file but a pipe, a device or a socket</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>файл %1 повреждён или не читается</source>
        <translation>the file %1 is damaged or cannot be read</translation>
    </message>
    <message>
        <source>в папке %1 нет файлов %2</source>
        <translation>the folder %1 has no %2 files</translation>
    </message>
    <message>
        <source>Каталоги языка «%1» не загружены (%2): тексты программы будут на русском.</source>
        <translation>The catalogues for “%1” were not loaded (%2): the program will speak Russian.</translation>
    </message>
</context>
<context>
    <name>Turning</name>
    <message>
        <source>Поворотные годы считаются для годов с %1 по %2, а не «%3».</source>
        <translation>Turning years are counted for the years %1 to %2, not “%3”.</translation>
    </message>
    <message>
        <source>Перемена — число уровней от %1 до %2, а не «%3».</source>
        <translation>A change is a number of levels from %1 to %2, not “%3”.</translation>
    </message>
    <message>
        <source>Поворотные годы считаются только до %1 года: календарь пуст.</source>
        <translation>Turning years are counted only up to %1: the calendar is empty.</translation>
    </message>
    <message>
        <source>Дата рождения позже %1 года: в календаре на %2–%1 годы нет событий.</source>
        <translation>The date of birth is later than %1: a calendar of %2–%1 has no events.</translation>
    </message>
    <message>
        <source>В %1–%2 годах поворотных лет нет: календарь пуст.</source>
        <translation>There are no turning years in %1–%2: the calendar is empty.</translation>
    </message>
</context>
<context>
    <name>TurningList</name>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Поворот</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Связался</source>
        <translation>Contacted</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>файл больше %1 МБ, а настройки занимают несколько строк</source>
        <translation>the file is larger than %1 MB, while the settings take a few lines</translation>
    </message>
    <message>
        <source>файл больше %1 МБ</source>
        <translation>the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>папка %1 — символическая ссылка или не папка</source>
        <translation>the folder %1 is a symbolic link or not a folder</translation>
    </message>
    <message>
        <source>это символическая ссылка</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <source>Файл настроек %1 не используется: %2.</source>
        <translation>The settings file %1 is not used: %2.</translation>
    </message>
    <message>
        <source>Выбор в меню действует до выхода из программы.</source>
        <translation>Choices made in the menus last until you quit the program.</translation>
    </message>
</context>
<context>
    <name>platform::MailProgram</name>
    <message>
        <source>xdg-email не принял письмо: адрес или текст записаны не так, как он ждёт</source>
        <translation>xdg-email did not accept the letter: the address or the text is not written the way it expects</translation>
    </message>
    <message>
        <source>на компьютере не найдена почтовая программа, которую xdg-email мог бы открыть</source>
        <translation>no mail program that xdg-email could open was found on this computer</translation>
    </message>
    <message>
        <source>почтовая программа рабочего стола не открылась (xdg-email: действие не удалось)</source>
        <translation>the desktop’s mail program did not open (xdg-email: the action failed)</translation>
    </message>
    <message>
        <source>xdg-email не смог прочитать приложенный файл</source>
        <translation>xdg-email could not read the attached file</translation>
    </message>
    <message>
        <source>xdg-email завершился с кодом %1</source>
        <translation>xdg-email ended with code %1</translation>
    </message>
    <message>
        <source>это не адрес электронной почты</source>
        <translation>this is not an e-mail address</translation>
    </message>
    <message>
        <source>на компьютере нет программы xdg-email (пакет xdg-utils)</source>
        <translation>the program xdg-email is not installed (package xdg-utils)</translation>
    </message>
    <message>
        <source>программа xdg-email не запускается</source>
        <translation>the program xdg-email does not start</translation>
    </message>
    <message>
        <source>в Windows не выбрана почтовая программа по умолчанию</source>
        <translation>no default mail program is chosen in Windows</translation>
    </message>
    <message>
        <source>почтовая программа не приняла адрес</source>
        <translation>the mail program did not accept the address</translation>
    </message>
    <message>
        <source>почтовая программа не смогла открыть файл</source>
        <translation>the mail program could not open the file</translation>
    </message>
    <message>
        <source>почтовая программа ответила кодом MAPI %1</source>
        <translation>the mail program answered with MAPI code %1</translation>
    </message>
    <message>
        <source>в Windows нет библиотеки почты MAPI32.DLL</source>
        <translation>Windows has no mail library MAPI32.DLL</translation>
    </message>
    <message>
        <source>почтовая программа Windows не умеет принимать письма от программ</source>
        <translation>the Windows mail program cannot take letters from other programs</translation>
    </message>
</context>
</TS>
