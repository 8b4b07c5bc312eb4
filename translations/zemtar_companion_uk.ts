<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>Batch</name>
    <message>
        <source>стандартный ввод</source>
        <translation>стандартне введення</translation>
    </message>
    <message>
        <source>файл %1</source>
        <translation>файл %1</translation>
    </message>
    <message>
        <source>Не удалось прочитать %1: %2
</source>
        <translation>Не вдалося прочитати %1: %2
</translation>
    </message>
    <message>
        <source>В строке нулевой байт: строка не принята.</source>
        <translation>У рядку є нульовий байт: рядок не прийнято.</translation>
    </message>
    <message>
        <source>Нужны три значения: день, месяц и год.</source>
        <translation>Потрібні три значення: день, місяць і рік.</translation>
    </message>
    <message>
        <source>Строка длиннее %1 байт: строка не принята.</source>
        <translation>Рядок довший за %1 байтів: рядок не прийнято.</translation>
    </message>
</context>
<context>
    <name>BookletCli</name>
    <message>
        <source>Тексты в файле «%1» — на языке %2, а отчёт — на %3: взяты тексты программы.</source>
        <translation>Тексти у файлі «%1» — мовою %2, а звіт — мовою %3: взято тексти програми.</translation>
    </message>
</context>
<context>
    <name>ClientsCli</name>
    <message>
        <source>стандартный ввод закрыт</source>
        <translation>стандартне введення закрите</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>Строка %1 %2 пропущена: %3
</source>
        <translation>Рядок %1 %2 пропущено: %3
</translation>
    </message>
    <message>
        <source>стандартного ввода</source>
        <translation>стандартного введення</translation>
    </message>
    <message>
        <source>файла «%1»</source>
        <translation>файлу «%1»</translation>
    </message>
    <message>
        <source>Не удалось прочитать список клиентов из %1: %2. Отчёты не записаны.</source>
        <translation>Не вдалося прочитати список клієнтів із %1: %2. Звіти не записано.</translation>
    </message>
    <message>
        <source>%1 — не список клиентов: %2. Отчёты не записаны.</source>
        <translation>%1 — не список клієнтів: %2. Звіти не записано.</translation>
    </message>
    <message>
        <source>Стандартный ввод</source>
        <translation>Стандартне введення</translation>
    </message>
    <message>
        <source>Файл «%1»</source>
        <translation>Файл «%1»</translation>
    </message>
    <message>
        <source>Не удалось дочитать список клиентов из %1: %2. Файл «%3» не записан.</source>
        <translation>Не вдалося дочитати список клієнтів із %1: %2. Файл «%3» не записано.</translation>
    </message>
    <message>
        <source> Отчёты записаны без логотипа.</source>
        <translation> Звіти записано без логотипа.</translation>
    </message>
</context>
<context>
    <name>CompanionIo</name>
    <message>
        <source>Не удалось записать в стандартный вывод: %1
</source>
        <translation>Не вдалося записати в стандартний вивід: %1
</translation>
    </message>
