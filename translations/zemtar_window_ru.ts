<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru">
<context>
    <name>ui::BatchReport</name>
    <message numerus="yes">
        <source>Пропущены клиенты, для даты рождения которых нет прогноза (%n):</source>
        <translation>
            <numerusform>Пропущены клиенты, для даты рождения которых нет прогноза (%n):</numerusform>
            <numerusform>Пропущены клиенты, для даты рождения которых нет прогноза (%n):</numerusform>
            <numerusform>Пропущены клиенты, для даты рождения которых нет прогноза (%n):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…и ещё %n.</source>
        <translation>
            <numerusform>…и ещё %n.</numerusform>
            <numerusform>…и ещё %n.</numerusform>
            <numerusform>…и ещё %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Отчёты отправлены на принтер «%1»: страниц %n.</source>
        <translation>
            <numerusform>Отчёты отправлены на принтер «%1»: страниц %n.</numerusform>
            <numerusform>Отчёты отправлены на принтер «%1»: страниц %n.</numerusform>
            <numerusform>Отчёты отправлены на принтер «%1»: страниц %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Отчёты сохранены в файл «%1»: страниц %n.</source>
        <translation>
            <numerusform>Отчёты сохранены в файл «%1»: страниц %n.</numerusform>
            <numerusform>Отчёты сохранены в файл «%1»: страниц %n.</numerusform>
            <numerusform>Отчёты сохранены в файл «%1»: страниц %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты сохранены в файл «%1»: страниц %n.</source>
        <translation>
            <numerusform>Подробные отчёты сохранены в файл «%1»: страниц %n.</numerusform>
            <numerusform>Подробные отчёты сохранены в файл «%1»: страниц %n.</numerusform>
            <numerusform>Подробные отчёты сохранены в файл «%1»: страниц %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты отправлены на принтер «%1»: страниц %n.</source>
        <translation>
            <numerusform>Подробные отчёты отправлены на принтер «%1»: страниц %n.</numerusform>
            <numerusform>Подробные отчёты отправлены на принтер «%1»: страниц %n.</numerusform>
            <numerusform>Подробные отчёты отправлены на принтер «%1»: страниц %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты - %n клиентов.pdf</source>
        <translation>
            <numerusform>Подробные отчёты - %n клиент.pdf</numerusform>
            <numerusform>Подробные отчёты - %n клиента.pdf</numerusform>
            <numerusform>Подробные отчёты - %n клиентов.pdf</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::BinWindow</name>
    <message numerus="yes">
        <source>Удалённые клиенты хранятся здесь %n дней вместе с историей отчётов и всем, что было в карточке, а потом удаляются сами. Записи, отложенные при восстановлении из копии, потому что они нарушают правила картотеки, хранятся, пока вы их не удалите.</source>
        <translation>
            <numerusform>Удалённые клиенты хранятся здесь %n день вместе с историей отчётов и всем, что было в карточке, а потом удаляются сами. Записи, отложенные при восстановлении из копии, потому что они нарушают правила картотеки, хранятся, пока вы их не удалите.</numerusform>
            <numerusform>Удалённые клиенты хранятся здесь %n дня вместе с историей отчётов и всем, что было в карточке, а потом удаляются сами. Записи, отложенные при восстановлении из копии, потому что они нарушают правила картотеки, хранятся, пока вы их не удалите.</numerusform>
            <numerusform>Удалённые клиенты хранятся здесь %n дней вместе с историей отчётов и всем, что было в карточке, а потом удаляются сами. Записи, отложенные при восстановлении из копии, потому что они нарушают правила картотеки, хранятся, пока вы их не удалите.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Удалить навсегда выбранных: %n? Их уже нельзя будет вернуть, и их история отчётов тоже будет удалена.</source>
        <translation>
            <numerusform>Удалить навсегда выбранных: %n? Их уже нельзя будет вернуть, и их история отчётов тоже будет удалена.</numerusform>
            <numerusform>Удалить навсегда выбранных: %n? Их уже нельзя будет вернуть, и их история отчётов тоже будет удалена.</numerusform>
            <numerusform>Удалить навсегда выбранных: %n? Их уже нельзя будет вернуть, и их история отчётов тоже будет удалена.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::BookWindow</name>
    <message numerus="yes">
        <source>Удалить из картотеки выбранных клиентов: %n?</source>
        <translation>
            <numerusform>Удалить из картотеки выбранных клиентов: %n?</numerusform>
            <numerusform>Удалить из картотеки выбранных клиентов: %n?</numerusform>
            <numerusform>Удалить из картотеки выбранных клиентов: %n?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Копия картотеки сохранена в файл «%1»: %n клиентов.</source>
        <translation>
            <numerusform>Копия картотеки сохранена в файл «%1»: %n клиент.</numerusform>
            <numerusform>Копия картотеки сохранена в файл «%1»: %n клиента.</numerusform>
            <numerusform>Копия картотеки сохранена в файл «%1»: %n клиентов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Картотека восстановлена из копии «%1»: %n клиентов. Прежняя картотека сохранена в файле «%2».</source>
        <translation>
            <numerusform>Картотека восстановлена из копии «%1»: %n клиент. Прежняя картотека сохранена в файле «%2».</numerusform>
            <numerusform>Картотека восстановлена из копии «%1»: %n клиента. Прежняя картотека сохранена в файле «%2».</numerusform>
            <numerusform>Картотека восстановлена из копии «%1»: %n клиентов. Прежняя картотека сохранена в файле «%2».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Последняя копия картотеки сохранена %n дней назад, а картотека с тех пор менялась. Сохраните новую: Картотека → Сохранить копию…</source>
        <translation>
            <numerusform>Последняя копия картотеки сохранена %n день назад, а картотека с тех пор менялась. Сохраните новую: Картотека → Сохранить копию…</numerusform>
            <numerusform>Последняя копия картотеки сохранена %n дня назад, а картотека с тех пор менялась. Сохраните новую: Картотека → Сохранить копию…</numerusform>
            <numerusform>Последняя копия картотеки сохранена %n дней назад, а картотека с тех пор менялась. Сохраните новую: Картотека → Сохранить копию…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Картотека сохранена в файл «%1»: клиентов %n.</source>
        <translation>
            <numerusform>Картотека сохранена в файл «%1»: клиентов %n.</numerusform>
            <numerusform>Картотека сохранена в файл «%1»: клиентов %n.</numerusform>
            <numerusform>Картотека сохранена в файл «%1»: клиентов %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Из файла «%1» добавлено клиентов: %n.</source>
        <translation>
            <numerusform>Из файла «%1» добавлено клиентов: %n.</numerusform>
            <numerusform>Из файла «%1» добавлено клиентов: %n.</numerusform>
            <numerusform>Из файла «%1» добавлено клиентов: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Уже были в картотеке: %n.</source>
        <translation>
            <numerusform>Уже были в картотеке: %n.</numerusform>
            <numerusform>Уже были в картотеке: %n.</numerusform>
            <numerusform>Уже были в картотеке: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Не загружены строки с ошибками (%n):</source>
        <translation>
            <numerusform>Не загружены строки с ошибками (%n):</numerusform>
            <numerusform>Не загружены строки с ошибками (%n):</numerusform>
            <numerusform>Не загружены строки с ошибками (%n):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…и ещё %n.</source>
        <translation>
            <numerusform>…и ещё %n.</numerusform>
            <numerusform>…и ещё %n.</numerusform>
            <numerusform>…и ещё %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Записи копии, которые нарушают правила картотеки, не вошли в неё и отложены в «Удалённые клиенты» вместе с причиной (%n):</source>
        <translation>
            <numerusform>Записи копии, которые нарушают правила картотеки, не вошли в неё и отложены в «Удалённые клиенты» вместе с причиной (%n):</numerusform>
            <numerusform>Записи копии, которые нарушают правила картотеки, не вошли в неё и отложены в «Удалённые клиенты» вместе с причиной (%n):</numerusform>
            <numerusform>Записи копии, которые нарушают правила картотеки, не вошли в неё и отложены в «Удалённые клиенты» вместе с причиной (%n):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Всё удалённое, с историей отчётов, %n дней хранится в «Картотека → Удалённые клиенты…», откуда его можно вернуть; последнее удаление отменяет Ctrl+Z.</source>
        <translation>
            <numerusform>Всё удалённое, с историей отчётов, %n день хранится в «Картотека → Удалённые клиенты…», откуда его можно вернуть; последнее удаление отменяет Ctrl+Z.</numerusform>
            <numerusform>Всё удалённое, с историей отчётов, %n дня хранится в «Картотека → Удалённые клиенты…», откуда его можно вернуть; последнее удаление отменяет Ctrl+Z.</numerusform>
            <numerusform>Всё удалённое, с историей отчётов, %n дней хранится в «Картотека → Удалённые клиенты…», откуда его можно вернуть; последнее удаление отменяет Ctrl+Z.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Из файла «%1» добавлено записей журнала и событий: %n.</source>
        <translation>
            <numerusform>Из файла «%1» добавлена %n запись журнала и событий.</numerusform>
            <numerusform>Из файла «%1» добавлено записей журнала и событий: %n.</numerusform>
            <numerusform>Из файла «%1» добавлено записей журнала и событий: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::FrmMain</name>
    <message numerus="yes">
        <source>Подробный отчёт сохранён в файл «%1»: страниц %n.</source>
        <translation>
            <numerusform>Подробный отчёт сохранён в файл «%1»: %n страница.</numerusform>
            <numerusform>Подробный отчёт сохранён в файл «%1»: %n страницы.</numerusform>
            <numerusform>Подробный отчёт сохранён в файл «%1»: %n страниц.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробный отчёт отправлен на принтер «%1»: страниц %n.</source>
        <translation>
            <numerusform>Подробный отчёт отправлен на принтер «%1»: %n страница.</numerusform>
            <numerusform>Подробный отчёт отправлен на принтер «%1»: %n страницы.</numerusform>
            <numerusform>Подробный отчёт отправлен на принтер «%1»: %n страниц.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::TextsWindow</name>
    <message numerus="yes">
        <source>Изменено записей: %n</source>
        <translation>
            <numerusform>Изменено записей: %n</numerusform>
            <numerusform>Изменено записей: %n</numerusform>
            <numerusform>Изменено записей: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Тексты сохранены. Изменённых вами записей: %n.</source>
        <translation>
            <numerusform>Тексты сохранены. Изменённых вами записей: %n.</numerusform>
            <numerusform>Тексты сохранены. Изменённых вами записей: %n.</numerusform>
            <numerusform>Тексты сохранены. Изменённых вами записей: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Тексты записаны в файл «%1». Изменённых вами записей в нём: %n.</source>
        <translation>
            <numerusform>Тексты записаны в файл «%1». Изменённых вами записей в нём: %n.</numerusform>
            <numerusform>Тексты записаны в файл «%1». Изменённых вами записей в нём: %n.</numerusform>
            <numerusform>Тексты записаны в файл «%1». Изменённых вами записей в нём: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Импорт из файла «%1» изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать?</source>
        <translation>
            <numerusform>Импорт из файла «%1» изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать?</numerusform>
            <numerusform>Импорт из файла «%1» изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать?</numerusform>
            <numerusform>Импорт из файла «%1» изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл «%1» прочитан не целиком:
