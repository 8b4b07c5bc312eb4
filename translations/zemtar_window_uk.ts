<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>aspects::AspectSquare</name>
    <message>
        <source>Квадрат аспектов</source>
        <translation>Квадрат аспектів</translation>
    </message>
    <message>
        <source>уровень %1</source>
        <translation>рівень %1</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>, корневая цифра</source>
        <translation>, коренева цифра</translation>
    </message>
    <message>
        <source>Запас жизненной энергии и здоровья, сила, с которой человек действует на окружающих.</source>
        <translation>Запас життєвої енергії та снаги, сила, з якою людина діє на оточення.</translation>
    </message>
    <message>
        <source>Практичность: умение обустроить быт, заработать и крепко стоять на ногах.</source>
        <translation>Практичність: уміння облаштувати побут, заробити й міцно стояти на ногах.</translation>
    </message>
    <message>
        <source>Интуиция и духовность, способность слышать внутренний голос.</source>
        <translation>Інтуїція й духовність, здатність чути внутрішній голос.</translation>
    </message>
    <message>
        <source>Трудолюбие, мастерство и умение доводить начатое до конца.</source>
        <translation>Працьовитість, майстерність і вміння доводити розпочате до кінця.</translation>
    </message>
    <message>
        <source>Способность любить и быть любимым, тепло в отношениях с близкими.</source>
        <translation>Здатність любити й бути коханим, тепло у стосунках із близькими.</translation>
    </message>
    <message>
        <source>Любознательность, увлечённость своим делом и тяга к новому.</source>
        <translation>Допитливість, захоплення своєю справою й потяг до нового.</translation>
    </message>
    <message>
        <source>Защита в трудную минуту: выход из опасных положений, помощь в беде.</source>
        <translation>Захист у скрутну хвилину: вихід зі складних становищ, допомога в біді.</translation>
    </message>
    <message>
        <source>Счастливый случай и лёгкость, с которой удаются дела.</source>
        <translation>Щасливий випадок і легкість, з якою вдаються справи.</translation>
    </message>
    <message>
        <source>Стремление к успеху, положению и признанию в обществе.</source>
        <translation>Прагнення успіху, становища й визнання в суспільстві.</translation>
    </message>
</context>
<context>
    <name>print::BookletsComposer</name>
    <message>
        <source>подробные отчёты</source>
        <translation>детальні звіти</translation>
    </message>
    <message>
        <source>подробный отчёт</source>
        <translation>детальний звіт</translation>
    </message>
    <message>
        <source>Сохранить подробный отчёт в файл PDF</source>
        <translation>Зберегти детальний звіт у файл PDF</translation>
    </message>
    <message>
        <source>Подробный отчёт печатается без логотипа.</source>
        <translation>Детальний звіт друкується без логотипа.</translation>
    </message>
    <message>
        <source>Клиент %1 из %2</source>
        <translation>Клієнт %1 з %2</translation>
    </message>
    <message>
        <source>Печать подробных отчётов</source>
        <translation>Друк детальних звітів</translation>
    </message>
    <message>
        <source>Подробные отчёты в PDF</source>
        <translation>Детальні звіти в PDF</translation>
    </message>
    <message>
        <source>в списке нет ни одного клиента, для которого есть прогноз</source>
        <translation>у списку немає жодного клієнта, для якого є прогноз</translation>
    </message>
    <message>
        <source>Подробный отчёт</source>
        <translation>Детальний звіт</translation>
    </message>
    <message>
        <source>Подробный отчёт: %1</source>
        <translation>Детальний звіт: %1</translation>
    </message>
</context>
<context>
    <name>print::DocumentFacts</name>
    <message>
        <source>Страница %1 из %2</source>
        <translation>Сторінка %1 з %2</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Сохранение в PDF</source>
        <translation>Збереження в PDF</translation>
    </message>
</context>
<context>
    <name>print::FrmPrn</name>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Сведения о клиенте, которому выполняется прогноз</source>
        <translation>Відомості про клієнта, для якого складається прогноз</translation>
    </message>
    <message>
        <source>Запомнить в картотеке</source>
        <translation>Запам’ятати в картотеці</translation>
    </message>
</context>
<context>
    <name>print::GroupPages</name>
    <message>
        <source>%1: %2 и %3</source>
        <translation>%1: %2 і %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>страницу сравнения</source>
        <translation>сторінку порівняння</translation>
    </message>
    <message>
        <source>страницы сравнения</source>
        <translation>сторінки порівняння</translation>
    </message>
    <message>
        <source>Сохранить сравнение в файл PDF</source>
        <translation>Зберегти порівняння у файл PDF</translation>
    </message>
    <message>
        <source>Страница печатается без логотипа.</source>
        <translation>Сторінка друкується без логотипа.</translation>
    </message>
    <message>
        <source>Страницы печатаются без логотипа.</source>
        <translation>Сторінки друкуються без логотипа.</translation>
    </message>
    <message>
        <source>страница не составлена</source>
        <translation>сторінку не складено</translation>
    </message>
</context>
<context>
    <name>print::LanguageBox</name>
    <message>
        <source>Язык отчёта</source>
        <translation>Мова звіту</translation>
    </message>
    <message>
        <source>Язык отчёта:</source>
        <translation>Мова звіту:</translation>
    </message>
</context>
<context>
    <name>print::Letterhead</name>
    <message>
        <source>Система не назвала программе папку для её данных.</source>
        <translation>Система не вказала програмі теку для її даних.</translation>
    </message>
    <message>
        <source>Не удалось создать папку данных программы «%1»: %2.</source>
        <translation>Не вдалося створити теку даних програми «%1»: %2.</translation>
    </message>
    <message>
        <source>Файл логотипа «%1» не найден: его переместили или удалили.</source>
        <translation>Файл логотипа «%1» не знайдено: його перемістили або видалили.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл логотипа «%1»: %2.</source>
        <translation>Не вдалося прочитати файл логотипа «%1»: %2.</translation>
    </message>
    <message>
        <source>Копия логотипа «%1» — символическая ссылка, а не файл программы.</source>
        <translation>Копія логотипа «%1» — символьне посилання, а не файл програми.</translation>
    </message>
    <message>
        <source>%1 Программа отложила эту копию в «%2»; выберите логотип заново в «Бланк отчёта…».</source>
        <translation>%1 Програма відклала цю копію в «%2»; виберіть логотип знову в «Бланк звіту…».</translation>
    </message>
</context>
<context>
    <name>print::LetterheadText</name>
    <message>
        <source>Имя на бланке длиннее %1 символов.</source>
        <translation>Ім’я на бланку довше за %1 символів.</translation>
    </message>
    <message>
        <source>В имени на бланке %1.</source>
        <translation>В імені на бланку %1.</translation>
    </message>
    <message>
        <source>На бланке помещается не больше трёх строк контактов.</source>
        <translation>На бланку вміщується не більше трьох рядків контактів.</translation>
    </message>
    <message>
        <source>Строка контактов %1 длиннее %2 символов.</source>
        <translation>Рядок контактів %1 довший за %2 символів.</translation>
    </message>
    <message>
        <source>В строке контактов %1 %2.</source>
        <translation>У рядку контактів %1 %2.</translation>
    </message>
</context>
<context>
    <name>print::LogoPicture</name>
    <message>
        <source>Рисунок «%1» повреждён: его не удалось прочитать.</source>
        <translation>Зображення «%1» пошкоджене: його не вдалося прочитати.</translation>
    </message>
    <message>
        <source>Рисунок «%1» слишком велик: %2 × %3 точек, а можно не больше %4 по каждой стороне.</source>
        <translation>Зображення «%1» завелике: %2 × %3 точок, а можна не більше %4 по кожній стороні.</translation>
    </message>
    <message>
        <source>Файл «%1» — не рисунок PNG, JPEG или SVG.</source>
        <translation>Файл «%1» — не зображення PNG, JPEG чи SVG.</translation>
    </message>
    <message>
        <source>Рисунок «%1» объявляет свои сущности XML (&lt;!ENTITY …&gt;); такой рисунок программа не открывает. Сохраните его заново в графическом редакторе.</source>
        <translation>Зображення «%1» оголошує власні сутності XML (&lt;!ENTITY …&gt;); таке зображення програма не відкриває. Збережіть його наново в графічному редакторі.</translation>
    </message>
    <message>
        <source>Рисунок «%1» слишком сложен для логотипа: в нём больше %2 элементов или они вложены глубже %3 уровней.</source>
        <translation>Зображення «%1» надто складне для логотипа: у ньому понад %2 елементів або вони вкладені глибше ніж на %3 рівнів.</translation>
    </message>
    <message>
        <source>Рисунок «%1» берёт часть изображения из другого файла или из сети («%2»). Логотип должен быть одним файлом: встройте картинки в рисунок или сохраните его как PNG.</source>
        <translation>Зображення «%1» бере частину картинки з іншого файлу або з мережі («%2»). Логотип має бути одним файлом: вбудуйте картинки в зображення або збережіть його як PNG.</translation>
    </message>
    <message>
        <source>Картинка, встроенная в рисунок «%1», — не PNG и не JPEG или повреждена («%2»).</source>
        <translation>Картинка, вбудована в зображення «%1», — не PNG і не JPEG або пошкоджена («%2»).</translation>
    </message>
    <message>
        <source>Картинки, встроенные в рисунок «%1», вместе больше %2 млн точек: для логотипа это слишком много.</source>
        <translation>Картинки, вбудовані в зображення «%1», разом більші за %2 млн точок: для логотипа це забагато.</translation>
    </message>
    <message>
        <source>Рисунок «%1» повреждён: файл обрывается раньше конца рисунка.</source>
        <translation>Зображення «%1» пошкоджене: файл обривається раніше, ніж закінчується зображення.</translation>
    </message>
    <message>
        <source>Сжатый рисунок «%1» в развёрнутом виде больше %2 МБ.</source>
        <translation>Стиснуте зображення «%1» після розпакування більше за %2 МБ.</translation>
    </message>
    <message>
        <source>Рисунок «%1» — в формате SVG, а эта сборка программы читает логотипы только в форматах PNG и JPEG. Сохраните логотип как PNG или JPEG и выберите его заново.</source>
        <translation>Зображення «%1» — у форматі SVG, а ця збірка програми читає логотипи лише у форматах PNG і JPEG. Збережіть логотип як PNG або JPEG і виберіть його знову.</translation>
    </message>