</context>
<context>
    <name>CompareCli</name>
    <message>
        <source>После %1 нужны фамилия, имя и отчество через пробел: слов %2, а их не больше трёх.</source>
        <translation>Після %1 потрібні прізвище, ім’я та по батькові через пробіл: слів %2, а їх не більше трьох.</translation>
    </message>
    <message>
        <source>После %1: %2</source>
        <translation>Після %1: %2</translation>
    </message>
    <message>
        <source>Год после %1 должен быть числом от 1 до %2.</source>
        <translation>Рік після %1 має бути числом від 1 до %2.</translation>
    </message>
    <message>
        <source>--practitioner, --contact и --logo нужны только с --pdf.</source>
        <translation>--practitioner, --contact і --logo потрібні лише з --pdf.</translation>
    </message>
    <message>
        <source>Для сравнения нужны шесть значений: день, месяц и год первого человека, затем второго.</source>
        <translation>Для порівняння потрібні шість значень: день, місяць і рік першої людини, потім другої.</translation>
    </message>
    <message>
        <source>Первый человек</source>
        <translation>Перша людина</translation>
    </message>
    <message>
        <source>Второй человек</source>
        <translation>Друга людина</translation>
    </message>
    <message>
        <source>Первый год промежутка (%1) позже последнего (%2).</source>
        <translation>Перший рік проміжку (%1) пізніший за останній (%2).</translation>
    </message>
    <message>
        <source>Промежуток %1–%2 длиннее %3 лет.</source>
        <translation>Проміжок %1–%2 довший за %3 років.</translation>
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
        <translation>Використання: zemtar-forecast --compare ДЕНЬ1 МІСЯЦЬ1 РІК1 ДЕНЬ2 МІСЯЦЬ2 РІК2
                               [--from РІК] [--to РІК] [--json] [--pdf ФАЙЛ]
                               [--booklet [--texts ФАЙЛ]]
                               [--first-person ТЕКСТ] [--second-person ТЕКСТ]
                               [--practitioner ІМ’Я [--contact РЯДОК]... [--logo ФАЙЛ]]
  Два прогнози поруч: рівень життєвих сил кожного в кожен рік проміжку
  і роки, коли обидва на своєму максимумі або обидва на своєму мінімумі.
  --from, --to  перший і останній рік (не більше 500 років); без них — цей
                рік і ще 20 років, як у вікні порівняння
  --first-person ТЕКСТ, --second-person ТЕКСТ
                «Прізвище Ім’я По батькові» першої та другої людини для
                сторінки й тексту (слова через пробіл, можна не всі)
  --json        вивести порівняння одним об’єктом JSON
  --lang МОВА   мова тексту, JSON і сторінки: ru, uk або en (типово ru)
  --pdf ФАЙЛ    зберегти сторінку порівняння у файл PDF
  --booklet     з тлумаченням: тексти про спільні піки й спади та про аспекти
                (у тексті після порівняння, у PDF — сторінки після сторінки
                порівняння, у JSON — під ключем texts)
  --texts ФАЙЛ  власні тексти тлумачень (файл експорту з вікна «Тексти
                тлумачень»; лише з --booklet)
  --practitioner ІМ’Я, --contact РЯДОК (до трьох разів), --logo ФАЙЛ
                бланк практика на сторінці замість рядків програми (лише з --pdf)
</translation>
    </message>
    <message>
        <source>Имя файла после %1 не может быть пустым.</source>
        <translation>Ім’я файлу після %1 не може бути порожнім.</translation>
    </message>
    <message>
        <source>--texts нужен только с --booklet.</source>
        <translation>--texts потрібен лише з --booklet.</translation>
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
        <translation>Використання: zemtar-forecast --group --person ТЕКСТ ДЕНЬ МІСЯЦЬ РІК
                              --person ТЕКСТ ДЕНЬ МІСЯЦЬ РІК [--person ...]
                              [--from РІК] [--to РІК] [--json] [--pdf ФАЙЛ]
                              [--booklet [--texts ФАЙЛ]]
                              [--practitioner ІМ’Я [--contact РЯДОК]... [--logo ФАЙЛ]]
  Від двох до шести прогнозів на одному календарі: рівень життєвих сил
  кожного в кожен рік проміжку, роки, коли всі на своєму максимумі або всі
  на своєму мінімумі, і аспекти, які є в усіх і лише в декого.
  --person ТЕКСТ ДЕНЬ МІСЯЦЬ РІК
                «Прізвище Ім’я По батькові» (слова через пробіл, можна не всі,
                можна порожній текст) і дата народження; від 2 до 6 разів,
                по порядку
  --from, --to  перший і останній рік (не більше 500 років); без них — цей
                рік і ще 20 років, як у вікні
  --json        вивести групу одним об’єктом JSON: people (об’єкт прогнозу
                кожного з його name), years (year і levels, null до
                народження), allHighest і allLowest
  --lang МОВА   мова тексту, JSON і сторінки: ru, uk або en (типово ru)
  --pdf ФАЙЛ    зберегти сторінку у файл PDF
  --booklet     з тлумаченням: тексти про спільні піки й спади та про аспекти
                (у тексті після групи, у PDF — сторінки після першої,
                у JSON — під ключем texts)
  --texts ФАЙЛ  власні тексти тлумачень (лише з --booklet)
  --practitioner ІМ’Я, --contact РЯДОК (до трьох разів), --logo ФАЙЛ
                бланк практика на сторінці замість рядків програми (лише з --pdf)
