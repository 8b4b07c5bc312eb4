<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Batch</name>
    <message>
        <source>стандартный ввод</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>файл %1</source>
        <translation>file %1</translation>
    </message>
    <message>
        <source>Не удалось прочитать %1: %2
</source>
        <translation>Could not read %1: %2
</translation>
    </message>
    <message>
        <source>В строке нулевой байт: строка не принята.</source>
        <translation>The line has a null byte in it: the line was not accepted.</translation>
    </message>
    <message>
        <source>Нужны три значения: день, месяц и год.</source>
        <translation>Three values are needed: the day, the month and the year.</translation>
    </message>
    <message>
        <source>Строка длиннее %1 байт: строка не принята.</source>
        <translation>The line is longer than %1 bytes: the line was not accepted.</translation>
    </message>
</context>
<context>
    <name>BookletCli</name>
    <message>
        <source>Тексты в файле «%1» — на языке %2, а отчёт — на %3: взяты тексты программы.</source>
        <translation>The texts in the file “%1” are in %2, but the report is in %3: the program’s own texts are used.</translation>
    </message>
</context>
<context>
    <name>ClientsCli</name>
    <message>
        <source>стандартный ввод закрыт</source>
        <translation>standard input is closed</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>Строка %1 %2 пропущена: %3
</source>
        <translation>Skipped line %1 of %2: %3
</translation>
    </message>
    <message>
        <source>стандартного ввода</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>файла «%1»</source>
        <translation>the file “%1”</translation>
    </message>
    <message>
        <source>Не удалось прочитать список клиентов из %1: %2. Отчёты не записаны.</source>
        <translation>Could not read the client list from %1: %2. No reports were written.</translation>
    </message>
    <message>
        <source>%1 — не список клиентов: %2. Отчёты не записаны.</source>
        <translation>%1 is not a client list: %2. No reports were written.</translation>
    </message>
    <message>
        <source>Стандартный ввод</source>
        <translation>Standard input</translation>
    </message>
    <message>
        <source>Файл «%1»</source>
        <translation>The file “%1”</translation>
    </message>
    <message>
        <source>Не удалось дочитать список клиентов из %1: %2. Файл «%3» не записан.</source>
        <translation>Could not read the client list from %1 to the end: %2. The file “%3” was not written.</translation>
    </message>
    <message>
        <source> Отчёты записаны без логотипа.</source>
        <translation> The reports were written without the logo.</translation>
    </message>
</context>
<context>
    <name>CompanionIo</name>
    <message>
        <source>Не удалось записать в стандартный вывод: %1
</source>
        <translation>Could not write to standard output: %1
</translation>
    </message>