</context>
<context>
    <name>print::PersonFields</name>
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
        <source>Пол</source>
        <translation>Стать</translation>
    </message>
    <message>
        <source>Обращение</source>
        <translation>Звертання</translation>
    </message>
    <message>
        <source>День рождения</source>
        <translation>День народження</translation>
    </message>
    <message>
        <source>Месяц рождения</source>
        <translation>Місяць народження</translation>
    </message>
    <message>
        <source>Год рождения</source>
        <translation>Рік народження</translation>
    </message>
    <message>
        <source>не указан</source>
        <translation>не вказано</translation>
    </message>
    <message>
        <source>женский</source>
        <translation>жіноча</translation>
    </message>
    <message>
        <source>мужской</source>
        <translation>чоловіча</translation>
    </message>
    <message>
        <source>Как обращается к клиенту приветствие подробного отчёта: «Мария Ивановна», «Андрію», «Маша». Пусто — как предлагают имя и отчество на языке отчёта.</source>
        <translation>Як привітання детального звіту звертається до клієнта: «Маріє Іванівно», «Андрію», «Марічко». Порожньо — як пропонують ім’я та по батькові мовою звіту.</translation>
    </message>
    <message>
        <source>По&amp;л:</source>
        <translation>Ст&amp;ать:</translation>
    </message>
    <message>
        <source>О&amp;бращение:</source>
        <translation>З&amp;вертання:</translation>
    </message>
    <message>
        <source>Дата &amp;рождения:</source>
        <translation>Дата &amp;народження:</translation>
    </message>
    <message>
        <source>день</source>
        <translation>день</translation>
    </message>
    <message>
        <source>месяц</source>
        <translation>місяць</translation>
    </message>
    <message>
        <source>год</source>
        <translation>рік</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Фамилия:</source>
        <translation>&amp;Прізвище:</translation>
    </message>
    <message>
        <source>&amp;Имя:</source>
        <translation>&amp;Ім’я:</translation>
    </message>
    <message>
        <source>&amp;Отчество:</source>
        <translation>&amp;По батькові:</translation>
    </message>
</context>
<context>
    <name>print::PrintDelivery</name>
    <message>
        <source>принтер не принял документ</source>
        <translation>принтер не прийняв документ</translation>
    </message>
    <message>
        <source>Не удалось напечатать %1 на принтере «%2». Проверьте, что принтер включён и готов к работе.</source>
        <translation>Не вдалося надрукувати %1 на принтері «%2». Перевірте, чи принтер увімкнено і чи він готовий до роботи.</translation>
    </message>
    <message>
        <source>страница не записана</source>
        <translation>сторінку не записано</translation>
    </message>
    <message>
        <source>Предварительный просмотр — %1</source>
        <translation>Попередній перегляд — %1</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>print::PrintJob</name>
    <message>
        <source>отчёт</source>
        <translation>звіт</translation>
    </message>
    <message>
        <source>Сохранить отчёт в файл PDF</source>
        <translation>Зберегти звіт у файл PDF</translation>
    </message>
    <message>
        <source>Отчёт печатается без логотипа.</source>
        <translation>Звіт друкується без логотипа.</translation>
    </message>
    <message>
        <source>отчёт не составлен</source>
        <translation>звіт не складено</translation>
    </message>
    <message>
        <source>Отчёт не напечатан.</source>
        <translation>Звіт не надруковано.</translation>
    </message>
</context>
<context>
    <name>print::ReportsComposer</name>
    <message>
        <source>отчёты</source>
        <translation>звіти</translation>
    </message>
    <message>
        <source>Сохранить отчёты в файл PDF</source>
        <translation>Зберегти звіти у файл PDF</translation>
    </message>
    <message>
        <source>Отчёты печатаются без логотипа.</source>
        <translation>Звіти друкуються без логотипа.</translation>
    </message>
    <message>
        <source>Клиент %1 из %2</source>
        <translation>Клієнт %1 з %2</translation>
    </message>
    <message>
        <source>Печать отчётов</source>
        <translation>Друк звітів</translation>
    </message>
    <message>
        <source>Отчёты в PDF</source>
        <translation>Звіти в PDF</translation>
    </message>
    <message>
        <source>в списке нет ни одного клиента, для которого есть прогноз</source>
        <translation>у списку немає жодного клієнта, для якого є прогноз</translation>
    </message>
    <message>
        <source>%1: отчёты</source>
        <translation>%1: звіти</translation>
    </message>
</context>
<context>
    <name>print::SavePlace</name>
    <message>
        <source>Прогноз</source>
        <translation>Прогноз</translation>
    </message>
    <message>
        <source>Сравнение - %1 и %2.pdf</source>
        <translation>Порівняння - %1 і %2.pdf</translation>
    </message>
    <message>
        <source>Подробный отчёт</source>
        <translation>Детальний звіт</translation>
    </message>
    <message>
        <source>Вместе - %1.pdf</source>
        <translation>Разом - %1.pdf</translation>
    </message>
    <message>
        <source>Поворотные годы</source>
        <translation>Поворотні роки</translation>
    </message>
</context>
<context>
    <name>ui::BatchReport</name>
    <message>
        <source>Картотека клиентов</source>
        <translation>Картотека клієнтів</translation>
    </message>
    <message>
        <source>(без имени)</source>
        <translation>(без імені)</translation>
    </message>
    <message>
        <source>Отчёты - %1.pdf</source>
        <translation>Звіти - %1.pdf</translation>
    </message>
    <message numerus="yes">
        <source>Пропущены клиенты, для даты рождения которых нет прогноза (%n):</source>
        <translation>
            <numerusform>Пропущено клієнтів, для дати народження яких немає прогнозу (%n):</numerusform>
            <numerusform>Пропущено клієнтів, для дати народження яких немає прогнозу (%n):</numerusform>
            <numerusform>Пропущено клієнтів, для дати народження яких немає прогнозу (%n):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…и ещё %n.</source>
        <translation>
            <numerusform>…та ще %n.</numerusform>
            <numerusform>…та ще %n.</numerusform>
            <numerusform>…та ще %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Отчёты отправлены на принтер «%1»: страниц %n.</source>
        <translation>
            <numerusform>Звіти надіслано на принтер «%1»: %n сторінка.</numerusform>
            <numerusform>Звіти надіслано на принтер «%1»: %n сторінки.</numerusform>
            <numerusform>Звіти надіслано на принтер «%1»: %n сторінок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Отчёты сохранены в файл «%1»: страниц %n.</source>
        <translation>
            <numerusform>Звіти збережено у файл «%1»: %n сторінка.</numerusform>
            <numerusform>Звіти збережено у файл «%1»: %n сторінки.</numerusform>
            <numerusform>Звіти збережено у файл «%1»: %n сторінок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты сохранены в файл «%1»: страниц %n.</source>
        <translation>
            <numerusform>Детальні звіти збережено у файл «%1»: %n сторінка.</numerusform>
            <numerusform>Детальні звіти збережено у файл «%1»: %n сторінки.</numerusform>
            <numerusform>Детальні звіти збережено у файл «%1»: %n сторінок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты отправлены на принтер «%1»: страниц %n.</source>
        <translation>
            <numerusform>Детальні звіти надіслано на принтер «%1»: %n сторінка.</numerusform>
            <numerusform>Детальні звіти надіслано на принтер «%1»: %n сторінки.</numerusform>
            <numerusform>Детальні звіти надіслано на принтер «%1»: %n сторінок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты - %n клиентов.pdf</source>
        <translation>
            <numerusform>Детальні звіти - %n клієнт.pdf</numerusform>
            <numerusform>Детальні звіти - %n клієнти.pdf</numerusform>
            <numerusform>Детальні звіти - %n клієнтів.pdf</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::BinWindow</name>
    <message>
        <source>Удалённые клиенты</source>
        <translation>Видалені клієнти</translation>
    </message>
    <message>
        <source>Удалить навсегда</source>
        <translation>Видалити назавжди</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message numerus="yes">
        <source>Удалённые клиенты хранятся здесь %n дней вместе с историей отчётов и всем, что было в карточке, а потом удаляются сами. Записи, отложенные при восстановлении из копии, потому что они нарушают правила картотеки, хранятся, пока вы их не удалите.</source>
        <translation>
            <numerusform>Видалені клієнти зберігаються тут %n день разом з історією звітів і всім, що було в картці, а потім видаляються самі. Записи, відкладені під час відновлення з копії, бо вони порушують правила картотеки, зберігаються, доки ви їх не видалите.</numerusform>
            <numerusform>Видалені клієнти зберігаються тут %n дні разом з історією звітів і всім, що було в картці, а потім видаляються самі. Записи, відкладені під час відновлення з копії, бо вони порушують правила картотеки, зберігаються, доки ви їх не видалите.</numerusform>
            <numerusform>Видалені клієнти зберігаються тут %n днів разом з історією звітів і всім, що було в картці, а потім видаляються самі. Записи, відкладені під час відновлення з копії, бо вони порушують правила картотеки, зберігаються, доки ви їх не видалите.</numerusform>
        </translation>
    </message>
    <message>
        <source>Клиент</source>
        <translation>Клієнт</translation>
    </message>
    <message>
        <source>Дата рождения</source>
        <translation>Дата народження</translation>
    </message>
    <message>
        <source>Удалён</source>
        <translation>Видалено</translation>
    </message>
    <message>
        <source>Почему отложен</source>
        <translation>Чому відкладено</translation>
    </message>
    <message>
        <source>Удалённых клиентов нет.</source>
        <translation>Видалених клієнтів немає.</translation>
    </message>
    <message>
        <source>&amp;Вернуть</source>
        <translation>&amp;Повернути</translation>
    </message>
    <message>
        <source>Enter: вернуть выбранных клиентов в картотеку</source>
        <translation>Enter: повернути вибраних клієнтів до картотеки</translation>
    </message>
    <message>
        <source>Удалить &amp;навсегда…</source>
        <translation>Видалити &amp;назавжди…</translation>
    </message>
    <message>
        <source>Delete: удалить выбранных навсегда, вместе с историей</source>
        <translation>Delete: видалити вибраних назавжди, разом з історією</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>(без имени)</source>
        <translation>(без імені)</translation>
    </message>
    <message numerus="yes">
        <source>Удалить навсегда выбранных: %n? Их уже нельзя будет вернуть, и их история отчётов тоже будет удалена.</source>
        <translation>
            <numerusform>Видалити назавжди вибраних: %n? Їх уже не можна буде повернути, і їхню історію звітів теж буде видалено.</numerusform>
            <numerusform>Видалити назавжди вибраних: %n? Їх уже не можна буде повернути, і їхню історію звітів теж буде видалено.</numerusform>
            <numerusform>Видалити назавжди вибраних: %n? Їх уже не можна буде повернути, і їхню історію звітів теж буде видалено.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::BookModel</name>
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
        <source>Дата рождения</source>
        <translation>Дата народження</translation>
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
        <source>Примечание</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>Неверная дата рождения: измените её (F2)</source>
        <translation>Неправильна дата народження: змініть її (F2)</translation>
    </message>
    <message>
        <source>%1 (неверная)</source>
        <translation>%1 (неправильна)</translation>
    </message>
