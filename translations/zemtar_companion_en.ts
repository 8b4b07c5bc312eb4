<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Batch</name>
    <message>
        <source>стандартный ввод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientsCli</name>
    <message>
        <source>стандартный ввод закрыт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка %1 %2 пропущена: %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>стандартного ввода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файла «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать список клиентов из %1: %2. Отчёты не записаны.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — не список клиентов: %2. Отчёты не записаны.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стандартный ввод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось дочитать список клиентов из %1: %2. Файл «%3» не записан.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Отчёты записаны без логотипа.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompanionIo</name>
    <message>
        <source>Не удалось записать в стандартный вывод: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareCli</name>
    <message>
        <source>Использование: zemtar-forecast --compare ДЕНЬ1 МЕСЯЦ1 ГОД1 ДЕНЬ2 МЕСЯЦ2 ГОД2
                               [--from ГОД] [--to ГОД] [--json] [--pdf ФАЙЛ]
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
  --pdf ФАЙЛ    сохранить страницу сравнения в файл PDF
  --practitioner ИМЯ, --contact СТРОКА (до трёх раз), --logo ФАЙЛ
                бланк практика на странице вместо строк программы (только с --pdf)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>После %1 нужны фамилия, имя и отчество через пробел: слов %2, а их не больше трёх.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>После %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>После %1 нужно значение.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год после %1 должен быть числом от 1 до %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--practitioner, --contact и --logo нужны только с --pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя файла после --pdf не может быть пустым.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестный параметр: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Для сравнения нужны шесть значений: день, месяц и год первого человека, затем второго.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Первый человек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Второй человек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Первый год промежутка (%1) позже последнего (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Промежуток %1–%2 длиннее %3 лет.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>День «%1» не принят: нужно число от 1 до 31.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Месяц «%1» не принят: нужен номер от 1 до 12 или название месяца.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год «%1» не принят: в поле года помещается не больше 4 символов.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год «%1» вне диапазона от 1 до 9999: поле года заменило бы его на %2, прогноз не составлен.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source> Отчёт записан без логотипа.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Страница записана без логотипа.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawingLoader</name>
    <message>
        <source>Не удалось загрузить библиотеку рисования %1: её нет рядом с программой или она повреждена; переустановите программу.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Использование: zemtar-forecast [--json] [--mark-year ГОД] [--png ФАЙЛ]
                               [--pdf ФАЙЛ [--surname ФАМИЛИЯ] [--name ИМЯ]
                               [--patronymic ОТЧЕСТВО] [--practitioner ИМЯ]
                               [--contact СТРОКА]... [--logo ФАЙЛ]] ДЕНЬ МЕСЯЦ ГОД
       zemtar-forecast --pdf ФАЙЛ --clients СПИСОК [--practitioner ИМЯ] ...
       zemtar-forecast --booklet [--sections СПИСОК] [--outlook N] [--texts ФАЙЛ]
                               [--json | --pdf ФАЙЛ] ДЕНЬ МЕСЯЦ ГОД
       zemtar-forecast --booklet --pdf ФАЙЛ --clients СПИСОК [--sections СПИСОК] ...
       zemtar-forecast [--mark-year ГОД] --batch [ФАЙЛ]
       zemtar-forecast --compare ДЕНЬ1 МЕСЯЦ1 ГОД1 ДЕНЬ2 МЕСЯЦ2 ГОД2 [--from ГОД]
                               [--to ГОД] [--json] [--pdf ФАЙЛ]
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
                (с --png или --pdf без --json стандартный вывод пуст)
  --surname, --name, --patronymic   фамилия, имя и отчество клиента для отчёта
  --practitioner ИМЯ, --contact СТРОКА (до трёх раз), --logo ФАЙЛ
                ваш бланк в отчёте: имя, контакты и логотип (PNG, JPEG, SVG);
                логотип, который не прочитать, не печатается, код возврата 2
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
  --compare     сравнить двух людей (подробнее: --compare --help)
  -h, --help    показать эту справку
  -v, --version показать версию
Значение параметра, начинающееся с «-», берётся как дано (--png -1.png).
Код возврата: 0 — прогноз готов, 2 — данные не приняты (одна строка
сообщения в потоке ошибок; в пакетном режиме — хотя бы одна строка),
1 — ошибка в параметрах, файл не прочитан или не записан.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>После %1 нужно значение.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестный параметр: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С --clients имена берутся из списка: %1 не нужен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С --clients нельзя указать %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С --clients даты берутся из списка: дата в командной строке не нужна.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С --clients нужен --pdf ФАЙЛ: куда записать отчёты.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя файла после --clients не может быть пустым.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sections, --outlook и --texts нужны только с --booklet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С --booklet нельзя указать %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>После --sections: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>После --outlook: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя файла после --texts не может быть пустым.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--practitioner, --contact и --logo нужны только с --pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год после --mark-year должен быть числом от 1 до %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя файла после %1 не может быть пустым.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С --batch можно указать только файл с датами.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нужны три значения: день, месяц и год.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» после %2 — тот же, что читается после %3, и запись стёрла бы его. Укажите после %2 другой файл; ничего не записано.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