</context>
<context>
    <name>CompareCli</name>
    <message>
        <source>После %1 нужны фамилия, имя и отчество через пробел: слов %2, а их не больше трёх.</source>
        <translation>%1 takes a surname, a first name and a patronymic separated by spaces: there are %2 words, and three at most are allowed.</translation>
    </message>
    <message>
        <source>После %1: %2</source>
        <translation>After %1: %2</translation>
    </message>
    <message>
        <source>Год после %1 должен быть числом от 1 до %2.</source>
        <translation>The year after %1 must be a number from 1 to %2.</translation>
    </message>
    <message>
        <source>--practitioner, --contact и --logo нужны только с --pdf.</source>
        <translation>--practitioner, --contact and --logo are only used with --pdf.</translation>
    </message>
    <message>
        <source>Для сравнения нужны шесть значений: день, месяц и год первого человека, затем второго.</source>
        <translation>A comparison needs six values: the day, month and year of the first person, then of the second.</translation>
    </message>
    <message>
        <source>Первый человек</source>
        <translation>First person</translation>
    </message>
    <message>
        <source>Второй человек</source>
        <translation>Second person</translation>
    </message>
    <message>
        <source>Первый год промежутка (%1) позже последнего (%2).</source>
        <translation>The first year of the span (%1) is later than the last (%2).</translation>
    </message>
    <message>
        <source>Промежуток %1–%2 длиннее %3 лет.</source>
        <translation>The span %1–%2 is longer than %3 years.</translation>
    </message>
    <message>
        <source>Использование: zemtar-forecast --compare ДЕНЬ1 МЕСЯЦ1 ГОД1 ДЕНЬ2 МЕСЯЦ2 ГОД2
                               [--from ГОД] [--to ГОД] [--json] [--pdf ФАЙЛ]
                               [--booklet [--texts ФАЙЛ]]
                               [--first-person ТЕКСТ] [--second-person ТЕКСТ]
                               [--practitioner ИМЯ [--contact СТРОКА]... [--logo ФАЙЛ]]
  Два прогноза рядом: уровень жизненных сил каждого в каждый год промежутка
  и годы, когда оба на своём максимуме или оба на своём минимуме.
  --from, --to  первый и последний год (не больше 500 лет); без них — этот
                год и ещё 20 лет, как в окне сравнения
  --first-person ТЕКСТ, --second-person ТЕКСТ
                «Фамилия Имя Отчество» первого и второго человека для
                страницы и текста (слова через пробел, можно не все)
  --json        вывести сравнение одним объектом JSON
  --lang ЯЗЫК   язык текста, JSON и страницы: ru, uk или en (по умолчанию ru)
  --pdf ФАЙЛ    сохранить страницу сравнения в файл PDF
  --booklet     с толкованием: тексты об общих пиках и спадах и об аспектах
                (в тексте после сравнения, в PDF — страницы после страницы
                сравнения, в JSON — под ключом texts)
  --texts ФАЙЛ  свои тексты толкований (файл экспорта из окна «Тексты
                толкований»; только с --booklet)
  --practitioner ИМЯ, --contact СТРОКА (до трёх раз), --logo ФАЙЛ
                бланк практика на странице вместо строк программы (только с --pdf)
</source>
        <translation>Usage: zemtar-forecast --compare DAY1 MONTH1 YEAR1 DAY2 MONTH2 YEAR2
                       [--from YEAR] [--to YEAR] [--json] [--pdf FILE]
                       [--booklet [--texts FILE]]
                       [--first-person TEXT] [--second-person TEXT]
                       [--practitioner NAME [--contact LINE]... [--logo FILE]]
  Two forecasts side by side: each person&apos;s vital energy in every year of
  the span, and the years when both are at their highest or both at their
  lowest.
  --from, --to  the first and the last year (500 years at most); without
                them, this year and the next 20, as in the comparison window
  --first-person TEXT, --second-person TEXT
                the first and the second person&apos;s “Surname First-name
                Patronymic” for the page and the text (words separated by
                spaces, not all of them needed)
  --json        print the comparison as one JSON object
  --lang LANG   the language of the text, the JSON and the page: ru, uk
                or en (ru by default)
  --pdf FILE    save the comparison page to a PDF file
  --booklet     with the reading: texts on the shared peaks and lows and on
                the aspects (in the text after the comparison, in the PDF on
                pages after the comparison page, in JSON under the key texts)
  --texts FILE  your own interpretation texts (a file exported from the
                “Interpretation Texts” window; only with --booklet)
  --practitioner NAME, --contact LINE (up to three times), --logo FILE
                your letterhead on the page instead of the program&apos;s lines
                (only with --pdf)