</context>
<context>
    <name>ui::BookWindow</name>
    <message>
        <source>&amp;Открыть</source>
        <translation>&amp;Відкрити</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Enter или двойной щелчок: дата клиента в главном окне и расчёт</source>
        <translation>Enter або подвійне клацання: дата клієнта в головному вікні й розрахунок</translation>
    </message>
    <message>
        <source>&amp;Печать...</source>
        <translation>Д&amp;рук...</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Ctrl+P: напечатать прогноз для клиента</source>
        <translation>Ctrl+P: надрукувати прогноз для клієнта</translation>
    </message>
    <message>
        <source>&amp;Изменить...</source>
        <translation>&amp;Змінити...</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>F2: изменить имя, дату рождения и примечание</source>
        <translation>F2: змінити ім’я, дату народження та примітку</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>Вида&amp;лити</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Delete: удалить клиента из картотеки</source>
        <translation>Delete: видалити клієнта з картотеки</translation>
    </message>
    <message>
        <source>Отчёты в P&amp;DF...</source>
        <translation>Звіти в P&amp;DF...</translation>
    </message>
    <message>
        <source>Отчёты в PDF</source>
        <translation>Звіти в PDF</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S: один файл PDF, по странице на каждого выбранного клиента</source>
        <translation>Ctrl+Shift+S: один файл PDF, по сторінці на кожного вибраного клієнта</translation>
    </message>
    <message>
        <source>Нап&amp;ечатать выбранных...</source>
        <translation>Надрукувати ви&amp;браних...</translation>
    </message>
    <message>
        <source>Напечатать выбранных</source>
        <translation>Надрукувати вибраних</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P: напечатать отчёты всех выбранных клиентов</source>
        <translation>Ctrl+Shift+P: надрукувати звіти всіх вибраних клієнтів</translation>
    </message>
    <message>
        <source>С&amp;равнить</source>
        <translation>&amp;Порівняти</translation>
    </message>
    <message>
        <source>Сравнить</source>
        <translation>Порівняти</translation>
    </message>
    <message>
        <source>&amp;Экспорт в CSV...</source>
        <translation>&amp;Експорт у CSV...</translation>
    </message>
    <message>
        <source>Экспорт в CSV</source>
        <translation>Експорт у CSV</translation>
    </message>
    <message>
        <source>Ctrl+S: сохранить всю картотеку в файл CSV</source>
        <translation>Ctrl+S: зберегти всю картотеку у файл CSV</translation>
    </message>
    <message>
        <source>И&amp;мпорт из CSV...</source>
        <translation>&amp;Імпорт із CSV...</translation>
    </message>
    <message>
        <source>Импорт из CSV</source>
        <translation>Імпорт із CSV</translation>
    </message>
    <message>
        <source>Ctrl+I: добавить клиентов из файла CSV</source>
        <translation>Ctrl+I: додати клієнтів із файлу CSV</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>Закр&amp;ити</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Esc: закрыть картотеку</source>
        <translation>Esc: закрити картотеку</translation>
    </message>
    <message>
        <source>Картотека клиентов</source>
        <translation>Картотека клієнтів</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>Таблиця CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV для Excel (;) (*.csv)</source>
        <translation>CSV для Excel (;) (*.csv)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>Импорт клиентов из CSV</source>
        <translation>Імпорт клієнтів із CSV</translation>
    </message>
    <message>
        <source>Экспорт картотеки в CSV</source>
        <translation>Експорт картотеки в CSV</translation>
    </message>
    <message>
        <source>Картотека клиентов.csv</source>
        <translation>Картотека клієнтів.csv</translation>
    </message>
    <message>
        <source>&amp;Найти:</source>
        <translation>З&amp;найти:</translation>
    </message>
    <message>
        <source>имя, дата (23.08, 1975, август), телефон или почта</source>
        <translation>ім’я, дата (23.08, 1975, серпень), телефон або пошта</translation>
    </message>
    <message>
        <source>Поиск клиента</source>
        <translation>Пошук клієнта</translation>
    </message>
    <message>
        <source>Показывает клиентов, у которых набранное есть в фамилии, имени, отчестве, дате рождения, телефоне или электронной почте</source>
        <translation>Показує клієнтів, у яких набране є в прізвищі, імені, по батькові, даті народження, телефоні чи електронній пошті</translation>
    </message>
    <message>
        <source>Состояние картотеки</source>
        <translation>Стан картотеки</translation>
    </message>
    <message>
        <source>Клиенты</source>
        <translation>Клієнти</translation>
    </message>
    <message>
        <source>Число клиентов</source>
        <translation>Кількість клієнтів</translation>
    </message>
    <message>
        <source>Напоминание о копии картотеки</source>
        <translation>Нагадування про копію картотеки</translation>
    </message>
    <message>
        <source>Клиентов в картотеке: %1</source>
        <translation>Клієнтів у картотеці: %1</translation>
    </message>
    <message>
        <source>Найдено: %1 из %2</source>
        <translation>Знайдено: %1 з %2</translation>
    </message>
    <message>
        <source>Удалить из картотеки клиента %1, %2?</source>
        <translation>Видалити з картотеки клієнта %1, %2?</translation>
    </message>
    <message numerus="yes">
        <source>Удалить из картотеки выбранных клиентов: %n?</source>
        <translation>
            <numerusform>Видалити з картотеки %n вибраного клієнта?</numerusform>
            <numerusform>Видалити з картотеки %n вибраних клієнтів?</numerusform>
            <numerusform>Видалити з картотеки %n вибраних клієнтів?</numerusform>
        </translation>
    </message>
    <message>
        <source>Копия картотеки (*.sqlite);;Все файлы (*)</source>
        <translation>Копія картотеки (*.sqlite);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Восстановить картотеку из копии</source>
        <translation>Відновити картотеку з копії</translation>
    </message>
    <message>
        <source>Копия картотеки %1.sqlite</source>
        <translation>Копія картотеки %1.sqlite</translation>
    </message>
    <message>
        <source>Сохранить копию картотеки</source>
        <translation>Зберегти копію картотеки</translation>
    </message>
    <message>
        <source>Восстановить из копии</source>
        <translation>Відновити з копії</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>&amp;Картотека</source>
        <translation>&amp;Картотека</translation>
    </message>
    <message>
        <source>Сохранить &amp;копию…</source>
        <translation>Зберегти &amp;копію…</translation>
    </message>
    <message>
        <source>&amp;Восстановить из копии…</source>
        <translation>&amp;Відновити з копії…</translation>
    </message>
    <message>
        <source>&amp;Экспорт в CSV…</source>
        <translation>&amp;Експорт у CSV…</translation>
    </message>
    <message>
        <source>&amp;Импорт из CSV…</source>
        <translation>&amp;Імпорт із CSV…</translation>
    </message>
    <message numerus="yes">
        <source>Копия картотеки сохранена в файл «%1»: %n клиентов.</source>
        <translation>
            <numerusform>Копію картотеки збережено у файл «%1»: %n клієнт.</numerusform>
            <numerusform>Копію картотеки збережено у файл «%1»: %n клієнти.</numerusform>
            <numerusform>Копію картотеки збережено у файл «%1»: %n клієнтів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Заменить картотеку копией из файла «%1»? Нынешняя картотека будет сохранена рядом с ней отдельным файлом.</source>
        <translation>Замінити картотеку копією з файлу «%1»? Нинішню картотеку буде збережено поруч окремим файлом.</translation>
    </message>
    <message numerus="yes">
        <source>Картотека восстановлена из копии «%1»: %n клиентов. Прежняя картотека сохранена в файле «%2».</source>
        <translation>
            <numerusform>Картотеку відновлено з копії «%1»: %n клієнт. Попередню картотеку збережено у файлі «%2».</numerusform>
            <numerusform>Картотеку відновлено з копії «%1»: %n клієнти. Попередню картотеку збережено у файлі «%2».</numerusform>
            <numerusform>Картотеку відновлено з копії «%1»: %n клієнтів. Попередню картотеку збережено у файлі «%2».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Последняя копия картотеки сохранена %n дней назад, а картотека с тех пор менялась. Сохраните новую: Картотека → Сохранить копию…</source>
        <translation>
            <numerusform>Останню копію картотеки збережено %n день тому, а відтоді картотека змінювалася. Збережіть нову: Картотека → Зберегти копію…</numerusform>
            <numerusform>Останню копію картотеки збережено %n дні тому, а відтоді картотека змінювалася. Збережіть нову: Картотека → Зберегти копію…</numerusform>
            <numerusform>Останню копію картотеки збережено %n днів тому, а відтоді картотека змінювалася. Збережіть нову: Картотека → Зберегти копію…</numerusform>
        </translation>
    </message>
    <message>
        <source>Копия картотеки ещё ни разу не сохранялась. Сохраните её: Картотека → Сохранить копию…</source>
        <translation>Копію картотеки ще жодного разу не зберігали. Збережіть її: Картотека → Зберегти копію…</translation>
    </message>
    <message>
        <source>Чтение файла «%1»…</source>
        <translation>Читання файлу «%1»…</translation>
    </message>
    <message numerus="yes">
        <source>Картотека сохранена в файл «%1»: клиентов %n.</source>
        <translation>
            <numerusform>Картотеку збережено у файл «%1»: %n клієнт.</numerusform>
            <numerusform>Картотеку збережено у файл «%1»: %n клієнти.</numerusform>
            <numerusform>Картотеку збережено у файл «%1»: %n клієнтів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Импорт из файла «%1» отменён: в картотеку ничего не добавлено.</source>
        <translation>Імпорт із файлу «%1» скасовано: до картотеки нічого не додано.</translation>
    </message>
    <message numerus="yes">
        <source>Из файла «%1» добавлено клиентов: %n.</source>
        <translation>
            <numerusform>З файлу «%1» додано %n клієнта.</numerusform>
            <numerusform>З файлу «%1» додано %n клієнти.</numerusform>
            <numerusform>З файлу «%1» додано %n клієнтів.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Уже были в картотеке: %n.</source>
        <translation>
            <numerusform>Уже були в картотеці: %n.</numerusform>
            <numerusform>Уже були в картотеці: %n.</numerusform>
            <numerusform>Уже були в картотеці: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Не загружены строки с ошибками (%n):</source>
        <translation>
            <numerusform>Не завантажено %n рядок із помилками:</numerusform>
            <numerusform>Не завантажено %n рядки з помилками:</numerusform>
            <numerusform>Не завантажено %n рядків із помилками:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…и ещё %n.</source>
        <translation>
            <numerusform>…та ще %n.</numerusform>
            <numerusform>…та ще %n.</numerusform>
            <numerusform>…та ще %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>рядок %1: %2</translation>
    </message>
    <message>
        <source>Подро&amp;бный отчёт...</source>
        <translation>&amp;Детальний звіт...</translation>
    </message>
    <message>
        <source>Подробный отчёт</source>
        <translation>Детальний звіт</translation>
    </message>
    <message>
        <source>Ctrl+B: подробные отчёты выбранных клиентов, один за другим, в PDF или на принтер</source>
        <translation>Ctrl+B: детальні звіти вибраних клієнтів, один за одним, у PDF або на принтер</translation>
    </message>
    <message>
        <source>Сохранить в &amp;PDF…</source>
        <translation>Зберегти в &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Напечатать…</source>
        <translation>&amp;Надрукувати…</translation>
    </message>
    <message>
        <source>Новый клиент</source>
        <translation>Новий клієнт</translation>
    </message>
    <message>
        <source>Insert: добавить клиента в картотеку</source>
        <translation>Insert: додати клієнта до картотеки</translation>
    </message>
    <message>
        <source>Нов&amp;ый клиент...</source>
        <translation>Новий клі&amp;єнт...</translation>
    </message>
    <message>
        <source>&amp;Удалённые клиенты…</source>
        <translation>&amp;Видалені клієнти…</translation>
    </message>
    <message>
        <source>&amp;Вернуть последних удалённых</source>
        <translation>&amp;Повернути останніх видалених</translation>
    </message>
    <message>
        <source>Восстановление из копии «%1» отменено: картотека осталась прежней.</source>
        <translation>Відновлення з копії «%1» скасовано: картотека залишилася такою, як була.</translation>
    </message>
    <message numerus="yes">
        <source>Записи копии, которые нарушают правила картотеки, не вошли в неё и отложены в «Удалённые клиенты» вместе с причиной (%n):</source>
        <translation>
            <numerusform>Записи копії, що порушують правила картотеки, не ввійшли до неї й відкладені у «Видалені клієнти» разом із причиною (%n):</numerusform>
            <numerusform>Записи копії, що порушують правила картотеки, не ввійшли до неї й відкладені у «Видалені клієнти» разом із причиною (%n):</numerusform>
            <numerusform>Записи копії, що порушують правила картотеки, не ввійшли до неї й відкладені у «Видалені клієнти» разом із причиною (%n):</numerusform>
        </translation>
    </message>
    <message>
        <source>Чтение копии «%1»…</source>
        <translation>Читання копії «%1»…</translation>
    </message>
    <message numerus="yes">
        <source>Всё удалённое, с историей отчётов, %n дней хранится в «Картотека → Удалённые клиенты…», откуда его можно вернуть; последнее удаление отменяет Ctrl+Z.</source>
        <translation>
            <numerusform>Усе видалене, з історією звітів, %n день зберігається в «Картотека → Видалені клієнти…», звідки його можна повернути; останнє видалення скасовує Ctrl+Z.</numerusform>
            <numerusform>Усе видалене, з історією звітів, %n дні зберігається в «Картотека → Видалені клієнти…», звідки його можна повернути; останнє видалення скасовує Ctrl+Z.</numerusform>
            <numerusform>Усе видалене, з історією звітів, %n днів зберігається в «Картотека → Видалені клієнти…», звідки його можна повернути; останнє видалення скасовує Ctrl+Z.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ctrl+D: сравнить прогнозы выбранных клиентов, от одного до шести</source>
        <translation>Ctrl+D: порівняти прогнози вибраних клієнтів, від одного до шести</translation>
    </message>
    <message>
        <source>Экспорт &amp;журнала и событий в CSV…</source>
        <translation>Експорт &amp;журналу й подій у CSV…</translation>
    </message>
    <message>
        <source>Импорт ж&amp;урнала и событий из CSV…</source>
        <translation>Імпорт ж&amp;урналу й подій із CSV…</translation>
    </message>
    <message>
        <source>Журнал сеансов и события жизни сохранены в файл «%1».</source>
        <translation>Журнал сеансів і події життя збережено у файл «%1».</translation>
    </message>
    <message numerus="yes">
        <source>Из файла «%1» добавлено записей журнала и событий: %n.</source>
        <translation>
            <numerusform>З файлу «%1» додано записів журналу й подій: %n.</numerusform>
            <numerusform>З файлу «%1» додано записів журналу й подій: %n.</numerusform>
            <numerusform>З файлу «%1» додано записів журналу й подій: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Поворотные годы…</source>
        <translation>&amp;Поворотні роки…</translation>
    </message>
    <message>
        <source>Ка&amp;лендарь (.ics)…</source>
        <translation>Ка&amp;лендар (.ics)…</translation>
    </message>
    <message>
        <source>О&amp;тправить клиенту…</source>
        <translation>Наді&amp;слати клієнтові…</translation>
    </message>
    <message>
        <source>Для клиента «%1» нет прогноза: %2</source>
        <translation>Для клієнта «%1» немає прогнозу: %2</translation>
    </message>
    <message>
        <source>Карточка для &amp;мессенджера…</source>
        <translation>Картка для &amp;месенджера…</translation>
    </message>