%2

Записи, которые не удалось прочитать, станут текстами программы. Импорт изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать прочитанное?</source>
        <translation>
            <numerusform>Файл «%1» прочитан не целиком:
%2

Записи, которые не удалось прочитать, станут текстами программы. Импорт изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать прочитанное?</numerusform>
            <numerusform>Файл «%1» прочитан не целиком:
%2

Записи, которые не удалось прочитать, станут текстами программы. Импорт изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать прочитанное?</numerusform>
            <numerusform>Файл «%1» прочитан не целиком:
%2

Записи, которые не удалось прочитать, станут текстами программы. Импорт изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать прочитанное?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Импортировано из файла «%1»: изменено записей %n. Прежние тексты вернёт «Отменить импорт».</source>
        <translation>
            <numerusform>Импортировано из файла «%1»: изменено записей %n. Прежние тексты вернёт «Отменить импорт».</numerusform>
            <numerusform>Импортировано из файла «%1»: изменено записей %n. Прежние тексты вернёт «Отменить импорт».</numerusform>
            <numerusform>Импортировано из файла «%1»: изменено записей %n. Прежние тексты вернёт «Отменить импорт».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::TurningWindow</name>
    <message numerus="yes">
        <source>Поворотные годы сохранены в файл «%1»: клиентов %n.</source>
        <translation>
            <numerusform>Поворотные годы сохранены в файл «%1»: клиентов %n.</numerusform>
            <numerusform>Поворотные годы сохранены в файл «%1»: клиентов %n.</numerusform>
            <numerusform>Поворотные годы сохранены в файл «%1»: клиентов %n.</numerusform>
        </translation>
    </message>
</context>
</TS>