</translation>
    </message>
    <message>
        <source>Имя файла после %1 не может быть пустым.</source>
        <translation>The file name after %1 cannot be empty.</translation>
    </message>
    <message>
        <source>--texts нужен только с --booklet.</source>
        <translation>--texts is only used with --booklet.</translation>
    </message>
    <message>
        <source>Использование: zemtar-forecast --group --person ТЕКСТ ДЕНЬ МЕСЯЦ ГОД
                               --person ТЕКСТ ДЕНЬ МЕСЯЦ ГОД [--person ...]
                               [--from ГОД] [--to ГОД] [--json] [--pdf ФАЙЛ]
                               [--booklet [--texts ФАЙЛ]]
                               [--practitioner ИМЯ [--contact СТРОКА]... [--logo ФАЙЛ]]
  От двух до шести прогнозов на одном календаре: уровень жизненных сил
  каждого в каждый год промежутка, годы, когда все на своём максимуме или все
  на своём минимуме, и аспекты, которые есть у всех и только у некоторых.
  --person ТЕКСТ ДЕНЬ МЕСЯЦ ГОД
                «Фамилия Имя Отчество» (слова через пробел, можно не все,
                можно пустой текст) и дата рождения; от 2 до 6 раз, по порядку
  --from, --to  первый и последний год (не больше 500 лет); без них — этот
                год и ещё 20 лет, как в окне
  --json        вывести группу одним объектом JSON: people (объект прогноза
                каждого с его name), years (year и levels, null до рождения),
                allHighest и allLowest
  --lang ЯЗЫК   язык текста, JSON и страницы: ru, uk или en (по умолчанию ru)
  --pdf ФАЙЛ    сохранить страницу в файл PDF
  --booklet     с толкованием: тексты об общих пиках и спадах и об аспектах
                (в тексте после группы, в PDF — страницы после первой,
                в JSON — под ключом texts)
  --texts ФАЙЛ  свои тексты толкований (только с --booklet)
  --practitioner ИМЯ, --contact СТРОКА (до трёх раз), --logo ФАЙЛ
                бланк практика на странице вместо строк программы (только с --pdf)
</source>
        <translation>Usage: zemtar-forecast --group --person TEXT DAY MONTH YEAR
                       --person TEXT DAY MONTH YEAR [--person ...]
                       [--from YEAR] [--to YEAR] [--json] [--pdf FILE]
                       [--booklet [--texts FILE]]
                       [--practitioner NAME [--contact LINE]... [--logo FILE]]
  Two to six forecasts on one calendar: each person&apos;s level of life forces
  in every year of the span, the years all are at their highest or all at
  their lowest, and the aspects everyone has and those only some have.
  --person TEXT DAY MONTH YEAR
                &quot;Surname Name Patronymic&quot; (words separated by spaces, not all
                needed, the text may be empty) and the date of birth; 2 to 6
                times, in order
  --from, --to  the first and the last year (500 years at most); without
                them, this year and the 20 after it, as in the window
  --json        print the group as one JSON object: people (each one&apos;s
                forecast object with its name), years (year and levels, null
                before a birth), allHighest and allLowest
  --lang LANG   the language of the text, the JSON and the page: ru, uk or en
                (ru by default)
  --pdf FILE    save the page to a PDF file
  --booklet     with the interpretation: texts on the shared peaks and lows
                and on the aspects (after the group in the text, on pages
                after the first in the PDF, under the key texts in the JSON)
  --texts FILE  your own interpretation texts (only with --booklet)
  --practitioner NAME, --contact LINE (up to three times), --logo FILE
                the practitioner&apos;s letterhead on the page instead of the
                program&apos;s lines (only with --pdf)