</context>
<context>
    <name>ui::BookletDialog</name>
    <message>
        <source>Аспекты</source>
        <translation>Аспекти</translation>
    </message>
    <message>
        <source>Ваш цикл</source>
        <translation>Ваш цикл</translation>
    </message>
    <message>
        <source>Ближайшие годы</source>
        <translation>Найближчі роки</translation>
    </message>
    <message>
        <source>Процент счастья</source>
        <translation>Відсоток щастя</translation>
    </message>
    <message>
        <source>Подробный отчёт</source>
        <translation>Детальний звіт</translation>
    </message>
    <message>
        <source>Разделы</source>
        <translation>Розділи</translation>
    </message>
    <message>
        <source> после этого</source>
        <translation> після нього</translation>
    </message>
    <message>
        <source>Ближайшие годы: этот и ещё</source>
        <translation>Найближчі роки: цей і ще</translation>
    </message>
    <message>
        <source>Печатать мой бланк</source>
        <translation>Друкувати мій бланк</translation>
    </message>
    <message>
        <source>Бланк включается в «Файл → Бланк отчёта…».</source>
        <translation>Бланк вмикається у «Файл → Бланк звіту…».</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>Сохранить в PDF…</source>
        <translation>Зберегти в PDF…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Обращение</source>
        <translation>Звертання</translation>
    </message>
    <message>
        <source>Отметить события жизни на графике</source>
        <translation>Позначити події життя на графіку</translation>
    </message>
    <message>
        <source>События жизни записываются в карточке клиента в картотеке.</source>
        <translation>Події життя записують у картці клієнта в картотеці.</translation>
    </message>
