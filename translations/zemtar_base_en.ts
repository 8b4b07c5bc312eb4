<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>BookBackup</name>
    <message>
        <source>такого файла нет или это не обычный файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копия %1 повреждена или записана не до конца: проверка целостности не пройдена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 — не копия картотеки клиентов: это не база данных.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 — не копия картотеки клиентов: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать копию %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в её заголовке метка другого приложения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копия %1 сделана более новой версией программы (версия картотеки %2, эта программа знает версии до %3). Обновите программу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в ней нет таблиц картотеки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копию %1 не удалось обновить до нынешней версии картотеки: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копия картотеки не сохранена. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это символическая ссылка, а программа не пишет копию через ссылки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это файл самой картотеки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копия картотеки не сохранена. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Картотека осталась прежней.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 — это сама картотека, а не её копия.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 до восстановления %2.sqlite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картотеку сейчас держит другая программа (или другое окно этой программы). Закройте её и восстановите копию снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось заменить картотеку %1 копией: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookCsv</name>
    <message>
        <source>. Прежний файл с этим именем, если он был, остался как был.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клиенты из файла %1 не загружены: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>такого файла нет или это не обычный файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удаётся открыть для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл больше 50 МБ; разделите список на части</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с этой строки и дальше ещё строк с ошибками: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; картотека осталась прежней</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>загрузка отменена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл вырос больше 50 МБ во время чтения</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookPlace</name>
    <message>
        <source>Картотека клиентов %1 недоступна: %2 %3 — символическая ссылка. Программа не открывает свои файлы через ссылки, чтобы не изменить чужой файл. Замените ссылку настоящим файлом или папкой.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось создать папку картотеки клиентов %1: %2. Проверьте, что в папку данных разрешена запись и на диске есть место.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось создать папку картотеки клиентов %1: на её месте файл или другой объект.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картотека клиентов %1 недоступна: папка %2 принадлежит другому пользователю.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картотека клиентов %1 недоступна: папку %2 могут читать другие пользователи, а закрыть её от них не удалось: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: в системе не найдена папка для данных пользователя.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось создать файл картотеки клиентов %1: %2. Проверьте, что в папку разрешена запись и на диске есть место.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: %1 — не файл картотеки, а папка или другой объект.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: файл %1 могут читать другие пользователи, а закрыть его от них не удалось: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookSchema</name>
    <message>
        <source>Файл картотеки клиентов %1 занят другой программой. Закройте её и откройте картотеку снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 не является картотекой клиентов или повреждён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Чтобы начать новую картотеку, переименуйте или перенесите этот файл.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать картотеку клиентов %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 — база данных другой программы, а не картотека клиентов (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в её заголовке метка другого приложения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл картотеки клиентов %1 записан более новой версией программы (версия картотеки %2, эта программа знает версии до %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Обновите программу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номер версии не картотеки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в ней есть чужие таблицы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>таблицы не те, что у картотеки, или добавлены чужие триггеры и представления</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Картотека клиентов недоступна: не установлен драйвер SQLite для Qt (пакет libqt6sql6-sqlite).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Client</name>
    <message>
        <source>не указаны ни фамилия, ни имя, ни отчество</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в примечании %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>день рождения не от 1 до 31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>месяц рождения не от 1 до 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>год рождения не записан цифрами от 1 до 9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>дата добавления не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>дата последней печати не в виде ГГГГ-ММ-ДДTЧЧ:ММ:ССZ</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>ClientBook</name>
    <message>
        <source> Программа этот файл не изменяет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл картотеки клиентов %1 повреждён: проверка целостности не пройдена. Программа этот файл не изменяет. Сохраните копию файла и восстановите картотеку из резервной копии или перенесите файл, чтобы начать новую.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть картотеку клиентов %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать картотеку клиентов %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось подготовить картотеку клиентов %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось обновить картотеку клиентов %1 до новой версии: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Картотека осталась прежней.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клиент не сохранён: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клиент не сохранён в картотеке %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменения не сохранены: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменения не сохранены в картотеке %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменения не сохранены: этого клиента уже нет в картотеке.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клиент не удалён из картотеки %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клиенты не удалены из картотеки %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя клиента не исправлено: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя клиента не исправлено в картотеке %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя клиента не исправлено: этого клиента уже нет в картотеке.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientListReader</name>
    <message>
        <source>список больше %1 МБ; разделите его на части</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка чтения: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8, а кодировка Windows-1251 в системе недоступна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>список пуст, в нём нет даже строки заголовков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>первая строка не прочитана: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в первой строке нет столбцов: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (дату можно дать и одним столбцом «Дата рождения»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>полей %1, а в заголовке %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле «%1» слишком длинное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле %1 слишком длинное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>дата рождения не в виде ДД.ММ.ГГГГ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в дате рождения «%1» год из %2: запишите год в четыре цифры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>одной цифры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>двух цифр</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientNames</name>
    <message>
        <source>один символ собран больше чем из %1 частей: уберите его</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на одной букве больше %1 диакритических знаков (ударений, точек и т. п.): уберите лишние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>есть знак смены направления письма (%1): уберите его</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В поле «%1» есть управляющий или неполный символ (%2): уберите его.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В поле «%1» %2.</source>
        <translation type="unfinished"></translation>
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
    <name>Csv</name>
    <message>
        <source>кавычка открыта и не закрыта до конца файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>текст после закрывающей кавычки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>полей больше %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>путь к файлу проходит через файл, а не через папку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком много символических ссылок подряд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поток закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>устройство недоступно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>читающая программа закрыла канал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation type="unfinished">it is not a regular file</translation>
    </message>
    <message>
        <source>не удалось создать временную папку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать файл «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Forecast</name>
    <message>
        <source>Такой даты нет: %1 %2 %3 года.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выберите месяц и год рождения!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Введены не все данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год рождения нужно ввести цифрами: число от 1 до 9999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный год рождения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверная дата рождения</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>разделы в нём вложены друг в друга глубже %1 уровней</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>для показа ему нужно больше %1 МБ памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation type="unfinished">the file cannot be read</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation type="unfinished">it is not a regular file</translation>
    </message>
    <message>
        <source>файл больше %1 МБ</source>
        <translation type="unfinished">the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>это не справка программы</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Назад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка — </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вернуться к предыдущему разделу (Alt+Стрелка влево)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть содержание справки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл справки «%1» не найден.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл справки «%1» повреждён или не читается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Он должен лежать в папке программы:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineReader</name>
    <message>
        <source>стандартный ввод закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListEncoding</name>
    <message>
        <source>строка не в кодировке UTF-8, как остальной список</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строка не в кодировке Windows-1251, как остальной список</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка чтения: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удалось вернуться к началу файла</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>не удалось создать папку %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>принадлежит другому пользователю</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл и не папка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>на диске нет места</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>превышен допустимый размер файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>операция не разрешена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка ввода-вывода на диске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл или папка не существует</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>путь к файлу проходит через файл, а не через папку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>путь ведёт через символическую ссылку или по кругу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл уже существует</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл занят другой программой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл занят, попробуйте ещё раз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в системе открыто слишком много файлов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не хватает памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>устройство или канал недоступны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>устройство недоступно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл нельзя перенести на другой диск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папка не пуста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>недопустимое имя или действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>действие прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сетевой диск больше недоступен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>истекло время ожидания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>канал закрыт с другой стороны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка в запросе к базе данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет прав на доступ к файлу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл или его папка доступны только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка чтения или записи на диске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл повреждён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>диск заполнен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удаётся открыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл заблокирован не так, как ожидалось</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>устройство базы данных изменилось во время работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись слишком велика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись нарушает правила базы данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>значение неподходящего типа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>внутренняя ошибка программы при работе с базой данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл слишком велик для этой системы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет прав на доступ к базе данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл повреждён или не является базой данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка диска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не хватает места или памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удаётся удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удаётся переименовать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка перемещения по файлу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удаётся изменить размер файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удаётся изменить права доступа к файлу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не удаётся скопировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка при работе с файлом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка базы данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка базы данных (код %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportHistory</name>
    <message>
        <source>Отчёт не записан в историю клиента в картотеке %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>этого клиента уже нет в картотеке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать историю клиента в картотеке %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клиент не записан в картотеку: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клиент не записан в картотеку %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёты не записаны в историю клиентов в картотеке %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>папка %1 доступна только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл доступен только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>имя файла не задано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл, а устройство, канал или сокет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папка %1 не существует</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — не папка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл записан не полностью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>содержимое файла не удалось подготовить</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteDirect</name>
    <message>
        <source>в картотеке уже есть клиент с такими фамилией, именем, отчеством и датой рождения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>драйвер SQLite в Qt не тот, с которым собрана программа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не хватило памяти</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Файл текстов толкований «%1», строка %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл текстов толкований «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>он больше 2 МБ, а файл текстов толкований не бывает таким большим; файл не прочитан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не файл текстов толкований: его первая строка должна быть «zemtar-texts %1 ru»; файл не прочитан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>он записан более новой версией программы (формат %1), а эта версия читает формат %2; файл не прочитан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в нём нулевой байт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не кодировка UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>текст повреждён: %1; запись пропущена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>текст повреждён: %1; запись [%2] пропущена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>текст повреждён: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строка начинается с «[», но это не заголовок записи «[ключ]»; если это текст, поставьте перед «[» знак «\»; текст до следующей записи пропущен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заголовок «%1» записан не так: ожидалось «[ключ]» или «[ключ off]»; запись пропущена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный ключ [%1]; запись пропущена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ключ [%1] повторён, он уже был в строке %2; повторная запись пропущена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись [%1] нельзя выключить, выключаются только opening, closing и notice; её текст прочитан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>текст записи [%1] длиннее %2 знаков (в нём %3); запись пропущена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Всего ошибок в файле: %1, показаны первые %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вместо того, что не удалось прочитать, взяты тексты программы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Взяты тексты программы.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextSet</name>
    <message>
        <source>Текст длиннее %1 знаков: в нём %2. Сократите его, программа не обрезает текст сама.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В библиотеке нет записи [%1].</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextStore</name>
    <message>
        <source>Файл текстов толкований «%1» не прочитан: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» — символическая ссылка, а программа не открывает свои файлы через ссылки, чтобы не изменить чужой файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тексты толкований не сохранены: %1. Прежние тексты остались как были.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тексты толкований не прочитаны: %1. Взяты тексты программы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тексты толкований не прочитаны: на месте файла «%1» папка или другой объект. Взяты тексты программы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл текстов толкований «%1» написан на языке «%2», а не «%3». Взяты тексты программы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в системе не найдена папка для данных пользователя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удалось создать папку «%1»: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папку «%1» могут читать другие пользователи, а закрыть её от них не удалось: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на месте папки «%1» файл или другой объект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Прежние тексты толкований остались как были.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тексты толкований сохранены, но файл «%1» могут читать другие пользователи, а закрыть его от них не удалось: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» написан на языке «%2», а правятся тексты на языке «%3». Ничего не изменено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Импорт отменить нельзя: прежние тексты толкований не сохранились.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Импорт не отменён: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Импорт не отменён. %1</source>
        <translation type="unfinished"></translation>
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
        <source>файл не читается</source>
        <translation>the file cannot be read</translation>
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
</TS>