</translation>
    </message>
    <message>
        <source>Человек %1</source>
        <translation>Person %1</translation>
    </message>
    <message>
        <source>С %1 нельзя указать %2.</source>
        <translation>%2 cannot be given with %1.</translation>
    </message>
    <message>
        <source>Для --group нужно от %1 до %2 человек, каждый после --person: «Фамилия Имя» ДЕНЬ МЕСЯЦ ГОД; указано %3.</source>
        <translation>--group needs %1 to %2 people, each after --person: &quot;Surname Name&quot; DAY MONTH YEAR; %3 given.</translation>
    </message>
    <message>
        <source>После каждого --person нужны имя в кавычках, день, месяц и год: для %1 человек нужно %2 значений даты, а их %3.</source>
        <translation>Each --person needs a name in quotes, a day, a month and a year: %1 people need %2 date values, and there are %3.</translation>
    </message>
    <message>
        <source>--compare и --group нельзя указать вместе.</source>
        <translation>--compare and --group cannot be given together.</translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>День «%1» не принят: нужно число от 1 до 31.</source>
        <translation>The day “%1” was not accepted: it must be a number from 1 to 31.</translation>
    </message>
    <message>
        <source>Месяц «%1» не принят: нужен номер от 1 до 12 или название месяца.</source>
        <translation>The month “%1” was not accepted: it must be a number from 1 to 12 or the month’s Russian name.</translation>
    </message>
    <message>
        <source>Год «%1» не принят: в поле года помещается не больше 4 символов.</source>
        <translation>The year “%1” was not accepted: the year field holds 4 characters at most.</translation>
    </message>
    <message>
        <source>Год «%1» вне диапазона от 1 до 9999: поле года заменило бы его на %2, прогноз не составлен.</source>
        <translation>The year “%1” is outside 1 to 9999: the year field would change it to %2, so no forecast was made.</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source> Отчёт записан без логотипа.</source>
        <translation> The report was written without the logo.</translation>
    </message>
    <message>
        <source> Страница записана без логотипа.</source>
        <translation> The page was written without the logo.</translation>
    </message>
    <message>
        <source> Карточка записана без логотипа.</source>
        <translation> The card was written without the logo.</translation>
    </message>
</context>
<context>
    <name>DrawingLoader</name>
    <message>
        <source>Не удалось загрузить библиотеку рисования %1: её нет рядом с программой или она повреждена; переустановите программу.</source>
        <translation>Could not load the drawing library %1: it is missing from the program’s folder or damaged; please reinstall the program.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Использование: zemtar [ПАРАМЕТРЫ]
Открывает окно программы «Zemtar - Прогноз»: нумерологический прогноз жизни
по дате рождения (кривая жизненных сил, процент счастья, квадрат аспектов).

Параметры:
  -h, --help     показать эту справку и выйти
  -v, --version  показать версию программы и выйти

Принимаются и стандартные параметры Qt (например, -platform, -style).
Прогноз без окна: zemtar-forecast --help.
</source>
        <translation>Usage: zemtar [OPTIONS]
Opens the window of “Zemtar - Forecast”: a numerological forecast of a life
from the date of birth (the vital energy curve, the happiness percentage,
the square of aspects).

Options:
  -h, --help     show this help and exit
  -v, --version  show the program&apos;s version and exit