</context>
<context>
    <name>ui::ClientEditor</name>
    <message>
        <source>В картотеке неверная дата рождения: день %1, месяц %2. Выберите верную.</source>
        <translation>У картотеці неправильна дата народження: день %1, місяць %2. Виберіть правильну.</translation>
    </message>
    <message>
        <source>Клиент</source>
        <translation>Клієнт</translation>
    </message>
    <message>
        <source>История &amp;отчётов:</source>
        <translation>Історія з&amp;вітів:</translation>
    </message>
    <message>
        <source>История отчётов</source>
        <translation>Історія звітів</translation>
    </message>
    <message>
        <source>Откр&amp;ыть</source>
        <translation>Від&amp;крити</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Открыть файл PDF выбранного отчёта</source>
        <translation>Відкрити файл PDF вибраного звіту</translation>
    </message>
    <message>
        <source>Отчётов для этого клиента ещё не было</source>
        <translation>Звітів для цього клієнта ще не було</translation>
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
        <source>Примечание</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>&amp;Телефон:</source>
        <translation>&amp;Телефон:</translation>
    </message>
    <message>
        <source>&amp;Эл. почта:</source>
        <translation>&amp;Ел. пошта:</translation>
    </message>
    <message>
        <source>&amp;Примечание:</source>
        <translation>При&amp;мітка:</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>%1 Выберите верную.</source>
        <translation>%1 Виберіть правильну.</translation>
    </message>
    <message>
        <source>%1 (файла больше нет)</source>
        <translation>%1 (файлу більше немає)</translation>
    </message>
    <message>
        <source>Не сохранено: %1.</source>
        <translation>Не збережено: %1.</translation>
    </message>
    <message>
        <source>Я&amp;зык отчёта:</source>
        <translation>Мо&amp;ва звіту:</translation>
    </message>
    <message>
        <source>Язык «%1» этой программе не известен: отчёты пишутся по-русски.</source>
        <translation>Мова «%1» цій програмі не відома: звіти пишуться російською.</translation>
    </message>
    <message>
        <source>Новый клиент</source>
        <translation>Новий клієнт</translation>
    </message>
</context>
<context>
    <name>ui::ClientJournalView</name>
    <message>
        <source>Клиент</source>
        <translation>Клієнт</translation>
    </message>
    <message>
        <source>Добавить…</source>
        <translation>Додати…</translation>
    </message>
    <message>
        <source>Изменить…</source>
        <translation>Змінити…</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>&amp;Журнал сеансов:</source>
        <translation>&amp;Журнал сеансів:</translation>
    </message>
    <message>
        <source>События &amp;жизни:</source>
        <translation>Події &amp;життя:</translation>
    </message>
    <message>
        <source>Удалить запись о сеансе %1?</source>
        <translation>Видалити запис про сеанс %1?</translation>
    </message>
    <message>
        <source>Удалить событие «%1» (%2)?</source>
        <translation>Видалити подію «%1» (%2)?</translation>
    </message>
    <message>
        <source>Сеанс</source>
        <translation>Сеанс</translation>
    </message>
    <message>
        <source>Дата сеанса</source>
        <translation>Дата сеансу</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>&amp;Дата:</source>
        <translation>&amp;Дата:</translation>
    </message>
    <message>
        <source>&amp;Запись:</source>
        <translation>&amp;Запис:</translation>
    </message>
    <message>
        <source>Не сохранено: %1.</source>
        <translation>Не збережено: %1.</translation>
    </message>
    <message>
        <source>Событие жизни</source>
        <translation>Подія життя</translation>
    </message>
    <message>
        <source>Год события</source>
        <translation>Рік події</translation>
    </message>
    <message>
        <source>Месяц события</source>
        <translation>Місяць події</translation>
    </message>
    <message>
        <source>Что случилось</source>
        <translation>Що сталося</translation>
    </message>
    <message>
        <source>&amp;Год:</source>
        <translation>&amp;Рік:</translation>
    </message>
    <message>
        <source>&amp;Месяц (если известен):</source>
        <translation>&amp;Місяць (якщо відомий):</translation>
    </message>
    <message>
        <source>&amp;Что случилось:</source>
        <translation>&amp;Що сталося:</translation>
    </message>
</context>
<context>
    <name>ui::CurrentClient</name>
    <message>
        <source>Картотека клиентов</source>
        <translation>Картотека клієнтів</translation>
    </message>
    <message>
        <source>Отчёт составлен на «%1», а в картотеке этот клиент записан как «%2».

Исправить запись этого клиента или добавить нового клиента?</source>
        <translation>Звіт складено на «%1», а в картотеці цього клієнта записано як «%2».

Виправити запис цього клієнта чи додати нового клієнта?</translation>
    </message>
    <message>
        <source>Исправить запись клиента</source>
        <translation>Виправити запис клієнта</translation>
    </message>
    <message>
        <source>Добавить нового клиента</source>
        <translation>Додати нового клієнта</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, Версия %2</source>
        <translation>&quot;%1&quot;, версія %2</translation>
    </message>
</context>
<context>
    <name>ui::FrmAbout</name>
    <message>
        <source>Программа «Zemtar - Прогноз» создана для того, чтобы по дате рождения заглянуть в будущее конкретного человека.

Замысел этой программы вынашивался долго.

Программа бесплатна, хотя за расчёты по той же методике другие берут немалые деньги.

Все алгоритмы программы, и построение графика, и коррекция дат по числу элементов на оси X графика, разработаны мной самостоятельно.

Автор.</source>
        <translation>Програму «Zemtar - Прогноз» створено для того, щоб за датою народження зазирнути в майбутнє конкретної людини.

Задум цієї програми визрівав довго.

Програма безкоштовна, хоча за розрахунки за тією самою методикою інші беруть чималі гроші.

Усі алгоритми програми — і побудову графіка, і корекцію дат за кількістю елементів на осі X графіка — я розробив самостійно.

Автор.</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Версія %1</translation>
    </message>
</context>
<context>
    <name>ui::FrmMain</name>
    <message>
        <source>Расчёт остановлен из-за внутренней ошибки: %1.</source>
        <translation>Розрахунок зупинено через внутрішню помилку: %1.</translation>
    </message>
    <message>
        <source>Кривая жизненных сил</source>
        <translation>Крива життєвих сил</translation>
    </message>
    <message>
        <source>Процент счастья</source>
        <translation>Відсоток щастя</translation>
    </message>
    <message>
        <source>счастья</source>
        <translation>щастя</translation>
    </message>
    <message>
        <source>Дата рождения</source>
        <translation>Дата народження</translation>
    </message>
    <message>
        <source>День</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Рік</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Розрахунок</translation>
    </message>
    <message>
        <source>Расчёт и отображение анализа распределения жизненных сил по годам</source>
        <translation>Розрахунок і показ аналізу розподілу життєвих сил за роками</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Друк...</translation>
    </message>
    <message>
        <source>Посетить сайт автора</source>
        <translation>Відвідати сайт автора</translation>
    </message>
    <message>
        <source>Сохранить изображение окна</source>
        <translation>Зберегти зображення вікна</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Печать</source>
        <translation>&amp;Друк</translation>
    </message>
    <message>
        <source>Предварительный про&amp;смотр…</source>
        <translation>Попередній перегл&amp;яд…</translation>
    </message>
    <message>
        <source>Сохранить &amp;отчёт в PDF…</source>
        <translation>Зберегти з&amp;віт у PDF…</translation>
    </message>
    <message>
        <source>Сохранить &amp;изображение…</source>
        <translation>Зберегти &amp;зображення…</translation>
    </message>
    <message>
        <source>Подро&amp;бный отчёт…</source>
        <translation>Дет&amp;альний звіт…</translation>
    </message>
    <message>
        <source>&amp;Бланк отчёта…</source>
        <translation>&amp;Бланк звіту…</translation>
    </message>
    <message>
        <source>&amp;Тексты толкований…</source>
        <translation>&amp;Тексти тлумачень…</translation>
    </message>
    <message>
        <source>&amp;Картотека клиентов…</source>
        <translation>&amp;Картотека клієнтів…</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Редагування</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>Копировать &amp;толкование</source>
        <translation>Копіювати &amp;тлумачення</translation>
    </message>
    <message>
        <source>Пр&amp;огноз</source>
        <translation>&amp;Прогноз</translation>
    </message>
    <message>
        <source>Р&amp;асчёт</source>
        <translation>&amp;Розрахунок</translation>
    </message>
    <message>
        <source>На сегодн&amp;яшний день</source>
        <translation>На сьо&amp;годні</translation>
    </message>
    <message>
        <source>Отмечать &amp;текущий год</source>
        <translation>Позначати &amp;поточний рік</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Сод&amp;ержание</source>
        <translation>&amp;Зміст</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>Картотека клиентов</source>
        <translation>Картотека клієнтів</translation>
    </message>
    <message>
        <source>Процент счастья: %1</source>
        <translation>Відсоток щастя: %1</translation>
    </message>
    <message>
        <source>Цифры кривой: %1</source>
        <translation>Цифри кривої: %1</translation>
    </message>
    <message numerus="yes">
        <source>Подробный отчёт сохранён в файл «%1»: страниц %n.</source>
        <translation>
            <numerusform>Детальний звіт збережено у файл «%1»: %n сторінка.</numerusform>
            <numerusform>Детальний звіт збережено у файл «%1»: %n сторінки.</numerusform>
            <numerusform>Детальний звіт збережено у файл «%1»: %n сторінок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробный отчёт отправлен на принтер «%1»: страниц %n.</source>
        <translation>
            <numerusform>Детальний звіт надіслано на принтер «%1»: %n сторінка.</numerusform>
            <numerusform>Детальний звіт надіслано на принтер «%1»: %n сторінки.</numerusform>
            <numerusform>Детальний звіт надіслано на принтер «%1»: %n сторінок.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ка&amp;лендарь поворотных лет (.ics)…</source>
        <translation>Ка&amp;лендар поворотних років (.ics)…</translation>
    </message>
    <message>
        <source>Документ в PDF для клиента — письмом на адрес из его карточки</source>
        <translation>Документ у PDF для клієнта — листом на адресу з його картки</translation>
    </message>
    <message>
        <source>Откройте клиента из картотеки (Ctrl+K): письмо уходит на адрес из его карточки</source>
        <translation>Відкрийте клієнта з картотеки (Ctrl+K): лист іде на адресу з його картки</translation>
    </message>
    <message>
        <source>Отпра&amp;вить клиенту…</source>
        <translation>Наді&amp;слати клієнтові…</translation>
    </message>
    <message>
        <source>Карточка для &amp;мессенджера…</source>
        <translation>Картка для &amp;месенджера…</translation>
    </message>