</translation>
    </message>
    <message>
        <source>Человек %1</source>
        <translation>Людина %1</translation>
    </message>
    <message>
        <source>С %1 нельзя указать %2.</source>
        <translation>З %1 не можна вказати %2.</translation>
    </message>
    <message>
        <source>Для --group нужно от %1 до %2 человек, каждый после --person: «Фамилия Имя» ДЕНЬ МЕСЯЦ ГОД; указано %3.</source>
        <translation>Для --group потрібно від %1 до %2 людей, кожна після --person: «Прізвище Ім’я» ДЕНЬ МІСЯЦЬ РІК; вказано %3.</translation>
    </message>
    <message>
        <source>После каждого --person нужны имя в кавычках, день, месяц и год: для %1 человек нужно %2 значений даты, а их %3.</source>
        <translation>Після кожного --person потрібні ім’я в лапках, день, місяць і рік: для %1 людей потрібно %2 значень дати, а їх %3.</translation>
    </message>
    <message>
        <source>--compare и --group нельзя указать вместе.</source>
        <translation>--compare і --group не можна вказати разом.</translation>
    </message>
</context>
<context>
    <name>DateInput</name>
    <message>
        <source>День «%1» не принят: нужно число от 1 до 31.</source>
        <translation>День «%1» не прийнято: потрібне число від 1 до 31.</translation>
    </message>
    <message>
        <source>Месяц «%1» не принят: нужен номер от 1 до 12 или название месяца.</source>
        <translation>Місяць «%1» не прийнято: потрібен номер від 1 до 12 або назва місяця російською.</translation>
    </message>
    <message>
        <source>Год «%1» не принят: в поле года помещается не больше 4 символов.</source>
        <translation>Рік «%1» не прийнято: у поле року вміщується не більше 4 символів.</translation>
    </message>
    <message>
        <source>Год «%1» вне диапазона от 1 до 9999: поле года заменило бы его на %2, прогноз не составлен.</source>
        <translation>Рік «%1» поза межами від 1 до 9999: поле року замінило б його на %2, прогноз не складено.</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source> Отчёт записан без логотипа.</source>
        <translation> Звіт записано без логотипа.</translation>
    </message>
    <message>
        <source> Страница записана без логотипа.</source>
        <translation> Сторінку записано без логотипа.</translation>
    </message>
    <message>
        <source> Карточка записана без логотипа.</source>
        <translation> Картку записано без логотипа.</translation>
    </message>
</context>
<context>
    <name>DrawingLoader</name>
    <message>
        <source>Не удалось загрузить библиотеку рисования %1: её нет рядом с программой или она повреждена; переустановите программу.</source>
        <translation>Не вдалося завантажити бібліотеку малювання %1: її немає поруч із програмою або її пошкоджено; перевстановіть програму.</translation>
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
        <translation>Використання: zemtar [ПАРАМЕТРИ]
Відкриває вікно програми «Zemtar - Прогноз»: нумерологічний прогноз життя
за датою народження (крива життєвих сил, відсоток щастя, квадрат аспектів).

Параметри:
  -h, --help     показати цю довідку й вийти
  -v, --version  показати версію програми й вийти