Qt&apos;s standard options are accepted too (for example, -platform, -style).
A forecast without the window: zemtar-forecast --help.
</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>После %1 нужно значение.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>Неизвестный параметр: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>С --clients имена берутся из списка: %1 не нужен.</source>
        <translation>With --clients the names come from the list: %1 is not needed.</translation>
    </message>
    <message>
        <source>С --clients нельзя указать %1.</source>
        <translation>%1 cannot be used with --clients.</translation>
    </message>
    <message>
        <source>С --clients даты берутся из списка: дата в командной строке не нужна.</source>
        <translation>With --clients the dates come from the list: no date is needed on the command line.</translation>
    </message>
    <message>
        <source>С --clients нужен --pdf ФАЙЛ: куда записать отчёты.</source>
        <translation>--clients needs --pdf FILE: where to write the reports.</translation>
    </message>
    <message>
        <source>Имя файла после --clients не может быть пустым.</source>
        <translation>The file name after --clients cannot be empty.</translation>
    </message>
    <message>
        <source>С --booklet нельзя указать %1.</source>
        <translation>%1 cannot be used with --booklet.</translation>
    </message>
    <message>
        <source>После --sections: %1</source>
        <translation>After --sections: %1</translation>
    </message>
    <message>
        <source>После --outlook: %1</source>
        <translation>After --outlook: %1</translation>
    </message>
    <message>
        <source>Имя файла после --texts не может быть пустым.</source>
        <translation>The file name after --texts cannot be empty.</translation>
    </message>
    <message>
        <source>--practitioner, --contact и --logo нужны только с --pdf.</source>
        <translation>--practitioner, --contact and --logo are only used with --pdf.</translation>
    </message>
    <message>
        <source>Год после --mark-year должен быть числом от 1 до %1.</source>
        <translation>The year after --mark-year must be a number from 1 to %1.</translation>
    </message>
    <message>
        <source>Имя файла после %1 не может быть пустым.</source>
        <translation>The file name after %1 cannot be empty.</translation>
    </message>
    <message>
        <source>С --batch можно указать только файл с датами.</source>
        <translation>--batch takes nothing but the file of dates.</translation>
    </message>
    <message>
        <source>Нужны три значения: день, месяц и год.</source>
        <translation>Three values are needed: the day, the month and the year.</translation>
    </message>
    <message>
        <source>Файл «%1» после %2 — тот же, что читается после %3, и запись стёрла бы его. Укажите после %2 другой файл; ничего не записано.</source>
        <translation>The file “%1” after %2 is the one read after %3, and writing would wipe it out. Give another file after %2; nothing was written.</translation>
    </message>
    <message>
        <source>Неизвестный язык отчёта: %1. Известны: %2.</source>
        <translation>Unknown report language: %1. The known ones are %2.</translation>
    </message>
    <message>
        <source>После --gender нужно f или m (ж или м), а не «%1».</source>
        <translation>--gender takes f or m, not “%1”.</translation>
    </message>
    <message>
        <source>--sections, --outlook, --texts, --address и --gender нужны только с --booklet.</source>
        <translation>--sections, --outlook, --texts, --address and --gender are only used with --booklet.</translation>
    </message>
    <message>
        <source>%1 нужен только с --compare или --group.</source>
        <translation>%1 is only for --compare or --group.</translation>
    </message>
    <message>
        <source>Использование: zemtar-forecast [--json] [--mark-year ГОД] [--png ФАЙЛ]
                               [--pdf ФАЙЛ [--surname ФАМИЛИЯ] [--name ИМЯ]
                               [--patronymic ОТЧЕСТВО] [--practitioner ИМЯ]
                               [--contact СТРОКА]... [--logo ФАЙЛ]] ДЕНЬ МЕСЯЦ ГОД
       zemtar-forecast --card ФАЙЛ [--surname ФАМИЛИЯ] [--name ИМЯ]
                               [--patronymic ОТЧЕСТВО] [--lang ЯЗЫК] [--mark-year ГОД]
                               [--practitioner ИМЯ] [--contact СТРОКА]... [--logo ФАЙЛ]
                               ДЕНЬ МЕСЯЦ ГОД
       zemtar-forecast --pdf ФАЙЛ --clients СПИСОК [--practitioner ИМЯ] ...
       zemtar-forecast --booklet [--sections СПИСОК] [--outlook N] [--texts ФАЙЛ]
                               [--json | --pdf ФАЙЛ] ДЕНЬ МЕСЯЦ ГОД
       zemtar-forecast --booklet --pdf ФАЙЛ --clients СПИСОК [--sections СПИСОК] ...
       zemtar-forecast [--mark-year ГОД] --batch [ФАЙЛ]
       zemtar-forecast --compare ДЕНЬ1 МЕСЯЦ1 ГОД1 ДЕНЬ2 МЕСЯЦ2 ГОД2 [--from ГОД]
                               [--to ГОД] [--json] [--pdf ФАЙЛ]
       zemtar-forecast --group --person ТЕКСТ ДЕНЬ МЕСЯЦ ГОД (от 2 до 6 раз)
                               [--from ГОД] [--to ГОД] [--json] [--pdf ФАЙЛ]
       zemtar-forecast --turning ГОД --clients СПИСОК [--change N] [--json]
       zemtar-forecast --ics ФАЙЛ [--surname ФАМИЛИЯ] [--name ИМЯ]
                               [--patronymic ОТЧЕСТВО] [--mark-year ГОД]
                               [--change N] [--texts ФАЙЛ] ДЕНЬ МЕСЯЦ ГОД
  ДЕНЬ   число от 1 до 31
  МЕСЯЦ  номер от 1 до 12 или название месяца в любом регистре,
         как в списке (Январь ... Декабрь) или в родительном падеже (мая)
  ГОД    текст года, как его вводят в поле (не больше 4 символов)
  --json        вывести прогноз одним объектом JSON (digitCount — число цифр
                числа жизни, digits — сами цифры текстом)
  --mark-year ГОД  отметить этот год, как окно отмечает текущий: в тексте
                строка «Сейчас …», в JSON markedYear и markedLevel (null, если
                года нет в таблице), на изображении рамки и кольцо
  --png ФАЙЛ    сохранить изображение окна после расчёта
  --pdf ФАЙЛ    напечатать отчёт для клиента в файл PDF
                (с --png, --pdf или --card без --json стандартный вывод пуст)
  --card ФАЙЛ   карточка для мессенджера в файл PNG (1080 × 1350): имя,
                кривая с этим годом (--mark-year или текущий), ближайшие
                годы словами текстов программы на языке --lang, процент
                счастья и ваш бланк
  --surname, --name, --patronymic   фамилия, имя и отчество клиента для отчёта
  --address ОБРАЩЕНИЕ  как приветствие подробного отчёта обращается к клиенту
                («Мария Ивановна», «Андрію»); без него — как предлагают имена
  --gender f|m  пол клиента для текстов подробного отчёта (ж или м тоже);
                без него — по отчеству, а без отчества — слова для всех
  --practitioner ИМЯ, --contact СТРОКА (до трёх раз), --logo ФАЙЛ
                ваш бланк в отчёте и на карточке: имя, контакты и логотип
                (PNG, JPEG, SVG); логотип, который не прочитать, не
                печатается, код возврата 2
  --batch [ФАЙЛ]  прочитать даты по одной в строке (ДЕНЬ МЕСЯЦ ГОД через
                пробелы или табуляции) из файла, канала или со стандартного
                ввода (- или без ФАЙЛА) и вывести по объекту JSON на строку;
                в каждом объекте line (номер строки) и date (дата, как дана).
                Пустые строки и строки с # пропускаются, но считаются; строка
                длиннее 4096 байт или с нулевым байтом не принимается
  --clients СПИСОК  по странице отчёта на строку списка CSV (- — ввод) в --pdf
  --booklet     подробный отчёт: толкование словами (текстом, с --json —
                прогноз и выбранные тексты по ключам в texts, с --pdf —
                страницы; с --clients — по отчёту на клиента в --pdf)
  --sections СПИСОК  разделы через запятую: aspects, cycle, years, happiness
                (по умолчанию все)
  --outlook N   сколько лет после этого показать в «Ближайших годах» (1–30, 10)
  --texts ФАЙЛ  тексты толкований из файла (экспорт окна «Тексты толкований»);
                файл с ошибками: сообщение, тексты программы, код возврата 2
  --lang ЯЗЫК   язык отчёта: ru, uk или en (по умолчанию ru) — для текста,
                слов в JSON, страниц и подробного отчёта
  --compare     сравнить двух людей (подробнее: --compare --help)
  --group       от двух до шести человек на одном календаре (подробнее:
                --group --help)
  --turning ГОД  клиенты списка --clients, у которых год (1–9999) поворотный:
                пик, минимум или перемена не меньше чем на N уровней;
                по строке на клиента, с --json — объекты line, name, level,
                turn (peak, low или change)
  --change N    на сколько уровней перемена (1–9, по умолчанию 3)
  --ics ФАЙЛ    календарь .ics поворотных лет на 10 лет после этого года
                (или --mark-year): события на 1 января на языке --lang
  -h, --help    показать эту справку
  -v, --version показать версию