</context>
<context>
    <name>ui::GroupWindow</name>
    <message>
        <source>&amp;Сравнить…</source>
        <translation>Порів&amp;няти…</translation>
    </message>
    <message>
        <source>В сравнении уже %1 человек: чтобы добавить ещё одного, уберите кого-нибудь.</source>
        <translation>У порівнянні вже %1 людей: щоб додати ще одну, приберіть когось.</translation>
    </message>
    <message>
        <source>Сравнение прогнозов</source>
        <translation>Порівняння прогнозів</translation>
    </message>
    <message>
        <source>Первый</source>
        <translation>Перший</translation>
    </message>
    <message>
        <source>Второй</source>
        <translation>Другий</translation>
    </message>
    <message>
        <source>Третий</source>
        <translation>Третій</translation>
    </message>
    <message>
        <source>Четвёртый</source>
        <translation>Четвертий</translation>
    </message>
    <message>
        <source>Пятый</source>
        <translation>П’ятий</translation>
    </message>
    <message>
        <source>Шестой</source>
        <translation>Шостий</translation>
    </message>
    <message>
        <source>Кого сравниваем</source>
        <translation>Кого порівнюємо</translation>
    </message>
    <message>
        <source>&amp;Добавить человека</source>
        <translation>&amp;Додати людину</translation>
    </message>
    <message>
        <source>Из &amp;картотеки…</source>
        <translation>З &amp;картотеки…</translation>
    </message>
    <message>
        <source>Выберите в картотеке одного клиента или от двух до шести и нажмите в ней «Сравнить»</source>
        <translation>Виберіть у картотеці одного клієнта або від двох до шести й натисніть у ній «Порівняти»</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Прибрати</translation>
    </message>
    <message>
        <source>Убрать: %1</source>
        <translation>Прибрати: %1</translation>
    </message>
    <message>
        <source>счастье %1, уровни от %2 до %3</source>
        <translation>щастя %1, рівні від %2 до %3</translation>
    </message>
    <message>
        <source>нет прогноза</source>
        <translation>немає прогнозу</translation>
    </message>
    <message>
        <source>Сравнение прогнозов — %1</source>
        <translation>Порівняння прогнозів — %1</translation>
    </message>
    <message>
        <source>Кривые жизненных сил</source>
        <translation>Криві життєвих сил</translation>
    </message>
    <message>
        <source>Квадраты аспектов</source>
        <translation>Квадрати аспектів</translation>
    </message>
    <message>
        <source>Общие годы и аспекты</source>
        <translation>Спільні роки й аспекти</translation>
    </message>
    <message>
        <source>Первый год</source>
        <translation>Перший рік</translation>
    </message>
    <message>
        <source>Последний год</source>
        <translation>Останній рік</translation>
    </message>
    <message>
        <source>&amp;Годы: с</source>
        <translation>&amp;Роки: з</translation>
    </message>
    <message>
        <source>п&amp;о</source>
        <translation>п&amp;о</translation>
    </message>
    <message>
        <source>С &amp;толкованием</source>
        <translation>З &amp;тлумаченням</translation>
    </message>
    <message>
        <source>После страницы сравнения — страницы с толкованием общих пиков и спадов и аспектов</source>
        <translation>Після сторінки порівняння — сторінки з тлумаченням спільних піків, спадів та аспектів</translation>
    </message>
    <message>
        <source>&amp;Печать</source>
        <translation>&amp;Друк</translation>
    </message>
    <message>
        <source>Пр&amp;осмотр…</source>
        <translation>Перег&amp;ляд…</translation>
    </message>
    <message>
        <source>&amp;Сохранить в PDF…</source>
        <translation>&amp;Зберегти в PDF…</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>Закр&amp;ити</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>Оба на своём максимуме: %1
Оба на своём минимуме: %2
Аспекты у обоих (отмечены зелёным): %3</source>
        <translation>Обоє на своєму максимумі: %1
Обоє на своєму мінімумі: %2
Аспекти в обох (позначені зеленим): %3</translation>
    </message>
    <message>
        <source>Все на своём максимуме: %1
Все на своём минимуме: %2
Аспекты у всех (отмечены зелёным): %3
Только у некоторых: %4</source>
        <translation>Усі на своєму максимумі: %1
Усі на своєму мінімумі: %2
Аспекти в усіх (позначені зеленим): %3
Лише в декого: %4</translation>
    </message>
</context>
<context>
    <name>ui::LanguageMenu</name>
    <message>
        <source>Язык интерфейса сменится при следующем запуске программы.</source>
        <translation>Мову інтерфейсу буде змінено під час наступного запуску програми.</translation>
    </message>
    <message>
        <source>&amp;Язык интерфейса</source>
        <translation>&amp;Мова інтерфейсу</translation>
    </message>