Приймаються також стандартні параметри Qt (наприклад, -platform, -style).
Прогноз без вікна: zemtar-forecast --help.
</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>После %1 нужно значение.</source>
        <translation>Після %1 потрібне значення.</translation>
    </message>
    <message>
        <source>Неизвестный параметр: %1</source>
        <translation>Невідомий параметр: %1</translation>
    </message>
    <message>
        <source>С --clients имена берутся из списка: %1 не нужен.</source>
        <translation>З --clients імена беруться зі списку: %1 не потрібен.</translation>
    </message>
    <message>
        <source>С --clients нельзя указать %1.</source>
        <translation>З --clients не можна вказати %1.</translation>
    </message>
    <message>
        <source>С --clients даты берутся из списка: дата в командной строке не нужна.</source>
        <translation>З --clients дати беруться зі списку: дата в командному рядку не потрібна.</translation>
    </message>
    <message>
        <source>С --clients нужен --pdf ФАЙЛ: куда записать отчёты.</source>
        <translation>З --clients потрібен --pdf ФАЙЛ: куди записати звіти.</translation>
    </message>
    <message>
        <source>Имя файла после --clients не может быть пустым.</source>
        <translation>Ім’я файлу після --clients не може бути порожнім.</translation>
    </message>
    <message>
        <source>С --booklet нельзя указать %1.</source>
        <translation>З --booklet не можна вказати %1.</translation>
    </message>
    <message>
        <source>После --sections: %1</source>
        <translation>Після --sections: %1</translation>
    </message>
    <message>
        <source>После --outlook: %1</source>
        <translation>Після --outlook: %1</translation>
    </message>
    <message>
        <source>Имя файла после --texts не может быть пустым.</source>
        <translation>Ім’я файлу після --texts не може бути порожнім.</translation>
    </message>
    <message>
        <source>--practitioner, --contact и --logo нужны только с --pdf.</source>
        <translation>--practitioner, --contact і --logo потрібні лише з --pdf.</translation>
    </message>
    <message>
        <source>Год после --mark-year должен быть числом от 1 до %1.</source>
        <translation>Рік після --mark-year має бути числом від 1 до %1.</translation>
    </message>
    <message>
        <source>Имя файла после %1 не может быть пустым.</source>
        <translation>Ім’я файлу після %1 не може бути порожнім.</translation>
    </message>
    <message>
        <source>С --batch можно указать только файл с датами.</source>
        <translation>З --batch можна вказати лише файл із датами.</translation>
    </message>
    <message>
        <source>Нужны три значения: день, месяц и год.</source>
        <translation>Потрібні три значення: день, місяць і рік.</translation>
    </message>
    <message>
        <source>Файл «%1» после %2 — тот же, что читается после %3, и запись стёрла бы его. Укажите после %2 другой файл; ничего не записано.</source>
        <translation>Файл «%1» після %2 — той самий, що читається після %3, і запис стер би його. Вкажіть після %2 інший файл; нічого не записано.</translation>
    </message>
    <message>
        <source>Неизвестный язык отчёта: %1. Известны: %2.</source>
        <translation>Невідома мова звіту: %1. Відомі: %2.</translation>
    </message>
    <message>
        <source>После --gender нужно f или m (ж или м), а не «%1».</source>
        <translation>Після --gender потрібно f або m (ж або м), а не «%1».</translation>
    </message>
    <message>
        <source>--sections, --outlook, --texts, --address и --gender нужны только с --booklet.</source>
        <translation>--sections, --outlook, --texts, --address і --gender потрібні лише з --booklet.</translation>
    </message>
    <message>
        <source>%1 нужен только с --compare или --group.</source>
        <translation>%1 потрібен лише з --compare або --group.</translation>
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
        <translation>Використання: zemtar-forecast [--json] [--mark-year РІК] [--png ФАЙЛ]
                              [--pdf ФАЙЛ [--surname ПРІЗВИЩЕ] [--name ІМ’Я]
                              [--patronymic ПО_БАТЬКОВІ] [--practitioner ІМ’Я]
                              [--contact РЯДОК]... [--logo ФАЙЛ]] ДЕНЬ МІСЯЦЬ РІК
       zemtar-forecast --card ФАЙЛ [--surname ПРІЗВИЩЕ] [--name ІМ’Я]
                              [--patronymic ПО_БАТЬКОВІ] [--lang МОВА] [--mark-year РІК]
                              [--practitioner ІМ’Я] [--contact РЯДОК]... [--logo ФАЙЛ]
                              ДЕНЬ МІСЯЦЬ РІК
       zemtar-forecast --pdf ФАЙЛ --clients СПИСОК [--practitioner ІМ’Я] ...
       zemtar-forecast --booklet [--sections СПИСОК] [--outlook N] [--texts ФАЙЛ]
                              [--json | --pdf ФАЙЛ] ДЕНЬ МІСЯЦЬ РІК
       zemtar-forecast --booklet --pdf ФАЙЛ --clients СПИСОК [--sections СПИСОК] ...
       zemtar-forecast [--mark-year РІК] --batch [ФАЙЛ]
       zemtar-forecast --compare ДЕНЬ1 МІСЯЦЬ1 РІК1 ДЕНЬ2 МІСЯЦЬ2 РІК2 [--from РІК]
                              [--to РІК] [--json] [--pdf ФАЙЛ]
       zemtar-forecast --group --person ТЕКСТ ДЕНЬ МІСЯЦЬ РІК (від 2 до 6 разів)
                              [--from РІК] [--to РІК] [--json] [--pdf ФАЙЛ]
       zemtar-forecast --turning РІК --clients СПИСОК [--change N] [--json]
       zemtar-forecast --ics ФАЙЛ [--surname ПРІЗВИЩЕ] [--name ІМ’Я]
                              [--patronymic ПО_БАТЬКОВІ] [--mark-year РІК]
                              [--change N] [--texts ФАЙЛ] ДЕНЬ МІСЯЦЬ РІК
  ДЕНЬ    число від 1 до 31
  МІСЯЦЬ  номер від 1 до 12 або російська назва місяця в будь-якому регістрі,
          як у списку (Январь ... Декабрь) або в родовому відмінку (мая)
  РІК     текст року, як його вводять у поле (не більше 4 символів)
  --json        вивести прогноз одним об’єктом JSON (digitCount — кількість
                цифр числа життя, digits — самі цифри текстом)
  --mark-year РІК  позначити цей рік, як вікно позначає поточний: у тексті
                рядок про цей рік, у JSON markedYear і markedLevel (null, якщо
                року немає в таблиці), на зображенні рамки й кільце
  --png ФАЙЛ    зберегти зображення вікна після розрахунку
  --pdf ФАЙЛ    надрукувати звіт для клієнта у файл PDF
                (з --png, --pdf або --card без --json стандартний вивід порожній)
  --card ФАЙЛ   картка для месенджера у файл PNG (1080 × 1350): ім’я,
                крива з цим роком (--mark-year або поточний), найближчі
                роки словами текстів програми мовою --lang, відсоток
                щастя і ваш бланк
  --surname, --name, --patronymic   прізвище, ім’я та по батькові клієнта
                для звіту
  --address ЗВЕРТАННЯ  як привітання детального звіту звертається до клієнта
                («Андрію», «Маріє Іванівно»); без нього — як пропонують імена
  --gender f|m  стать клієнта для текстів детального звіту (ж або м теж);
                без нього — за по батькові, а без по батькові — слова для всіх
  --practitioner ІМ’Я, --contact РЯДОК (до трьох разів), --logo ФАЙЛ
                ваш бланк у звіті й на картці: ім’я, контакти й логотип
                (PNG, JPEG, SVG);
                логотип, який не вдається прочитати, не друкується, код
                повернення 2
  --batch [ФАЙЛ]  прочитати дати по одній у рядку (ДЕНЬ МІСЯЦЬ РІК через
                пробіли або табуляції) з файлу, каналу або зі стандартного
                введення (- або без ФАЙЛУ) і вивести по об’єкту JSON на рядок;
                у кожному об’єкті line (номер рядка) і date (дата, як дано).
                Порожні рядки й рядки з # пропускаються, але враховуються;
                рядок, довший за 4096 байтів або з нульовим байтом, не
                приймається
  --clients СПИСОК  по сторінці звіту на рядок списку CSV (- — введення)
                у --pdf
  --booklet     докладний звіт: тлумачення словами (текстом; з --json —
                прогноз і вибрані тексти за ключами в texts; з --pdf —
                сторінки; з --clients — по звіту на клієнта в --pdf)
  --sections СПИСОК  розділи через кому: aspects, cycle, years, happiness
                (типово всі)
  --outlook N   скільки наступних років показати в розділі найближчих років
                (1–30, типово 10)
  --texts ФАЙЛ  тексти тлумачень із файлу (експорт вікна текстів тлумачень);
                файл із помилками: повідомлення, тексти програми, код
                повернення 2
  --lang МОВА   мова звіту: ru, uk або en (типово ru) — для тексту, слів
                у JSON, сторінок і докладного звіту
  --compare     порівняти двох людей (докладніше: --compare --help)
  --group       від двох до шести людей на одному календарі (докладніше:
                --group --help)
  --turning РІК  клієнти списку --clients, у яких рік (1–9999) поворотний:
                пік, мінімум або зміна щонайменше на N рівнів;
                по рядку на клієнта, з --json — об’єкти line, name, level,
                turn (peak, low або change)
  --change N    на скільки рівнів зміна (1–9, типово 3)
  --ics ФАЙЛ    календар .ics поворотних років на 10 років після цього
                (або --mark-year): події на 1 січня мовою --lang
  -h, --help    показати цю довідку
  -v, --version показати версію