Значение параметра, начинающееся с «-», берётся как дано (--png -1.png).
Код возврата: 0 — прогноз готов, 2 — данные не приняты (одна строка
сообщения в потоке ошибок; в пакетном режиме — хотя бы одна строка),
1 — ошибка в параметрах, файл не прочитан или не записан.
</source>
        <translation>Usage: zemtar-forecast [--json] [--mark-year YEAR] [--png FILE]
                       [--pdf FILE [--surname SURNAME] [--name NAME]
                       [--patronymic PATRONYMIC] [--practitioner NAME]
                       [--contact LINE]... [--logo FILE]] DAY MONTH YEAR
       zemtar-forecast --card FILE [--surname SURNAME] [--name NAME]
                       [--patronymic PATRONYMIC] [--lang LANGUAGE] [--mark-year YEAR]
                       [--practitioner NAME] [--contact LINE]... [--logo FILE]
                       DAY MONTH YEAR
       zemtar-forecast --pdf FILE --clients LIST [--practitioner NAME] ...
       zemtar-forecast --booklet [--sections LIST] [--outlook N] [--texts FILE]
                       [--json | --pdf FILE] DAY MONTH YEAR
       zemtar-forecast --booklet --pdf FILE --clients LIST [--sections LIST] ...
       zemtar-forecast [--mark-year YEAR] --batch [FILE]
       zemtar-forecast --compare DAY1 MONTH1 YEAR1 DAY2 MONTH2 YEAR2 [--from YEAR]
                       [--to YEAR] [--json] [--pdf FILE]
       zemtar-forecast --group --person TEXT DAY MONTH YEAR (2 to 6 times)
                       [--from YEAR] [--to YEAR] [--json] [--pdf FILE]
       zemtar-forecast --turning YEAR --clients LIST [--change N] [--json]
       zemtar-forecast --ics FILE [--surname SURNAME] [--name NAME]
                       [--patronymic PATRONYMIC] [--mark-year YEAR]
                       [--change N] [--texts FILE] DAY MONTH YEAR
  DAY    a number from 1 to 31
  MONTH  a number from 1 to 12, or the month&apos;s Russian name in any case,
         as in the list (Январь ... Декабрь) or in the genitive (мая)
  YEAR   the year as it is typed into the year field (4 characters at most)
  --json        print the forecast as one JSON object (digitCount is how many
                digits the life number has, digits the digits as text)
  --mark-year YEAR  mark this year as the window marks the current one: a
                line about it in the text, markedYear and markedLevel in the
                JSON (null when the year is not in the table), frames and a
                ring on the image
  --png FILE    save the window&apos;s image after the calculation
  --pdf FILE    print the client&apos;s report to a PDF file
                (with --png, --pdf or --card and no --json, nothing goes to
                standard output)
  --card FILE   the card for messengers as a PNG file (1080 × 1350): the
                name, the curve with this year (--mark-year or the current
                one), the next years in the program&apos;s texts in the --lang
                language, the happiness percentage and your letterhead
  --surname, --name, --patronymic   the client&apos;s names for the report
  --address ADDRESS  how the detailed reading&apos;s greeting addresses the
                client (&quot;Mary&quot;, &quot;Dr Carter&quot;); without it, as the names suggest
  --gender f|m  the client&apos;s gender for the detailed reading&apos;s texts;
                without it, as the patronymic tells, or words for anyone
  --practitioner NAME, --contact LINE (up to three times), --logo FILE
                your letterhead on the report and the card: name, contacts and
                logo (PNG, JPEG, SVG); a logo that cannot be read is left out, exit code 2
  --batch [FILE]  read one date per line (DAY MONTH YEAR separated by spaces
                or tabs) from a file, a pipe or standard input (- or no FILE)
                and print one JSON object per line, each with line (the line
                number) and date (the date as given). Empty lines and lines
                with # are skipped but counted; a line longer than 4096 bytes
                or with a null byte is refused
  --clients LIST  one report page per line of a CSV list (- for standard
                input) into --pdf
  --booklet     the detailed report: the reading in words (as text; with
                --json, the forecast and the chosen texts by key in texts;
                with --pdf, pages; with --clients, a report per client in --pdf)
  --sections LIST  comma-separated sections: aspects, cycle, years, happiness
                (all by default)
  --outlook N   how many years the section of the coming years shows (1–30,
                10 by default)
  --texts FILE  interpretation texts from a file (as the interpretation texts
                window exports them); a file with errors: a message, the
                program&apos;s own texts, exit code 2
  --lang LANG   the report&apos;s language: ru, uk or en (ru by default), for the
                text, the words in JSON, the pages and the detailed report
  --compare     compare two people (more: --compare --help)
  --group       two to six people on one calendar (more: --group --help)
  --turning YEAR  the clients of the --clients list whose year (1–9999) is
                a turning one: a peak, a low or a change of at least N levels;
                a line per client, with --json objects with line, name, level,
                turn (peak, low or change)
  --change N    how many levels a change spans (1–9, 3 by default)
  --ics FILE    an .ics calendar of the turning years of the 10 years after
                this one (or --mark-year): events on 1 January in --lang
  -h, --help    show this help
  -v, --version show the version