</context>
<context>
    <name>ui::LetterheadDialog</name>
    <message>
        <source>Телефон</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Электронная почта</source>
        <translation>Електронна пошта</translation>
    </message>
    <message>
        <source>Сайт</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>Логотип для бланка</source>
        <translation>Логотип для бланка</translation>
    </message>
    <message>
        <source>Рисунки PNG, JPEG и SVG (*.png *.jpg *.jpeg *.svg *.svgz)</source>
        <translation>Зображення PNG, JPEG і SVG (*.png *.jpg *.jpeg *.svg *.svgz)</translation>
    </message>
    <message>
        <source>Печатать мой бланк</source>
        <translation>Друкувати мій бланк</translation>
    </message>
    <message>
        <source>Выбрать…</source>
        <translation>Вибрати…</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Прибрати</translation>
    </message>
    <message>
        <source>Бланк отчёта</source>
        <translation>Бланк звіту</translation>
    </message>
    <message>
        <source>Фамилия, имя и отчество или название</source>
        <translation>Прізвище, ім’я та по батькові або назва</translation>
    </message>
    <message>
        <source>Имя на бланке:</source>
        <translation>Ім’я на бланку:</translation>
    </message>
    <message>
        <source>Контакты:</source>
        <translation>Контакти:</translation>
    </message>
    <message>
        <source>Логотип:</source>
        <translation>Логотип:</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Сохранён в программе.</source>
        <translation>Збережено в програмі.</translation>
    </message>
    <message>
        <source>Нет: место логотипа на бланке останется пустым.</source>
        <translation>Немає: місце логотипа на бланку залишиться порожнім.</translation>
    </message>
    <message>
        <source>Рисунок PNG, JPEG или SVG не больше 20 МБ и %1 точек по стороне; программа хранит его копию.</source>
        <translation>Зображення PNG, JPEG чи SVG, не більше 20 МБ і %1 точок по стороні; програма зберігає його копію.</translation>
    </message>
    <message>
        <source>%1 Бланк печатается без логотипа.</source>
        <translation>%1 Бланк друкується без логотипа.</translation>
    </message>
    <message>
        <source>%1 Выберите другой рисунок.</source>
        <translation>%1 Виберіть інше зображення.</translation>
    </message>
    <message>
        <source>Бланк не сохранён. %1</source>
        <translation>Бланк не збережено. %1</translation>
    </message>
    <message>
        <source>Рисунки PNG и JPEG (*.png *.jpg *.jpeg)</source>
        <translation>Зображення PNG і JPEG (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Рисунок PNG или JPEG не больше 20 МБ и %1 точек по стороне; программа хранит его копию. Рисунки SVG эта сборка программы не читает.</source>
        <translation>Зображення PNG чи JPEG, не більше 20 МБ і %1 точок по стороні; програма зберігає його копію. Зображення SVG ця збірка програми не читає.</translation>
    </message>
    <message>
        <source>на любом языке</source>
        <translation>будь-якою мовою</translation>
    </message>
    <message>
        <source>на языке: %1</source>
        <translation>мовою: %1</translation>
    </message>
    <message>
        <source>Имя и контакты для страниц на одном языке — например, латиницей для английских. Пусто — как для страниц на любом языке.</source>
        <translation>Ім’я та контакти для сторінок однією мовою — наприклад, латиницею для англійських. Порожньо — як для сторінок будь-якою мовою.</translation>
    </message>
    <message>
        <source>Для &amp;страниц:</source>
        <translation>Для &amp;сторінок:</translation>
    </message>
</context>
<context>
    <name>ui::MessengerCard</name>
    <message>
        <source>Сохранить карточку для мессенджера</source>
        <translation>Зберегти картку для месенджера</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>Карточка - %1</source>
        <translation>Картка - %1</translation>
    </message>
    <message>
        <source>Карточка сохранена в файл «%1» и скопирована в буфер обмена.</source>
        <translation>Картку збережено у файл «%1» і скопійовано в буфер обміну.</translation>
    </message>
    <message>
        <source>Карточка скопирована в буфер обмена.</source>
        <translation>Картку скопійовано в буфер обміну.</translation>
    </message>
</context>
<context>
    <name>ui::SendToClient</name>
    <message>
        <source>Отправить клиенту</source>
        <translation>Надіслати клієнтові</translation>
    </message>
    <message>
        <source>Письмо для «%1» &lt;%2&gt; подготовит ваша почтовая программа: вы увидите его и отправите сами.</source>
        <translation>Лист для «%1» &lt;%2&gt; підготує ваша поштова програма: ви побачите його й надішлете самі.</translation>
    </message>
    <message>
        <source>Что приложить к письму:</source>
        <translation>Що додати до листа:</translation>
    </message>
    <message>
        <source>&amp;Отчёт на одной странице</source>
        <translation>&amp;Звіт на одній сторінці</translation>
    </message>
    <message>
        <source>&amp;Подробный отчёт (разделы — как в последнем подробном отчёте)</source>
        <translation>&amp;Детальний звіт (розділи — як в останньому детальному звіті)</translation>
    </message>
    <message>
        <source>Язык документа и письма: %1 (как в карточке). Файл PDF сохраняется в папке «%2» и остаётся там.</source>
        <translation>Мова документа й листа: %1 (як у картці). Файл PDF зберігається в теці «%2» і залишається там.</translation>
    </message>
    <message>
        <source>Подготовить &amp;письмо</source>
        <translation>Підготувати &amp;лист</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Отправленные клиентам</source>
        <translation>Надіслане клієнтам</translation>
    </message>
    <message>
        <source>В карточке клиента «%1» нет адреса электронной почты. Впишите его в карточку («Изменить…» в картотеке), и письмо можно будет подготовить.</source>
        <translation>У картці клієнта «%1» немає адреси електронної пошти. Впишіть її в картку («Змінити…» в картотеці), і лист можна буде підготувати.</translation>
    </message>
    <message>
        <source>«%1» в карточке клиента «%2» не похоже на адрес электронной почты (вида имя@пример.com). Исправьте адрес в карточке («Изменить…» в картотеке).</source>
        <translation>«%1» у картці клієнта «%2» не схоже на адресу електронної пошти (вигляду імʼя@приклад.com). Виправте адресу в картці («Змінити…» в картотеці).</translation>
    </message>
    <message>
        <source>Не удалось создать папку «%1» для файлов, отправленных клиентам.</source>
        <translation>Не вдалося створити теку «%1» для файлів, надісланих клієнтам.</translation>
    </message>
    <message>
        <source>Письмо для «%1» открыто в почтовой программе, файл приложен. Проверьте письмо и отправьте его оттуда. Файл остаётся в папке «%2».</source>
        <translation>Лист для «%1» відкрито в поштовій програмі, файл додано. Перевірте лист і надішліть його звідти. Файл залишається в теці «%2».</translation>
    </message>
    <message>
        <source>Почтовая программа не открылась: %1. Поэтому открыта папка с файлом «%2», а адрес %3 скопирован в буфер обмена: создайте письмо в своей почте, вставьте адрес и приложите файл.</source>
        <translation>Поштова програма не відкрилася: %1. Тому відкрито теку з файлом «%2», а адресу %3 скопійовано в буфер обміну: створіть лист у своїй пошті, вставте адресу й додайте файл.</translation>
    </message>
    <message>
        <source>Почтовая программа не приняла адрес %1: %2. Проверьте адрес в карточке клиента. Файл сохранён: «%3».</source>
        <translation>Поштова програма не прийняла адресу %1: %2. Перевірте адресу в картці клієнта. Файл збережено: «%3».</translation>
    </message>
    <message>
        <source>Не удалось передать письмо почтовой программе: %1. Файл сохранён: «%2».</source>
        <translation>Не вдалося передати лист поштовій програмі: %1. Файл збережено: «%2».</translation>
    </message>
</context>
<context>
    <name>ui::TextPreview</name>
    <message>
        <source>В главном окне ещё нет прогноза: поля заполнены для клиента %1 и даты для примера — %2.</source>
        <translation>У головному вікні ще немає прогнозу: поля заповнено для клієнта %1 і дати для прикладу — %2.</translation>
    </message>
    <message>
        <source>В главном окне ещё нет прогноза, поэтому поля заполнены для примера: %1, %2.</source>
        <translation>У головному вікні ще немає прогнозу, тому поля заповнено для прикладу: %1, %2.</translation>
    </message>
    <message>
        <source>Поля заполнены для клиента главного окна: %1, %2.</source>
        <translation>Поля заповнено для клієнта головного вікна: %1, %2.</translation>
    </message>
    <message>
        <source>Поля заполнены по прогнозу главного окна (%1); имя взято для примера: %2.</source>
        <translation>Поля заповнено за прогнозом головного вікна (%1); ім’я взято для прикладу: %2.</translation>
    </message>
    <message>
        <source>Иванова</source>
        <extracomment>The made-up client of the preview: surname</extracomment>
        <translation>Іваненко</translation>
    </message>
    <message>
        <source>Анна</source>
        <extracomment>The made-up client of the preview: first name</extracomment>
        <translation>Ганна</translation>
    </message>
    <message>
        <source>Сергеевна</source>
        <extracomment>The made-up client of the preview: patronymic (a middle name where there is none)</extracomment>
        <translation>Сергіївна</translation>
    </message>
</context>
<context>
    <name>ui::TextsWindow</name>
    <message>
        <source>Тексты толкований[*]</source>
        <translation>Тексти тлумачень[*]</translation>
    </message>
    <message>
        <source>ключ или слова из текста</source>
        <translation>ключ або слова з тексту</translation>
    </message>
    <message>
        <source>Записи</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>&amp;Найти:</source>
        <translation>&amp;Знайти:</translation>
    </message>
    <message>
        <source>&amp;Записи:</source>
        <translation>З&amp;аписи:</translation>
    </message>
    <message>
        <source>&amp;Включать в отчёт</source>
        <translation>&amp;Включати до звіту</translation>
    </message>
    <message>
        <source>Вернуть текст по &amp;умолчанию</source>
        <translation>Повернути текст за &amp;замовчуванням</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>&amp;Текст:</source>
        <translation>&amp;Текст:</translation>
    </message>
    <message>
        <source>&amp;Просмотр:</source>
        <translation>&amp;Перегляд:</translation>
    </message>
    <message>
        <source>&amp;Экспорт…</source>
        <translation>&amp;Експорт…</translation>
    </message>
    <message>
        <source>Записать свои тексты в файл, чтобы перенести их</source>
        <translation>Записати свої тексти у файл, щоб перенести їх</translation>
    </message>
    <message>
        <source>&amp;Импорт…</source>
        <translation>&amp;Імпорт…</translation>
    </message>
    <message>
        <source>Взять тексты из файла; прежние можно будет вернуть</source>
        <translation>Узяти тексти з файлу; попередні можна буде повернути</translation>
    </message>
    <message>
        <source>&amp;Отменить импорт</source>
        <translation>Скас&amp;увати імпорт</translation>
    </message>
    <message>
        <source>Вернуть тексты, какими они были до импорта</source>
        <translation>Повернути тексти такими, якими вони були до імпорту</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>Ctrl+S: сохранить тексты</source>
        <translation>Ctrl+S: зберегти тексти</translation>
    </message>
    <message>
        <source>Закр&amp;ыть</source>
        <translation>Закр&amp;ити</translation>
    </message>
    <message>
        <source>Выберите запись в дереве слева.</source>
        <translation>Виберіть запис у дереві ліворуч.</translation>
    </message>
    <message>
        <source>Текст изменён вами</source>
        <translation>Текст змінено вами</translation>
    </message>
    <message>
        <source>Текст программы</source>
        <translation>Текст програми</translation>
    </message>
    <message numerus="yes">
        <source>Изменено записей: %n</source>
        <translation>
            <numerusform>Змінено записів: %n</numerusform>
            <numerusform>Змінено записів: %n</numerusform>
            <numerusform>Змінено записів: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1] — текст изменён вами</source>
        <translation>[%1] — текст змінено вами</translation>
    </message>
    <message>
        <source>[%1] — текст программы</source>
        <translation>[%1] — текст програми</translation>
    </message>
    <message>
        <source>%1 из %2 знаков</source>
        <translation>%1 з %2 знаків</translation>
    </message>
    <message>
        <source>Сохранить нельзя: запись «%1». %2</source>
        <translation>Зберегти не можна: запис «%1». %2</translation>
    </message>
    <message>
        <source>Тексты толкований</source>
        <translation>Тексти тлумачень</translation>
    </message>
    <message>
        <source>Сохранить изменения?</source>
        <translation>Зберегти зміни?</translation>
    </message>
    <message>
        <source>Тексты толкований изменены, но ещё не сохранены.</source>
        <translation>Тексти тлумачень змінено, але ще не збережено.</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Не зберігати</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Тексты толкований (*.txt)</source>
        <translation>Тексти тлумачень (*.txt)</translation>
    </message>
    <message>
        <source>Экспорт текстов толкований</source>
        <translation>Експорт текстів тлумачень</translation>
    </message>
    <message>
        <source>Тексты толкований.txt</source>
        <translation>Тексти тлумачень.txt</translation>
    </message>
    <message>
        <source>Импорт текстов толкований</source>
        <translation>Імпорт текстів тлумачень</translation>
    </message>
    <message>
        <source>;;Все файлы (*)</source>
        <translation>;;Усі файли (*)</translation>
    </message>
    <message numerus="yes">
        <source>Тексты сохранены. Изменённых вами записей: %n.</source>
        <translation>
            <numerusform>Тексти збережено. Змінених вами записів: %n.</numerusform>
            <numerusform>Тексти збережено. Змінених вами записів: %n.</numerusform>
            <numerusform>Тексти збережено. Змінених вами записів: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Тексты записаны в файл «%1». Изменённых вами записей в нём: %n.</source>
        <translation>
            <numerusform>Тексти записано у файл «%1». Змінених вами записів у ньому: %n.</numerusform>
            <numerusform>Тексти записано у файл «%1». Змінених вами записів у ньому: %n.</numerusform>
            <numerusform>Тексти записано у файл «%1». Змінених вами записів у ньому: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Тексты из файла «%1» не импортированы, ваши тексты не изменились.