Значення параметра, що починається з «-», береться як є (--png -1.png).
Код повернення: 0 — прогноз готовий, 2 — дані не прийнято (один рядок
повідомлення в потоці помилок; у пакетному режимі — щонайменше один рядок),
1 — помилка в параметрах, файл не прочитано або не записано.
</translation>
    </message>
</context>
<context>
    <name>TurningCli</name>
    <message>
        <source>С %1 нельзя указать %2.</source>
        <translation>З %1 не можна вказати %2.</translation>
    </message>
    <message>
        <source>После --turning: %1</source>
        <translation>Після --turning: %1</translation>
    </message>
    <message>
        <source>С --turning нужен --clients СПИСОК: чей список просмотреть.</source>
        <translation>З --turning потрібен --clients СПИСОК: чий список переглянути.</translation>
    </message>
    <message>
        <source>Имя файла после --clients не может быть пустым.</source>
        <translation>Ім’я файлу після --clients не може бути порожнім.</translation>
    </message>
    <message>
        <source>С --turning даты берутся из списка: дата в командной строке не нужна.</source>
        <translation>З --turning дати беруться зі списку: дата в командному рядку не потрібна.</translation>
    </message>
    <message>
        <source>Имя файла после --ics не может быть пустым.</source>
        <translation>Ім’я файлу після --ics не може бути порожнім.</translation>
    </message>
    <message>
        <source>После --gender нужно f или m (ж или м), а не «%1».</source>
        <translation>Після --gender потрібно f або m (ж або м), а не «%1».</translation>
    </message>
    <message>
        <source>После --mark-year: %1</source>
        <translation>Після --mark-year: %1</translation>
    </message>
    <message>
        <source>Имя файла после --texts не может быть пустым.</source>
        <translation>Ім’я файлу після --texts не може бути порожнім.</translation>
    </message>
    <message>
        <source>Нужны три значения: день, месяц и год.</source>
        <translation>Потрібні три значення: день, місяць і рік.</translation>
    </message>
    <message>
        <source>Не удалось прочитать список клиентов из %1: %2.</source>
        <translation>Не вдалося прочитати список клієнтів із %1: %2.</translation>
    </message>
    <message>
        <source>Список клиентов из %1 не прочитан: %2.</source>
        <translation>Список клієнтів із %1 не прочитано: %2.</translation>
    </message>
    <message>
        <source>Не удалось дочитать список клиентов из %1: %2. Ничего не выведено.</source>
        <translation>Не вдалося дочитати список клієнтів із %1: %2. Нічого не виведено.</translation>
    </message>
    <message>
        <source>Файл «%1» не записан.</source>
        <translation>Файл «%1» не записано.</translation>
    </message>
    <message>
        <source>--change нужен только с --turning или --ics.</source>
        <translation>--change потрібен лише з --turning або --ics.</translation>
    </message>
    <message>
        <source>После --change: %1</source>
        <translation>Після --change: %1</translation>
    </message>
</context>
</TS>