An option&apos;s value that starts with “-” is taken as given (--png -1.png).
Exit code: 0 the forecast is ready, 2 the data were refused (one line of
message on standard error; in batch mode, at least one line), 1 a mistake
in the options, or a file could not be read or written.
</translation>
    </message>
</context>
<context>
    <name>TurningCli</name>
    <message>
        <source>С %1 нельзя указать %2.</source>
        <translation>%2 cannot be given with %1.</translation>
    </message>
    <message>
        <source>После --turning: %1</source>
        <translation>After --turning: %1</translation>
    </message>
    <message>
        <source>С --turning нужен --clients СПИСОК: чей список просмотреть.</source>
        <translation>--turning needs --clients LIST: whose list to look through.</translation>
    </message>
    <message>
        <source>Имя файла после --clients не может быть пустым.</source>
        <translation>The file name after --clients cannot be empty.</translation>
    </message>
    <message>
        <source>С --turning даты берутся из списка: дата в командной строке не нужна.</source>
        <translation>With --turning the dates come from the list: no date is needed on the command line.</translation>
    </message>
    <message>
        <source>Имя файла после --ics не может быть пустым.</source>
        <translation>The file name after --ics cannot be empty.</translation>
    </message>
    <message>
        <source>После --gender нужно f или m (ж или м), а не «%1».</source>
        <translation>--gender takes f or m, not “%1”.</translation>
    </message>
    <message>
        <source>После --mark-year: %1</source>
        <translation>After --mark-year: %1</translation>
    </message>
    <message>
        <source>Имя файла после --texts не может быть пустым.</source>
        <translation>The file name after --texts cannot be empty.</translation>
    </message>
    <message>
        <source>Нужны три значения: день, месяц и год.</source>
        <translation>Three values are needed: the day, the month and the year.</translation>
    </message>
    <message>
        <source>Не удалось прочитать список клиентов из %1: %2.</source>
        <translation>The client list could not be read from %1: %2.</translation>
    </message>
    <message>
        <source>Список клиентов из %1 не прочитан: %2.</source>
        <translation>The client list from %1 was not read: %2.</translation>
    </message>
    <message>
        <source>Не удалось дочитать список клиентов из %1: %2. Ничего не выведено.</source>
        <translation>The client list from %1 could not be read to its end: %2. Nothing was printed.</translation>
    </message>
    <message>
        <source>Файл «%1» не записан.</source>
        <translation>The file “%1” was not written.</translation>
    </message>
    <message>
        <source>--change нужен только с --turning или --ics.</source>
        <translation>--change is only for --turning or --ics.</translation>
    </message>
    <message>
        <source>После --change: %1</source>
        <translation>After --change: %1</translation>
    </message>
</context>
</TS>