%2</source>
        <translation>Тексти з файлу «%1» не імпортовано, ваші тексти не змінилися.

%2</translation>
    </message>
    <message>
        <source>В файле «%1» те же тексты, что у вас сейчас: ничего не изменено.</source>
        <translation>У файлі «%1» ті самі тексти, що у вас зараз: нічого не змінено.</translation>
    </message>
    <message numerus="yes">
        <source>Импорт из файла «%1» изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать?</source>
        <translation>
            <numerusform>Імпорт із файлу «%1» змінить записів: %n. Попередні тексти збережуться, і імпорт можна буде скасувати. Імпортувати?</numerusform>
            <numerusform>Імпорт із файлу «%1» змінить записів: %n. Попередні тексти збережуться, і імпорт можна буде скасувати. Імпортувати?</numerusform>
            <numerusform>Імпорт із файлу «%1» змінить записів: %n. Попередні тексти збережуться, і імпорт можна буде скасувати. Імпортувати?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл «%1» прочитан не целиком:
%2

Записи, которые не удалось прочитать, станут текстами программы. Импорт изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать прочитанное?</source>
        <translation>
            <numerusform>Файл «%1» прочитано не повністю:
%2

Записи, які не вдалося прочитати, стануть текстами програми. Імпорт змінить записів: %n. Попередні тексти збережуться, і імпорт можна буде скасувати. Імпортувати прочитане?</numerusform>
            <numerusform>Файл «%1» прочитано не повністю:
%2

Записи, які не вдалося прочитати, стануть текстами програми. Імпорт змінить записів: %n. Попередні тексти збережуться, і імпорт можна буде скасувати. Імпортувати прочитане?</numerusform>
            <numerusform>Файл «%1» прочитано не повністю:
%2

Записи, які не вдалося прочитати, стануть текстами програми. Імпорт змінить записів: %n. Попередні тексти збережуться, і імпорт можна буде скасувати. Імпортувати прочитане?</numerusform>
        </translation>
    </message>
    <message>
        <source>Импортировать</source>
        <translation>Імпортувати</translation>
    </message>
    <message numerus="yes">
        <source>Импортировано из файла «%1»: изменено записей %n. Прежние тексты вернёт «Отменить импорт».</source>
        <translation>
            <numerusform>Імпортовано з файлу «%1»: змінено записів %n. Попередні тексти поверне «Скасувати імпорт».</numerusform>
            <numerusform>Імпортовано з файлу «%1»: змінено записів %n. Попередні тексти поверне «Скасувати імпорт».</numerusform>
            <numerusform>Імпортовано з файлу «%1»: змінено записів %n. Попередні тексти поверне «Скасувати імпорт».</numerusform>
        </translation>
    </message>
    <message>
        <source>Вернуть тексты, какими они были до импорта? Несохранённые изменения пропадут.</source>
        <translation>Повернути тексти такими, якими вони були до імпорту? Незбережені зміни буде втрачено.</translation>
    </message>
    <message>
        <source>Вернуть тексты, какими они были до импорта?</source>
        <translation>Повернути тексти такими, якими вони були до імпорту?</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Повернути</translation>
    </message>
    <message>
        <source>Импорт отменён: тексты такие, какими были до него.</source>
        <translation>Імпорт скасовано: тексти такі, якими були до нього.</translation>
    </message>
    <message>
        <source>%1; в отчёт не включается</source>
        <translation>%1; до звіту не включається</translation>
    </message>
    <message>
        <source>%1 Эта запись сейчас не включается в отчёт.</source>
        <translation>%1 Цей запис зараз не включається до звіту.</translation>
    </message>
    <message>
        <source>Я&amp;зык текстов:</source>
        <translation>&amp;Мова текстів:</translation>
    </message>
    <message>
        <source>Тексты на языке: %1.</source>
        <translation>Тексти мовою: %1.</translation>
    </message>
    <message>
        <source>%1 Вариант пуст: читается сама запись.</source>
        <translation>%1 Варіант порожній: читається сам запис.</translation>
    </message>
</context>
<context>
    <name>ui::TurningCalendar</name>
    <message>
        <source>Календарь поворотных лет</source>
        <translation>Календар поворотних років</translation>
    </message>
    <message>
        <source>Календарь iCalendar (*.ics)</source>
        <translation>Календар iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Календарь не составлен: %1</source>
        <translation>Календар не складено: %1</translation>
    </message>
    <message>
        <source>Календарь поворотных лет сохранён в файл «%1»: событий %2.</source>
        <translation>Календар поворотних років збережено у файл «%1»: подій %2.</translation>
    </message>
</context>
<context>
    <name>ui::TurningModel</name>
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
        <source>Дата рождения</source>
        <translation>Дата народження</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>Поворот</source>
        <translation>Поворот</translation>
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
        <source>Связался</source>
        <translation>Зв’язався</translation>
    </message>
</context>
<context>
    <name>ui::TurningWindow</name>
    <message>
        <source>Поворотные годы</source>
        <translation>Поворотні роки</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>Таблиця CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV для Excel (;) (*.csv)</source>
        <translation>CSV для Excel (;) (*.csv)</translation>
    </message>
    <message>
        <source>Поворотные годы в CSV</source>
        <translation>Поворотні роки в CSV</translation>
    </message>
    <message>
        <source>Клиенты с поворотным годом</source>
        <translation>Клієнти з поворотним роком</translation>
    </message>
    <message>
        <source>&amp;Год:</source>
        <translation>&amp;Рік:</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Рік</translation>
    </message>
    <message>
        <source>&amp;Перемена от:</source>
        <translation>&amp;Зміна від:</translation>
    </message>
    <message>
        <source> ур.</source>
        <translation> рів.</translation>
    </message>
    <message>
        <source>На сколько уровней год должен отличаться от прошлого, чтобы считаться переменой</source>
        <translation>На скільки рівнів рік має відрізнятися від попереднього, щоб вважатися зміною</translation>
    </message>
    <message>
        <source>Перемена от, уровней</source>
        <translation>Зміна від, рівнів</translation>
    </message>
    <message>
        <source>Показат&amp;ь</source>
        <translation>Показат&amp;и</translation>
    </message>
    <message>
        <source>&amp;Найти:</source>
        <translation>З&amp;найти:</translation>
    </message>
    <message>
        <source>имя, дата (23.08, 1975, август), телефон или почта</source>
        <translation>ім’я, дата (23.08, 1975, серпень), телефон або пошта</translation>
    </message>
    <message>
        <source>Поиск клиента</source>
        <translation>Пошук клієнта</translation>
    </message>
    <message>
        <source>&amp;Связался</source>
        <translation>Зв’&amp;язався</translation>
    </message>
    <message>
        <source>Пробел: отметить, что с клиентом связались сегодня, или снять отметку; Ctrl+Z отменяет</source>
        <translation>Пробіл: позначити, що з клієнтом зв’язалися сьогодні, або зняти позначку; Ctrl+Z скасовує</translation>
    </message>
    <message>
        <source>О&amp;тменить</source>
        <translation>С&amp;касувати</translation>
    </message>
    <message>
        <source>Ctrl+Z: вернуть отметку, как была</source>
        <translation>Ctrl+Z: повернути позначку, як була</translation>
    </message>
    <message>
        <source>&amp;Календарь (.ics)...</source>
        <translation>&amp;Календар (.ics)...</translation>
    </message>
    <message>
        <source>Поворотные годы клиента на десять лет вперёд — файл для календаря</source>
        <translation>Поворотні роки клієнта на десять років уперед — файл для календаря</translation>
    </message>
    <message>
        <source>&amp;Экспорт в CSV...</source>
        <translation>&amp;Експорт у CSV...</translation>
    </message>
    <message>
        <source>Ctrl+S: сохранить показанный список в файл CSV</source>
        <translation>Ctrl+S: зберегти показаний список у файл CSV</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Поворотные годы %1.csv</source>
        <translation>Поворотні роки %1.csv</translation>
    </message>
    <message numerus="yes">
        <source>Поворотные годы сохранены в файл «%1»: клиентов %n.</source>
        <translation>
            <numerusform>Поворотні роки збережено у файл «%1»: %n клієнт.</numerusform>
            <numerusform>Поворотні роки збережено у файл «%1»: %n клієнти.</numerusform>
            <numerusform>Поворотні роки збережено у файл «%1»: %n клієнтів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Снять отмет&amp;ку</source>
        <translation>Зняти позна&amp;чку</translation>
    </message>
    <message>
        <source>Клиентов с поворотным годом в %1: %2</source>
        <translation>Клієнтів із поворотним роком у %1: %2</translation>
    </message>
    <message>
        <source>Найдено: %1 из %2</source>
        <translation>Знайдено: %1 з %2</translation>
    </message>
</context>
<context>
    <name>ui::UnknownFieldMarks</name>
    <message>
        <source>Таких полей нет: %1 — в отчёте они останутся как написаны. Поля: %2.</source>
        <translation>Таких полів немає: %1 — у звіті вони залишаться як написано. Поля: %2.</translation>
    </message>
</context>
</TS>
