<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>aspects::AspectSquare</name>
    <message>
        <source>Квадрат аспектов</source>
        <translation>Aspect square</translation>
    </message>
    <message>
        <source>уровень %1</source>
        <translation>level %1</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>, корневая цифра</source>
        <translation>, the root digit</translation>
    </message>
    <message>
        <source>Запас жизненной энергии и здоровья, сила, с которой человек действует на окружающих.</source>
        <translation>The store of life energy and vitality, the force with which a person acts on those around them.</translation>
    </message>
    <message>
        <source>Практичность: умение обустроить быт, заработать и крепко стоять на ногах.</source>
        <translation>Practicality: the knack of making a home, earning a living and standing firmly on one’s feet.</translation>
    </message>
    <message>
        <source>Интуиция и духовность, способность слышать внутренний голос.</source>
        <translation>Intuition and spirituality, the ability to hear one’s inner voice.</translation>
    </message>
    <message>
        <source>Трудолюбие, мастерство и умение доводить начатое до конца.</source>
        <translation>Diligence, skill and the ability to see things through.</translation>
    </message>
    <message>
        <source>Способность любить и быть любимым, тепло в отношениях с близкими.</source>
        <translation>The ability to love and be loved, warmth in relations with those close to you.</translation>
    </message>
    <message>
        <source>Любознательность, увлечённость своим делом и тяга к новому.</source>
        <translation>Curiosity, enthusiasm for one’s work and a pull towards the new.</translation>
    </message>
    <message>
        <source>Защита в трудную минуту: выход из опасных положений, помощь в беде.</source>
        <translation>Protection in a hard moment: a way out of difficult situations, help in trouble.</translation>
    </message>
    <message>
        <source>Счастливый случай и лёгкость, с которой удаются дела.</source>
        <translation>The lucky chance, and the ease with which things work out.</translation>
    </message>
    <message>
        <source>Стремление к успеху, положению и признанию в обществе.</source>
        <translation>The drive for success, standing and recognition.</translation>
    </message>
</context>
<context>
    <name>print::BookletsComposer</name>
    <message>
        <source>подробные отчёты</source>
        <translation>the detailed readings</translation>
    </message>
    <message>
        <source>подробный отчёт</source>
        <translation>the detailed reading</translation>
    </message>
    <message>
        <source>Сохранить подробный отчёт в файл PDF</source>
        <translation>Save Detailed Reading as PDF</translation>
    </message>
    <message>
        <source>Подробный отчёт печатается без логотипа.</source>
        <translation>The detailed reading is printed without the logo.</translation>
    </message>
    <message>
        <source>Клиент %1 из %2</source>
        <translation>Client %1 of %2</translation>
    </message>
    <message>
        <source>Печать подробных отчётов</source>
        <translation>Printing Detailed Readings</translation>
    </message>
    <message>
        <source>Подробные отчёты в PDF</source>
        <translation>Detailed Readings to PDF</translation>
    </message>
    <message>
        <source>в списке нет ни одного клиента, для которого есть прогноз</source>
        <translation>there is no client in the list with a forecast</translation>
    </message>
    <message>
        <source>Подробный отчёт</source>
        <translation>Detailed Reading</translation>
    </message>
    <message>
        <source>Подробный отчёт: %1</source>
        <translation>Detailed Reading: %1</translation>
    </message>
</context>
<context>
    <name>print::DocumentFacts</name>
    <message>
        <source>Страница %1 из %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Сохранение в PDF</source>
        <translation>Saving as PDF</translation>
    </message>
</context>
<context>
    <name>print::FrmPrn</name>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сведения о клиенте, которому выполняется прогноз</source>
        <translation>About the client this forecast is for</translation>
    </message>
    <message>
        <source>Запомнить в картотеке</source>
        <translation>Keep in the client book</translation>
    </message>
</context>
<context>
    <name>print::GroupPages</name>
    <message>
        <source>%1: %2 и %3</source>
        <translation>%1: %2 and %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>страницу сравнения</source>
        <translation>the comparison page</translation>
    </message>
    <message>
        <source>страницы сравнения</source>
        <translation>the comparison pages</translation>
    </message>
    <message>
        <source>Сохранить сравнение в файл PDF</source>
        <translation>Save Comparison as PDF</translation>
    </message>
    <message>
        <source>Страница печатается без логотипа.</source>
        <translation>The page is printed without the logo.</translation>
    </message>
    <message>
        <source>Страницы печатаются без логотипа.</source>
        <translation>The pages are printed without the logo.</translation>
    </message>
    <message>
        <source>страница не составлена</source>
        <translation>the page was not composed</translation>
    </message>
</context>
<context>
    <name>print::LanguageBox</name>
    <message>
        <source>Язык отчёта</source>
        <translation>Report language</translation>
    </message>
    <message>
        <source>Язык отчёта:</source>
        <translation>Report language:</translation>
    </message>
</context>
<context>
    <name>print::Letterhead</name>
    <message>
        <source>Система не назвала программе папку для её данных.</source>
        <translation>The system did not give the program a folder for its data.</translation>
    </message>
    <message>
        <source>Не удалось создать папку данных программы «%1»: %2.</source>
        <translation>Could not create the program’s data folder “%1”: %2.</translation>
    </message>
    <message>
        <source>Файл логотипа «%1» не найден: его переместили или удалили.</source>
        <translation>The logo file “%1” was not found: it has been moved or deleted.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл логотипа «%1»: %2.</source>
        <translation>Could not read the logo file “%1”: %2.</translation>
    </message>
    <message>
        <source>Копия логотипа «%1» — символическая ссылка, а не файл программы.</source>
        <translation>The logo copy “%1” is a symbolic link, not the program’s own file.</translation>
    </message>
    <message>
        <source>%1 Программа отложила эту копию в «%2»; выберите логотип заново в «Бланк отчёта…».</source>
        <translation>%1 The program has set this copy aside as “%2”; choose the logo again in “Letterhead…”.</translation>
    </message>
</context>
<context>
    <name>print::LetterheadText</name>
    <message>
        <source>Имя на бланке длиннее %1 символов.</source>
        <translation>The name on the letterhead is longer than %1 characters.</translation>
    </message>
    <message>
        <source>В имени на бланке %1.</source>
        <translation>The name on the letterhead: %1.</translation>
    </message>
    <message>
        <source>На бланке помещается не больше трёх строк контактов.</source>
        <translation>The letterhead holds at most three lines of contacts.</translation>
    </message>
    <message>
        <source>Строка контактов %1 длиннее %2 символов.</source>
        <translation>Contact line %1 is longer than %2 characters.</translation>
    </message>
    <message>
        <source>В строке контактов %1 %2.</source>
        <translation>Contact line %1: %2.</translation>
    </message>
</context>
<context>
    <name>print::LogoPicture</name>
    <message>
        <source>Рисунок «%1» повреждён: его не удалось прочитать.</source>
        <translation>The picture “%1” is damaged: it could not be read.</translation>
    </message>
    <message>
        <source>Рисунок «%1» слишком велик: %2 × %3 точек, а можно не больше %4 по каждой стороне.</source>
        <translation>The picture “%1” is too large: %2 × %3 pixels, and at most %4 a side are allowed.</translation>
    </message>
    <message>
        <source>Файл «%1» — не рисунок PNG, JPEG или SVG.</source>
        <translation>The file “%1” is not a PNG, JPEG or SVG picture.</translation>
    </message>
    <message>
        <source>Рисунок «%1» объявляет свои сущности XML (&lt;!ENTITY …&gt;); такой рисунок программа не открывает. Сохраните его заново в графическом редакторе.</source>
        <translation>The picture “%1” declares XML entities of its own (&lt;!ENTITY …&gt;); the program does not open such a picture. Save it again in a graphics editor.</translation>
    </message>
    <message>
        <source>Рисунок «%1» слишком сложен для логотипа: в нём больше %2 элементов или они вложены глубже %3 уровней.</source>
        <translation>The picture “%1” is too complex for a logo: it has more than %2 elements, or they are nested deeper than %3 levels.</translation>
    </message>
    <message>
        <source>Рисунок «%1» берёт часть изображения из другого файла или из сети («%2»). Логотип должен быть одним файлом: встройте картинки в рисунок или сохраните его как PNG.</source>
        <translation>The picture “%1” takes part of its image from another file or from the network (“%2”). A logo must be one file: embed the images in the picture or save it as PNG.</translation>
    </message>
    <message>
        <source>Картинка, встроенная в рисунок «%1», — не PNG и не JPEG или повреждена («%2»).</source>
        <translation>An image embedded in the picture “%1” is neither PNG nor JPEG, or is damaged (“%2”).</translation>
    </message>
    <message>
        <source>Картинки, встроенные в рисунок «%1», вместе больше %2 млн точек: для логотипа это слишком много.</source>
        <translation>The images embedded in the picture “%1” add up to more than %2 million pixels: too many for a logo.</translation>
    </message>
    <message>
        <source>Рисунок «%1» повреждён: файл обрывается раньше конца рисунка.</source>
        <translation>The picture “%1” is damaged: the file ends before the picture does.</translation>
    </message>
    <message>
        <source>Сжатый рисунок «%1» в развёрнутом виде больше %2 МБ.</source>
        <translation>The compressed picture “%1” is larger than %2 MB once unpacked.</translation>
    </message>
    <message>
        <source>Рисунок «%1» — в формате SVG, а эта сборка программы читает логотипы только в форматах PNG и JPEG. Сохраните логотип как PNG или JPEG и выберите его заново.</source>
        <translation>The picture “%1” is an SVG drawing, and this build of the program reads logos only as PNG or JPEG. Save the logo as PNG or JPEG and choose it again.</translation>
    </message>
</context>
<context>
    <name>print::PersonFields</name>
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
        <source>Пол</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>Обращение</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>День рождения</source>
        <translation>Day of birth</translation>
    </message>
    <message>
        <source>Месяц рождения</source>
        <translation>Month of birth</translation>
    </message>
    <message>
        <source>Год рождения</source>
        <translation>Year of birth</translation>
    </message>
    <message>
        <source>не указан</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>женский</source>
        <translation>female</translation>
    </message>
    <message>
        <source>мужской</source>
        <translation>male</translation>
    </message>
    <message>
        <source>Как обращается к клиенту приветствие подробного отчёта: «Мария Ивановна», «Андрію», «Маша». Пусто — как предлагают имя и отчество на языке отчёта.</source>
        <translation>How the detailed reading&apos;s greeting addresses the client: “Mary”, “Mrs Carter”, “Andriy”. Empty: as the first name and patronymic suggest in the report&apos;s language.</translation>
    </message>
    <message>
        <source>По&amp;л:</source>
        <translation>&amp;Gender:</translation>
    </message>
    <message>
        <source>О&amp;бращение:</source>
        <translation>A&amp;ddress:</translation>
    </message>
    <message>
        <source>Дата &amp;рождения:</source>
        <translation>Date of &amp;birth:</translation>
    </message>
    <message>
        <source>день</source>
        <translation>day</translation>
    </message>
    <message>
        <source>месяц</source>
        <translation>month</translation>
    </message>
    <message>
        <source>год</source>
        <translation>year</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Фамилия:</source>
        <translation>&amp;Surname:</translation>
    </message>
    <message>
        <source>&amp;Имя:</source>
        <translation>&amp;First name:</translation>
    </message>
    <message>
        <source>&amp;Отчество:</source>
        <translation>&amp;Patronymic:</translation>
    </message>
</context>
<context>
    <name>print::PrintDelivery</name>
    <message>
        <source>принтер не принял документ</source>
        <translation>the printer did not accept the document</translation>
    </message>
    <message>
        <source>Не удалось напечатать %1 на принтере «%2». Проверьте, что принтер включён и готов к работе.</source>
        <translation>Could not print %1 on the printer “%2”. Check that the printer is switched on and ready.</translation>
    </message>
    <message>
        <source>страница не записана</source>
        <translation>a page was not written</translation>
    </message>
    <message>
        <source>Предварительный просмотр — %1</source>
        <translation>Print Preview — %1</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>print::PrintJob</name>
    <message>
        <source>отчёт</source>
        <translation>the report</translation>
    </message>
    <message>
        <source>Сохранить отчёт в файл PDF</source>
        <translation>Save Report as PDF</translation>
    </message>
    <message>
        <source>Отчёт печатается без логотипа.</source>
        <translation>The report is printed without the logo.</translation>
    </message>
    <message>
        <source>отчёт не составлен</source>
        <translation>the report was not composed</translation>
    </message>
    <message>
        <source>Отчёт не напечатан.</source>
        <translation>The report was not printed.</translation>
    </message>
</context>
<context>
    <name>print::ReportsComposer</name>
    <message>
        <source>отчёты</source>
        <translation>the reports</translation>
    </message>
    <message>
        <source>Сохранить отчёты в файл PDF</source>
        <translation>Save Reports as PDF</translation>
    </message>
    <message>
        <source>Отчёты печатаются без логотипа.</source>
        <translation>The reports are printed without the logo.</translation>
    </message>
    <message>
        <source>Клиент %1 из %2</source>
        <translation>Client %1 of %2</translation>
    </message>
    <message>
        <source>Печать отчётов</source>
        <translation>Printing Reports</translation>
    </message>
    <message>
        <source>Отчёты в PDF</source>
        <translation>Reports to PDF</translation>
    </message>
    <message>
        <source>в списке нет ни одного клиента, для которого есть прогноз</source>
        <translation>there is no client in the list with a forecast</translation>
    </message>
    <message>
        <source>%1: отчёты</source>
        <translation>%1: reports</translation>
    </message>
</context>
<context>
    <name>print::SavePlace</name>
    <message>
        <source>Прогноз</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <source>Сравнение - %1 и %2.pdf</source>
        <translation>Comparison - %1 and %2.pdf</translation>
    </message>
    <message>
        <source>Подробный отчёт</source>
        <translation>Detailed reading</translation>
    </message>
    <message>
        <source>Вместе - %1.pdf</source>
        <translation>Together - %1.pdf</translation>
    </message>
    <message>
        <source>Поворотные годы</source>
        <translation>Turning years</translation>
    </message>
</context>
<context>
    <name>ui::BatchReport</name>
    <message>
        <source>Картотека клиентов</source>
        <translation>Client Book</translation>
    </message>
    <message>
        <source>(без имени)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Отчёты - %1.pdf</source>
        <translation>Reports - %1.pdf</translation>
    </message>
    <message numerus="yes">
        <source>Пропущены клиенты, для даты рождения которых нет прогноза (%n):</source>
        <translation>
            <numerusform>Skipped %n client whose date of birth has no forecast:</numerusform>
            <numerusform>Skipped %n clients whose dates of birth have no forecast:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…и ещё %n.</source>
        <translation>
            <numerusform>…and %n more.</numerusform>
            <numerusform>…and %n more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Отчёты отправлены на принтер «%1»: страниц %n.</source>
        <translation>
            <numerusform>The reports were sent to the printer “%1”: %n page.</numerusform>
            <numerusform>The reports were sent to the printer “%1”: %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Отчёты сохранены в файл «%1»: страниц %n.</source>
        <translation>
            <numerusform>The reports were saved to “%1”: %n page.</numerusform>
            <numerusform>The reports were saved to “%1”: %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты сохранены в файл «%1»: страниц %n.</source>
        <translation>
            <numerusform>The detailed readings were saved to “%1”: %n page.</numerusform>
            <numerusform>The detailed readings were saved to “%1”: %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты отправлены на принтер «%1»: страниц %n.</source>
        <translation>
            <numerusform>The detailed readings were sent to the printer “%1”: %n page.</numerusform>
            <numerusform>The detailed readings were sent to the printer “%1”: %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты - %n клиентов.pdf</source>
        <translation>
            <numerusform>Detailed readings - %n client.pdf</numerusform>
            <numerusform>Detailed readings - %n clients.pdf</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::BinWindow</name>
    <message>
        <source>Удалённые клиенты</source>
        <translation>Deleted clients</translation>
    </message>
    <message>
        <source>Удалить навсегда</source>
        <translation>Remove for good</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>Удалённые клиенты хранятся здесь %n дней вместе с историей отчётов и всем, что было в карточке, а потом удаляются сами. Записи, отложенные при восстановлении из копии, потому что они нарушают правила картотеки, хранятся, пока вы их не удалите.</source>
        <translation>
            <numerusform>Deleted clients are kept here for %n day with their report history and everything on their card, and then go by themselves. Entries set aside when a copy was restored, because they break the rules of the client book, are kept until you remove them.</numerusform>
            <numerusform>Deleted clients are kept here for %n days with their report history and everything on their card, and then go by themselves. Entries set aside when a copy was restored, because they break the rules of the client book, are kept until you remove them.</numerusform>
        </translation>
    </message>
    <message>
        <source>Клиент</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Дата рождения</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>Удалён</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>Почему отложен</source>
        <translation>Why set aside</translation>
    </message>
    <message>
        <source>Удалённых клиентов нет.</source>
        <translation>There are no deleted clients.</translation>
    </message>
    <message>
        <source>&amp;Вернуть</source>
        <translation>&amp;Bring back</translation>
    </message>
    <message>
        <source>Enter: вернуть выбранных клиентов в картотеку</source>
        <translation>Enter: bring the chosen clients back into the book</translation>
    </message>
    <message>
        <source>Удалить &amp;навсегда…</source>
        <translation>&amp;Remove for good…</translation>
    </message>
    <message>
        <source>Delete: удалить выбранных навсегда, вместе с историей</source>
        <translation>Delete: remove the chosen for good, with their history</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>(без имени)</source>
        <translation>(no name)</translation>
    </message>
    <message numerus="yes">
        <source>Удалить навсегда выбранных: %n? Их уже нельзя будет вернуть, и их история отчётов тоже будет удалена.</source>
        <translation>
            <numerusform>Remove the chosen for good: %n? They cannot be brought back afterwards, and their report history goes too.</numerusform>
            <numerusform>Remove the chosen for good: %n? They cannot be brought back afterwards, and their report history goes too.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::BookModel</name>
    <message>
        <source>Фамилия</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Отчество</source>
        <translation>Patronymic</translation>
    </message>
    <message>
        <source>Дата рождения</source>
        <translation>Date of birth</translation>
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
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Неверная дата рождения: измените её (F2)</source>
        <translation>Invalid date of birth: change it (F2)</translation>
    </message>
    <message>
        <source>%1 (неверная)</source>
        <translation>%1 (invalid)</translation>
    </message>
</context>
<context>
    <name>ui::BookWindow</name>
    <message>
        <source>&amp;Открыть</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Enter или двойной щелчок: дата клиента в главном окне и расчёт</source>
        <translation>Enter or double-click: the client’s date in the main window, calculated</translation>
    </message>
    <message>
        <source>&amp;Печать...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Ctrl+P: напечатать прогноз для клиента</source>
        <translation>Ctrl+P: print the client’s forecast</translation>
    </message>
    <message>
        <source>&amp;Изменить...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>F2: изменить имя, дату рождения и примечание</source>
        <translation>F2: change the name, date of birth and note</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>De&amp;lete</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete: удалить клиента из картотеки</source>
        <translation>Delete: remove the client from the book</translation>
    </message>
    <message>
        <source>Отчёты в P&amp;DF...</source>
        <translation>Reports to PD&amp;F...</translation>
    </message>
    <message>
        <source>Отчёты в PDF</source>
        <translation>Reports to PDF</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S: один файл PDF, по странице на каждого выбранного клиента</source>
        <translation>Ctrl+Shift+S: one PDF file, a page for each selected client</translation>
    </message>
    <message>
        <source>Нап&amp;ечатать выбранных...</source>
        <translation>Print &amp;Selected...</translation>
    </message>
    <message>
        <source>Напечатать выбранных</source>
        <translation>Print Selected</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P: напечатать отчёты всех выбранных клиентов</source>
        <translation>Ctrl+Shift+P: print the reports of all selected clients</translation>
    </message>
    <message>
        <source>С&amp;равнить</source>
        <translation>Co&amp;mpare</translation>
    </message>
    <message>
        <source>Сравнить</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>&amp;Экспорт в CSV...</source>
        <translation>E&amp;xport to CSV...</translation>
    </message>
    <message>
        <source>Экспорт в CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>Ctrl+S: сохранить всю картотеку в файл CSV</source>
        <translation>Ctrl+S: save the whole book to a CSV file</translation>
    </message>
    <message>
        <source>И&amp;мпорт из CSV...</source>
        <translation>&amp;Import from CSV...</translation>
    </message>
    <message>
        <source>Импорт из CSV</source>
        <translation>Import from CSV</translation>
    </message>
    <message>
        <source>Ctrl+I: добавить клиентов из файла CSV</source>
        <translation>Ctrl+I: add clients from a CSV file</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Esc: закрыть картотеку</source>
        <translation>Esc: close the book</translation>
    </message>
    <message>
        <source>Картотека клиентов</source>
        <translation>Client Book</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>CSV для Excel (;) (*.csv)</source>
        <translation>CSV for Excel (;) (*.csv)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Импорт клиентов из CSV</source>
        <translation>Import Clients from CSV</translation>
    </message>
    <message>
        <source>Экспорт картотеки в CSV</source>
        <translation>Export the Book to CSV</translation>
    </message>
    <message>
        <source>Картотека клиентов.csv</source>
        <translation>Client book.csv</translation>
    </message>
    <message>
        <source>&amp;Найти:</source>
        <translation>Fi&amp;nd:</translation>
    </message>
    <message>
        <source>имя, дата (23.08, 1975, август), телефон или почта</source>
        <translation>name, date (23.08, 1975, August), phone or e-mail</translation>
    </message>
    <message>
        <source>Поиск клиента</source>
        <translation>Find a client</translation>
    </message>
    <message>
        <source>Показывает клиентов, у которых набранное есть в фамилии, имени, отчестве, дате рождения, телефоне или электронной почте</source>
        <translation>Shows the clients whose surname, name, patronymic, date of birth, phone or e-mail contains what you type</translation>
    </message>
    <message>
        <source>Состояние картотеки</source>
        <translation>State of the book</translation>
    </message>
    <message>
        <source>Клиенты</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Число клиентов</source>
        <translation>Number of clients</translation>
    </message>
    <message>
        <source>Напоминание о копии картотеки</source>
        <translation>Reminder to back up the book</translation>
    </message>
    <message>
        <source>Клиентов в картотеке: %1</source>
        <translation>Clients in the book: %1</translation>
    </message>
    <message>
        <source>Найдено: %1 из %2</source>
        <translation>Found: %1 of %2</translation>
    </message>
    <message>
        <source>Удалить из картотеки клиента %1, %2?</source>
        <translation>Delete the client %1, %2 from the book?</translation>
    </message>
    <message numerus="yes">
        <source>Удалить из картотеки выбранных клиентов: %n?</source>
        <translation>
            <numerusform>Delete the %n selected client from the book?</numerusform>
            <numerusform>Delete the %n selected clients from the book?</numerusform>
        </translation>
    </message>
    <message>
        <source>Копия картотеки (*.sqlite);;Все файлы (*)</source>
        <translation>Book backup (*.sqlite);;All files (*)</translation>
    </message>
    <message>
        <source>Восстановить картотеку из копии</source>
        <translation>Restore the Book from a Backup</translation>
    </message>
    <message>
        <source>Копия картотеки %1.sqlite</source>
        <translation>Book backup %1.sqlite</translation>
    </message>
    <message>
        <source>Сохранить копию картотеки</source>
        <translation>Back Up the Book</translation>
    </message>
    <message>
        <source>Восстановить из копии</source>
        <translation>Restore from Backup</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>&amp;Картотека</source>
        <translation>&amp;Book</translation>
    </message>
    <message>
        <source>Сохранить &amp;копию…</source>
        <translation>&amp;Back Up…</translation>
    </message>
    <message>
        <source>&amp;Восстановить из копии…</source>
        <translation>&amp;Restore from Backup…</translation>
    </message>
    <message>
        <source>&amp;Экспорт в CSV…</source>
        <translation>&amp;Export to CSV…</translation>
    </message>
    <message>
        <source>&amp;Импорт из CSV…</source>
        <translation>&amp;Import from CSV…</translation>
    </message>
    <message numerus="yes">
        <source>Копия картотеки сохранена в файл «%1»: %n клиентов.</source>
        <translation>
            <numerusform>The book was backed up to “%1”: %n client.</numerusform>
            <numerusform>The book was backed up to “%1”: %n clients.</numerusform>
        </translation>
    </message>
    <message>
        <source>Заменить картотеку копией из файла «%1»? Нынешняя картотека будет сохранена рядом с ней отдельным файлом.</source>
        <translation>Replace the book with the backup in “%1”? The present book will be kept beside it as a file of its own.</translation>
    </message>
    <message numerus="yes">
        <source>Картотека восстановлена из копии «%1»: %n клиентов. Прежняя картотека сохранена в файле «%2».</source>
        <translation>
            <numerusform>The book was restored from the backup “%1”: %n client. The former book is kept in “%2”.</numerusform>
            <numerusform>The book was restored from the backup “%1”: %n clients. The former book is kept in “%2”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Последняя копия картотеки сохранена %n дней назад, а картотека с тех пор менялась. Сохраните новую: Картотека → Сохранить копию…</source>
        <translation>
            <numerusform>The last backup of the book was made %n day ago, and the book has changed since. Make a new one: Book → Back Up…</numerusform>
            <numerusform>The last backup of the book was made %n days ago, and the book has changed since. Make a new one: Book → Back Up…</numerusform>
        </translation>
    </message>
    <message>
        <source>Копия картотеки ещё ни разу не сохранялась. Сохраните её: Картотека → Сохранить копию…</source>
        <translation>The book has never been backed up. Make a backup: Book → Back Up…</translation>
    </message>
    <message>
        <source>Чтение файла «%1»…</source>
        <translation>Reading “%1”…</translation>
    </message>
    <message numerus="yes">
        <source>Картотека сохранена в файл «%1»: клиентов %n.</source>
        <translation>
            <numerusform>The book was saved to “%1”: %n client.</numerusform>
            <numerusform>The book was saved to “%1”: %n clients.</numerusform>
        </translation>
    </message>
    <message>
        <source>Импорт из файла «%1» отменён: в картотеку ничего не добавлено.</source>
        <translation>The import from “%1” was cancelled: nothing was added to the book.</translation>
    </message>
    <message numerus="yes">
        <source>Из файла «%1» добавлено клиентов: %n.</source>
        <translation>
            <numerusform>%n client was added from “%1”.</numerusform>
            <numerusform>%n clients were added from “%1”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Уже были в картотеке: %n.</source>
        <translation>
            <numerusform>%n was already in the book.</numerusform>
            <numerusform>%n were already in the book.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Не загружены строки с ошибками (%n):</source>
        <translation>
            <numerusform>%n line with errors was not loaded:</numerusform>
            <numerusform>%n lines with errors were not loaded:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>…и ещё %n.</source>
        <translation>
            <numerusform>…and %n more.</numerusform>
            <numerusform>…and %n more.</numerusform>
        </translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>Подро&amp;бный отчёт...</source>
        <translation>&amp;Detailed Reading...</translation>
    </message>
    <message>
        <source>Подробный отчёт</source>
        <translation>Detailed Reading</translation>
    </message>
    <message>
        <source>Ctrl+B: подробные отчёты выбранных клиентов, один за другим, в PDF или на принтер</source>
        <translation>Ctrl+B: detailed readings of the selected clients, one after another, to PDF or the printer</translation>
    </message>
    <message>
        <source>Сохранить в &amp;PDF…</source>
        <translation>Save as &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Напечатать…</source>
        <translation>P&amp;rint…</translation>
    </message>
    <message>
        <source>Новый клиент</source>
        <translation>New Client</translation>
    </message>
    <message>
        <source>Insert: добавить клиента в картотеку</source>
        <translation>Insert: add a client to the book</translation>
    </message>
    <message>
        <source>Нов&amp;ый клиент...</source>
        <translation>Ne&amp;w Client...</translation>
    </message>
    <message>
        <source>&amp;Удалённые клиенты…</source>
        <translation>&amp;Deleted clients…</translation>
    </message>
    <message>
        <source>&amp;Вернуть последних удалённых</source>
        <translation>&amp;Bring back the last deleted</translation>
    </message>
    <message>
        <source>Восстановление из копии «%1» отменено: картотека осталась прежней.</source>
        <translation>The restore from the copy “%1” was cancelled: the client book is as it was.</translation>
    </message>
    <message numerus="yes">
        <source>Записи копии, которые нарушают правила картотеки, не вошли в неё и отложены в «Удалённые клиенты» вместе с причиной (%n):</source>
        <translation>
            <numerusform>Entries of the copy that break the rules of the client book were not taken into it and are set aside in “Deleted clients” with the reason (%n):</numerusform>
            <numerusform>Entries of the copy that break the rules of the client book were not taken into it and are set aside in “Deleted clients” with the reason (%n):</numerusform>
        </translation>
    </message>
    <message>
        <source>Чтение копии «%1»…</source>
        <translation>Reading the copy “%1”…</translation>
    </message>
    <message numerus="yes">
        <source>Всё удалённое, с историей отчётов, %n дней хранится в «Картотека → Удалённые клиенты…», откуда его можно вернуть; последнее удаление отменяет Ctrl+Z.</source>
        <translation>
            <numerusform>Everything deleted is kept with its report history for %n day in “Book → Deleted clients…”, where it can be brought back; Ctrl+Z undoes the last deletion.</numerusform>
            <numerusform>Everything deleted is kept with its report history for %n days in “Book → Deleted clients…”, where it can be brought back; Ctrl+Z undoes the last deletion.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ctrl+D: сравнить прогнозы выбранных клиентов, от одного до шести</source>
        <translation>Ctrl+D: compare the forecasts of the selected clients, one to six</translation>
    </message>
    <message>
        <source>Экспорт &amp;журнала и событий в CSV…</source>
        <translation>Export the &amp;journal and events to CSV…</translation>
    </message>
    <message>
        <source>Импорт ж&amp;урнала и событий из CSV…</source>
        <translation>Import the jo&amp;urnal and events from CSV…</translation>
    </message>
    <message>
        <source>Журнал сеансов и события жизни сохранены в файл «%1».</source>
        <translation>The session journal and life events were saved to the file “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>Из файла «%1» добавлено записей журнала и событий: %n.</source>
        <translation>
            <numerusform>Added from the file “%1”: %n journal or event entry.</numerusform>
            <numerusform>Added from the file “%1”: %n journal and event entries.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Поворотные годы…</source>
        <translation>&amp;Turning years…</translation>
    </message>
    <message>
        <source>Ка&amp;лендарь (.ics)…</source>
        <translation>Ca&amp;lendar (.ics)…</translation>
    </message>
    <message>
        <source>О&amp;тправить клиенту…</source>
        <translation>Se&amp;nd to Client…</translation>
    </message>
    <message>
        <source>Для клиента «%1» нет прогноза: %2</source>
        <translation>There is no forecast for the client «%1»: %2</translation>
    </message>
    <message>
        <source>Карточка для &amp;мессенджера…</source>
        <translation>Card for &amp;messengers…</translation>
    </message>
</context>
<context>
    <name>ui::BookletDialog</name>
    <message>
        <source>Аспекты</source>
        <translation>Aspects</translation>
    </message>
    <message>
        <source>Ваш цикл</source>
        <translation>Your cycle</translation>
    </message>
    <message>
        <source>Ближайшие годы</source>
        <translation>The coming years</translation>
    </message>
    <message>
        <source>Процент счастья</source>
        <translation>Happiness percentage</translation>
    </message>
    <message>
        <source>Подробный отчёт</source>
        <translation>Detailed Reading</translation>
    </message>
    <message>
        <source>Разделы</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source> после этого</source>
        <translation> more</translation>
    </message>
    <message>
        <source>Ближайшие годы: этот и ещё</source>
        <translation>Coming years: this one and</translation>
    </message>
    <message>
        <source>Печатать мой бланк</source>
        <translation>Print my letterhead</translation>
    </message>
    <message>
        <source>Бланк включается в «Файл → Бланк отчёта…».</source>
        <translation>The letterhead is turned on in “File → Letterhead…”.</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Сохранить в PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Обращение</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Отметить события жизни на графике</source>
        <translation>Mark life events on the graph</translation>
    </message>
    <message>
        <source>События жизни записываются в карточке клиента в картотеке.</source>
        <translation>Life events are entered on the client&apos;s card in the client book.</translation>
    </message>
</context>
<context>
    <name>ui::ClientEditor</name>
    <message>
        <source>В картотеке неверная дата рождения: день %1, месяц %2. Выберите верную.</source>
        <translation>The book holds an invalid date of birth: day %1, month %2. Choose a valid one.</translation>
    </message>
    <message>
        <source>%1 Выберите верную.</source>
        <translation>%1 Choose a valid one.</translation>
    </message>
    <message>
        <source>Клиент</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>История &amp;отчётов:</source>
        <translation>Report &amp;history:</translation>
    </message>
    <message>
        <source>История отчётов</source>
        <translation>Report history</translation>
    </message>
    <message>
        <source>Откр&amp;ыть</source>
        <translation>Op&amp;en</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Открыть файл PDF выбранного отчёта</source>
        <translation>Open the PDF file of the selected report</translation>
    </message>
    <message>
        <source>%1 (файла больше нет)</source>
        <translation>%1 (the file is gone)</translation>
    </message>
    <message>
        <source>Отчётов для этого клиента ещё не было</source>
        <translation>No reports for this client yet</translation>
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
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Телефон:</source>
        <translation>P&amp;hone:</translation>
    </message>
    <message>
        <source>&amp;Эл. почта:</source>
        <translation>&amp;E-mail:</translation>
    </message>
    <message>
        <source>&amp;Примечание:</source>
        <translation>No&amp;te:</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Не сохранено: %1.</source>
        <translation>Not saved: %1.</translation>
    </message>
    <message>
        <source>Я&amp;зык отчёта:</source>
        <translation>Report &amp;language:</translation>
    </message>
    <message>
        <source>Язык «%1» этой программе не известен: отчёты пишутся по-русски.</source>
        <translation>This program does not know the language “%1”: reports are written in Russian.</translation>
    </message>
    <message>
        <source>Новый клиент</source>
        <translation>New Client</translation>
    </message>
</context>
<context>
    <name>ui::ClientJournalView</name>
    <message>
        <source>Клиент</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Добавить…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>Изменить…</source>
        <translation>Edit…</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>&amp;Журнал сеансов:</source>
        <translation>Session &amp;journal:</translation>
    </message>
    <message>
        <source>События &amp;жизни:</source>
        <translation>&amp;Life events:</translation>
    </message>
    <message>
        <source>Удалить запись о сеансе %1?</source>
        <translation>Delete the entry for the session of %1?</translation>
    </message>
    <message>
        <source>Удалить событие «%1» (%2)?</source>
        <translation>Delete the event “%1” (%2)?</translation>
    </message>
    <message>
        <source>Сеанс</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Дата сеанса</source>
        <translation>Session date</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>&amp;Дата:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>&amp;Запись:</source>
        <translation>&amp;Entry:</translation>
    </message>
    <message>
        <source>Не сохранено: %1.</source>
        <translation>Not saved: %1.</translation>
    </message>
    <message>
        <source>Событие жизни</source>
        <translation>Life event</translation>
    </message>
    <message>
        <source>Год события</source>
        <translation>Year of the event</translation>
    </message>
    <message>
        <source>Месяц события</source>
        <translation>Month of the event</translation>
    </message>
    <message>
        <source>Что случилось</source>
        <translation>What happened</translation>
    </message>
    <message>
        <source>&amp;Год:</source>
        <translation>&amp;Year:</translation>
    </message>
    <message>
        <source>&amp;Месяц (если известен):</source>
        <translation>&amp;Month (if known):</translation>
    </message>
    <message>
        <source>&amp;Что случилось:</source>
        <translation>&amp;What happened:</translation>
    </message>
</context>
<context>
    <name>ui::CurrentClient</name>
    <message>
        <source>Картотека клиентов</source>
        <translation>Client Book</translation>
    </message>
    <message>
        <source>Отчёт составлен на «%1», а в картотеке этот клиент записан как «%2».

Исправить запись этого клиента или добавить нового клиента?</source>
        <translation>The report was made out to “%1”, but the book has this client as “%2”.

Correct this client’s entry, or add a new client?</translation>
    </message>
    <message>
        <source>Исправить запись клиента</source>
        <translation>Correct the Entry</translation>
    </message>
    <message>
        <source>Добавить нового клиента</source>
        <translation>Add a New Client</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, Версия %2</source>
        <translation>&quot;%1&quot;, version %2</translation>
    </message>
</context>
<context>
    <name>ui::FrmAbout</name>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Программа «Zemtar - Прогноз» создана для того, чтобы по дате рождения заглянуть в будущее конкретного человека.

Замысел этой программы вынашивался долго.

Программа бесплатна, хотя за расчёты по той же методике другие берут немалые деньги.

Все алгоритмы программы, и построение графика, и коррекция дат по числу элементов на оси X графика, разработаны мной самостоятельно.

Автор.</source>
        <translation>“Zemtar - Forecast” was made to look into a particular person’s future from their date of birth.

The idea of this program took a long time to ripen.

The program is free, although others charge a good deal of money for calculations by the same method.

All of the program’s algorithms, both the drawing of the graph and the correction of dates by the number of elements on the graph’s X axis, are my own work.

The author.</translation>
    </message>
</context>
<context>
    <name>ui::FrmMain</name>
    <message>
        <source>Расчёт остановлен из-за внутренней ошибки: %1.</source>
        <translation>The calculation was stopped by an internal error: %1.</translation>
    </message>
    <message>
        <source>Процент счастья: %1</source>
        <translation>Happiness percentage: %1</translation>
    </message>
    <message>
        <source>Цифры кривой: %1</source>
        <translation>Digits of the curve: %1</translation>
    </message>
    <message>
        <source>Кривая жизненных сил</source>
        <translation>Life-force curve</translation>
    </message>
    <message>
        <source>Процент счастья</source>
        <translation>Happiness percentage</translation>
    </message>
    <message>
        <source>счастья</source>
        <translation>happiness</translation>
    </message>
    <message>
        <source>Дата рождения</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Месяц</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Расчёт и отображение анализа распределения жизненных сил по годам</source>
        <translation>Calculate and show how the life force is spread over the years</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Посетить сайт автора</source>
        <translation>Visit the author’s website</translation>
    </message>
    <message>
        <source>Сохранить изображение окна</source>
        <translation>Save Window Image</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Печать</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Предварительный про&amp;смотр…</source>
        <translation>Print Pre&amp;view…</translation>
    </message>
    <message>
        <source>Сохранить &amp;отчёт в PDF…</source>
        <translation>Save Report as P&amp;DF…</translation>
    </message>
    <message>
        <source>Сохранить &amp;изображение…</source>
        <translation>Save &amp;Image…</translation>
    </message>
    <message>
        <source>Подро&amp;бный отчёт…</source>
        <translation>&amp;Detailed Reading…</translation>
    </message>
    <message>
        <source>&amp;Бланк отчёта…</source>
        <translation>&amp;Letterhead…</translation>
    </message>
    <message>
        <source>&amp;Тексты толкований…</source>
        <translation>Interpretation &amp;Texts…</translation>
    </message>
    <message>
        <source>&amp;Картотека клиентов…</source>
        <translation>&amp;Client Book…</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Копировать &amp;толкование</source>
        <translation>Copy &amp;Interpretation</translation>
    </message>
    <message>
        <source>Пр&amp;огноз</source>
        <translation>F&amp;orecast</translation>
    </message>
    <message>
        <source>Р&amp;асчёт</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>На сегодн&amp;яшний день</source>
        <translation>For &amp;Today</translation>
    </message>
    <message>
        <source>Отмечать &amp;текущий год</source>
        <translation>&amp;Mark This Year</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Сод&amp;ержание</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Картотека клиентов</source>
        <translation>Client Book</translation>
    </message>
    <message numerus="yes">
        <source>Подробный отчёт сохранён в файл «%1»: страниц %n.</source>
        <translation>
            <numerusform>The detailed reading was saved to “%1”: %n page.</numerusform>
            <numerusform>The detailed reading was saved to “%1”: %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробный отчёт отправлен на принтер «%1»: страниц %n.</source>
        <translation>
            <numerusform>The detailed reading was sent to the printer “%1”: %n page.</numerusform>
            <numerusform>The detailed reading was sent to the printer “%1”: %n pages.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ка&amp;лендарь поворотных лет (.ics)…</source>
        <translation>Ca&amp;lendar of turning years (.ics)…</translation>
    </message>
    <message>
        <source>Документ в PDF для клиента — письмом на адрес из его карточки</source>
        <translation>A PDF document for the client, by e-mail to the address on their card</translation>
    </message>
    <message>
        <source>Откройте клиента из картотеки (Ctrl+K): письмо уходит на адрес из его карточки</source>
        <translation>Open a client from the Client Book (Ctrl+K): the letter goes to the address on their card</translation>
    </message>
    <message>
        <source>Отпра&amp;вить клиенту…</source>
        <translation>Se&amp;nd to Client…</translation>
    </message>
    <message>
        <source>Карточка для &amp;мессенджера…</source>
        <translation>Card for &amp;messengers…</translation>
    </message>
</context>
<context>
    <name>ui::GroupWindow</name>
    <message>
        <source>&amp;Сравнить…</source>
        <translation>Co&amp;mpare…</translation>
    </message>
    <message>
        <source>В сравнении уже %1 человек: чтобы добавить ещё одного, уберите кого-нибудь.</source>
        <translation>The comparison already has %1 people: to add one more, remove someone first.</translation>
    </message>
    <message>
        <source>Сравнение прогнозов</source>
        <translation>Forecasts compared</translation>
    </message>
    <message>
        <source>Первый</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Второй</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Третий</source>
        <translation>Third</translation>
    </message>
    <message>
        <source>Четвёртый</source>
        <translation>Fourth</translation>
    </message>
    <message>
        <source>Пятый</source>
        <translation>Fifth</translation>
    </message>
    <message>
        <source>Шестой</source>
        <translation>Sixth</translation>
    </message>
    <message>
        <source>Кого сравниваем</source>
        <translation>Who is compared</translation>
    </message>
    <message>
        <source>&amp;Добавить человека</source>
        <translation>&amp;Add a person</translation>
    </message>
    <message>
        <source>Из &amp;картотеки…</source>
        <translation>From the client &amp;book…</translation>
    </message>
    <message>
        <source>Выберите в картотеке одного клиента или от двух до шести и нажмите в ней «Сравнить»</source>
        <translation>Select one client in the book, or two to six, and press “Compare” there</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Убрать: %1</source>
        <translation>Remove: %1</translation>
    </message>
    <message>
        <source>счастье %1, уровни от %2 до %3</source>
        <translation>happiness %1, levels %2 to %3</translation>
    </message>
    <message>
        <source>нет прогноза</source>
        <translation>no forecast</translation>
    </message>
    <message>
        <source>Сравнение прогнозов — %1</source>
        <translation>Forecasts compared — %1</translation>
    </message>
    <message>
        <source>Кривые жизненных сил</source>
        <translation>Curves of life forces</translation>
    </message>
    <message>
        <source>Квадраты аспектов</source>
        <translation>Aspect squares</translation>
    </message>
    <message>
        <source>Общие годы и аспекты</source>
        <translation>Shared years and aspects</translation>
    </message>
    <message>
        <source>Первый год</source>
        <translation>First year</translation>
    </message>
    <message>
        <source>Последний год</source>
        <translation>Last year</translation>
    </message>
    <message>
        <source>&amp;Годы: с</source>
        <translation>&amp;Years: from</translation>
    </message>
    <message>
        <source>п&amp;о</source>
        <translation>&amp;to</translation>
    </message>
    <message>
        <source>С &amp;толкованием</source>
        <translation>With &amp;interpretation</translation>
    </message>
    <message>
        <source>После страницы сравнения — страницы с толкованием общих пиков и спадов и аспектов</source>
        <translation>After the comparison page, pages interpreting the shared peaks, lows and aspects</translation>
    </message>
    <message>
        <source>&amp;Печать</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Пр&amp;осмотр…</source>
        <translation>Pre&amp;view…</translation>
    </message>
    <message>
        <source>&amp;Сохранить в PDF…</source>
        <translation>&amp;Save as PDF…</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Оба на своём максимуме: %1
Оба на своём минимуме: %2
Аспекты у обоих (отмечены зелёным): %3</source>
        <translation>Both at their highest: %1
Both at their lowest: %2
Aspects both share (marked green): %3</translation>
    </message>
    <message>
        <source>Все на своём максимуме: %1
Все на своём минимуме: %2
Аспекты у всех (отмечены зелёным): %3
Только у некоторых: %4</source>
        <translation>All at their highest: %1
All at their lowest: %2
Aspects everyone has (marked green): %3
Only some have: %4</translation>
    </message>
</context>
<context>
    <name>ui::LanguageMenu</name>
    <message>
        <source>Язык интерфейса сменится при следующем запуске программы.</source>
        <translation>The interface language changes at the program’s next start.</translation>
    </message>
    <message>
        <source>&amp;Язык интерфейса</source>
        <translation>Interface &amp;Language</translation>
    </message>
</context>
<context>
    <name>ui::LetterheadDialog</name>
    <message>
        <source>Телефон</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Электронная почта</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Сайт</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Логотип для бланка</source>
        <translation>Logo for the Letterhead</translation>
    </message>
    <message>
        <source>Рисунки PNG, JPEG и SVG (*.png *.jpg *.jpeg *.svg *.svgz)</source>
        <translation>PNG, JPEG and SVG pictures (*.png *.jpg *.jpeg *.svg *.svgz)</translation>
    </message>
    <message>
        <source>Печатать мой бланк</source>
        <translation>Print my letterhead</translation>
    </message>
    <message>
        <source>Выбрать…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Бланк отчёта</source>
        <translation>Letterhead</translation>
    </message>
    <message>
        <source>Фамилия, имя и отчество или название</source>
        <translation>Full name or business name</translation>
    </message>
    <message>
        <source>Имя на бланке:</source>
        <translation>Name on the letterhead:</translation>
    </message>
    <message>
        <source>Контакты:</source>
        <translation>Contacts:</translation>
    </message>
    <message>
        <source>Логотип:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Рисунок PNG, JPEG или SVG не больше 20 МБ и %1 точек по стороне; программа хранит его копию.</source>
        <translation>A PNG, JPEG or SVG picture of at most 20 MB and %1 pixels a side; the program keeps a copy of it.</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сохранён в программе.</source>
        <translation>Kept by the program.</translation>
    </message>
    <message>
        <source>%1 Бланк печатается без логотипа.</source>
        <translation>%1 The letterhead is printed without the logo.</translation>
    </message>
    <message>
        <source>Нет: место логотипа на бланке останется пустым.</source>
        <translation>None: the logo’s place on the letterhead stays empty.</translation>
    </message>
    <message>
        <source>%1 Выберите другой рисунок.</source>
        <translation>%1 Choose another picture.</translation>
    </message>
    <message>
        <source>Бланк не сохранён. %1</source>
        <translation>The letterhead was not saved. %1</translation>
    </message>
    <message>
        <source>Рисунки PNG и JPEG (*.png *.jpg *.jpeg)</source>
        <translation>PNG and JPEG pictures (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Рисунок PNG или JPEG не больше 20 МБ и %1 точек по стороне; программа хранит его копию. Рисунки SVG эта сборка программы не читает.</source>
        <translation>A PNG or JPEG picture of at most 20 MB and %1 pixels a side; the program keeps a copy of it. This build of the program does not read SVG drawings.</translation>
    </message>
    <message>
        <source>на любом языке</source>
        <translation>in any language</translation>
    </message>
    <message>
        <source>на языке: %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>Имя и контакты для страниц на одном языке — например, латиницей для английских. Пусто — как для страниц на любом языке.</source>
        <translation>The name and contacts for pages in one language, in Latin letters for English ones, say. Empty: as for pages in any language.</translation>
    </message>
    <message>
        <source>Для &amp;страниц:</source>
        <translation>For &amp;pages:</translation>
    </message>
</context>
<context>
    <name>ui::MessengerCard</name>
    <message>
        <source>Сохранить карточку для мессенджера</source>
        <translation>Save the card for messengers</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Карточка - %1</source>
        <translation>Card - %1</translation>
    </message>
    <message>
        <source>Карточка сохранена в файл «%1» и скопирована в буфер обмена.</source>
        <translation>The card was saved to the file “%1” and copied to the clipboard.</translation>
    </message>
    <message>
        <source>Карточка скопирована в буфер обмена.</source>
        <translation>The card has been copied to the clipboard.</translation>
    </message>
</context>
<context>
    <name>ui::SendToClient</name>
    <message>
        <source>Отправить клиенту</source>
        <translation>Send to client</translation>
    </message>
    <message>
        <source>Письмо для «%1» &lt;%2&gt; подготовит ваша почтовая программа: вы увидите его и отправите сами.</source>
        <translation>Your mail program will prepare the letter to «%1» &lt;%2&gt;: you will see it and send it yourself.</translation>
    </message>
    <message>
        <source>Что приложить к письму:</source>
        <translation>What to attach:</translation>
    </message>
    <message>
        <source>&amp;Отчёт на одной странице</source>
        <translation>One-page &amp;report</translation>
    </message>
    <message>
        <source>&amp;Подробный отчёт (разделы — как в последнем подробном отчёте)</source>
        <translation>&amp;Detailed reading (the sections as in the last detailed reading)</translation>
    </message>
    <message>
        <source>Язык документа и письма: %1 (как в карточке). Файл PDF сохраняется в папке «%2» и остаётся там.</source>
        <translation>Language of the document and the letter: %1 (as on the card). The PDF file is saved in the folder «%2» and stays there.</translation>
    </message>
    <message>
        <source>Подготовить &amp;письмо</source>
        <translation>Prepare the &amp;letter</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Отправленные клиентам</source>
        <translation>Sent to clients</translation>
    </message>
    <message>
        <source>В карточке клиента «%1» нет адреса электронной почты. Впишите его в карточку («Изменить…» в картотеке), и письмо можно будет подготовить.</source>
        <translation>The card of «%1» has no e-mail address. Add it to the card («Edit...» in the Client Book), and the letter can be prepared.</translation>
    </message>
    <message>
        <source>«%1» в карточке клиента «%2» не похоже на адрес электронной почты (вида имя@пример.com). Исправьте адрес в карточке («Изменить…» в картотеке).</source>
        <translation>«%1» on the card of «%2» does not look like an e-mail address (name@example.com). Correct the address on the card («Edit...» in the Client Book).</translation>
    </message>
    <message>
        <source>Не удалось создать папку «%1» для файлов, отправленных клиентам.</source>
        <translation>Could not create the folder «%1» for the files sent to clients.</translation>
    </message>
    <message>
        <source>Письмо для «%1» открыто в почтовой программе, файл приложен. Проверьте письмо и отправьте его оттуда. Файл остаётся в папке «%2».</source>
        <translation>The letter to «%1» is open in your mail program with the file attached. Check it and send it from there. The file stays in the folder «%2».</translation>
    </message>
    <message>
        <source>Почтовая программа не открылась: %1. Поэтому открыта папка с файлом «%2», а адрес %3 скопирован в буфер обмена: создайте письмо в своей почте, вставьте адрес и приложите файл.</source>
        <translation>The mail program did not open: %1. So the folder with the file «%2» is open, and the address %3 is copied to the clipboard: write a letter in your mail, paste the address and attach the file.</translation>
    </message>
    <message>
        <source>Почтовая программа не приняла адрес %1: %2. Проверьте адрес в карточке клиента. Файл сохранён: «%3».</source>
        <translation>The mail program did not accept the address %1: %2. Check the address on the client’s card. The file is saved: «%3».</translation>
    </message>
    <message>
        <source>Не удалось передать письмо почтовой программе: %1. Файл сохранён: «%2».</source>
        <translation>Could not hand the letter to the mail program: %1. The file is saved: «%2».</translation>
    </message>
</context>
<context>
    <name>ui::TextPreview</name>
    <message>
        <source>В главном окне ещё нет прогноза: поля заполнены для клиента %1 и даты для примера — %2.</source>
        <translation>There is no forecast in the main window yet: the fields are filled in for the client %1 and an example date, %2.</translation>
    </message>
    <message>
        <source>В главном окне ещё нет прогноза, поэтому поля заполнены для примера: %1, %2.</source>
        <translation>There is no forecast in the main window yet, so the fields are filled in with an example: %1, %2.</translation>
    </message>
    <message>
        <source>Поля заполнены для клиента главного окна: %1, %2.</source>
        <translation>The fields are filled in for the main window’s client: %1, %2.</translation>
    </message>
    <message>
        <source>Поля заполнены по прогнозу главного окна (%1); имя взято для примера: %2.</source>
        <translation>The fields are filled in from the main window’s forecast (%1); the name is an example: %2.</translation>
    </message>
    <message>
        <source>Иванова</source>
        <extracomment>The made-up client of the preview: surname</extracomment>
        <translation>Smith</translation>
    </message>
    <message>
        <source>Анна</source>
        <extracomment>The made-up client of the preview: first name</extracomment>
        <translation>Anna</translation>
    </message>
    <message>
        <source>Сергеевна</source>
        <extracomment>The made-up client of the preview: patronymic (a middle name where there is none)</extracomment>
        <translation>Mary</translation>
    </message>
</context>
<context>
    <name>ui::TextsWindow</name>
    <message>
        <source>Тексты толкований[*]</source>
        <translation>Interpretation Texts[*]</translation>
    </message>
    <message>
        <source>ключ или слова из текста</source>
        <translation>key or words from the text</translation>
    </message>
    <message>
        <source>Записи</source>
        <translation>Entries</translation>
    </message>
    <message>
        <source>&amp;Найти:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>&amp;Записи:</source>
        <translation>&amp;Entries:</translation>
    </message>
    <message>
        <source>&amp;Включать в отчёт</source>
        <translation>In&amp;clude in the report</translation>
    </message>
    <message>
        <source>Вернуть текст по &amp;умолчанию</source>
        <translation>Restore the &amp;Default Text</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>&amp;Текст:</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>&amp;Просмотр:</source>
        <translation>&amp;Preview:</translation>
    </message>
    <message>
        <source>&amp;Экспорт…</source>
        <translation>Ex&amp;port…</translation>
    </message>
    <message>
        <source>Записать свои тексты в файл, чтобы перенести их</source>
        <translation>Write your texts to a file to take them elsewhere</translation>
    </message>
    <message>
        <source>&amp;Импорт…</source>
        <translation>&amp;Import…</translation>
    </message>
    <message>
        <source>Взять тексты из файла; прежние можно будет вернуть</source>
        <translation>Take texts from a file; the present ones can be brought back</translation>
    </message>
    <message>
        <source>&amp;Отменить импорт</source>
        <translation>&amp;Undo Import</translation>
    </message>
    <message>
        <source>Вернуть тексты, какими они были до импорта</source>
        <translation>Bring the texts back as they were before the import</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Ctrl+S: сохранить тексты</source>
        <translation>Ctrl+S: save the texts</translation>
    </message>
    <message>
        <source>Закр&amp;ыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Выберите запись в дереве слева.</source>
        <translation>Choose an entry in the tree on the left.</translation>
    </message>
    <message>
        <source>Текст изменён вами</source>
        <translation>Text changed by you</translation>
    </message>
    <message>
        <source>Текст программы</source>
        <translation>The program’s text</translation>
    </message>
    <message>
        <source>%1; в отчёт не включается</source>
        <translation>%1; not included in the report</translation>
    </message>
    <message numerus="yes">
        <source>Изменено записей: %n</source>
        <translation>
            <numerusform>%n entry changed</numerusform>
            <numerusform>%n entries changed</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Эта запись сейчас не включается в отчёт.</source>
        <translation>%1 This entry is not included in the report at present.</translation>
    </message>
    <message>
        <source>[%1] — текст изменён вами</source>
        <translation>[%1] — text changed by you</translation>
    </message>
    <message>
        <source>[%1] — текст программы</source>
        <translation>[%1] — the program’s text</translation>
    </message>
    <message>
        <source>%1 из %2 знаков</source>
        <translation>%1 of %2 characters</translation>
    </message>
    <message>
        <source>Сохранить нельзя: запись «%1». %2</source>
        <translation>Cannot save: entry “%1”. %2</translation>
    </message>
    <message>
        <source>Тексты толкований</source>
        <translation>Interpretation Texts</translation>
    </message>
    <message>
        <source>Сохранить изменения?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>Тексты толкований изменены, но ещё не сохранены.</source>
        <translation>The interpretation texts have changed but are not saved yet.</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don’t Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Тексты толкований (*.txt)</source>
        <translation>Interpretation texts (*.txt)</translation>
    </message>
    <message>
        <source>Экспорт текстов толкований</source>
        <translation>Export Interpretation Texts</translation>
    </message>
    <message>
        <source>Тексты толкований.txt</source>
        <translation>Interpretation texts.txt</translation>
    </message>
    <message>
        <source>Импорт текстов толкований</source>
        <translation>Import Interpretation Texts</translation>
    </message>
    <message>
        <source>;;Все файлы (*)</source>
        <translation>;;All files (*)</translation>
    </message>
    <message numerus="yes">
        <source>Тексты сохранены. Изменённых вами записей: %n.</source>
        <translation>
            <numerusform>The texts are saved. %n entry changed by you.</numerusform>
            <numerusform>The texts are saved. %n entries changed by you.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Тексты записаны в файл «%1». Изменённых вами записей в нём: %n.</source>
        <translation>
            <numerusform>The texts were written to “%1”. It holds %n entry changed by you.</numerusform>
            <numerusform>The texts were written to “%1”. It holds %n entries changed by you.</numerusform>
        </translation>
    </message>
    <message>
        <source>Тексты из файла «%1» не импортированы, ваши тексты не изменились.

%2</source>
        <translation>The texts in “%1” were not imported; your texts are unchanged.

%2</translation>
    </message>
    <message>
        <source>В файле «%1» те же тексты, что у вас сейчас: ничего не изменено.</source>
        <translation>“%1” holds the same texts you have now: nothing was changed.</translation>
    </message>
    <message numerus="yes">
        <source>Импорт из файла «%1» изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать?</source>
        <translation>
            <numerusform>The import from “%1” will change %n entry. The present texts will be kept, and the import can be undone. Import?</numerusform>
            <numerusform>The import from “%1” will change %n entries. The present texts will be kept, and the import can be undone. Import?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Файл «%1» прочитан не целиком:
%2

Записи, которые не удалось прочитать, станут текстами программы. Импорт изменит записей: %n. Прежние тексты сохранятся, и импорт можно будет отменить. Импортировать прочитанное?</source>
        <translation>
            <numerusform>Only part of “%1” could be read:
%2

The entries that could not be read will become the program’s texts. The import will change %n entry. The present texts will be kept, and the import can be undone. Import what was read?</numerusform>
            <numerusform>Only part of “%1” could be read:
%2

The entries that could not be read will become the program’s texts. The import will change %n entries. The present texts will be kept, and the import can be undone. Import what was read?</numerusform>
        </translation>
    </message>
    <message>
        <source>Импортировать</source>
        <translation>Import</translation>
    </message>
    <message numerus="yes">
        <source>Импортировано из файла «%1»: изменено записей %n. Прежние тексты вернёт «Отменить импорт».</source>
        <translation>
            <numerusform>Imported from “%1”: %n entry changed. “Undo Import” brings the former texts back.</numerusform>
            <numerusform>Imported from “%1”: %n entries changed. “Undo Import” brings the former texts back.</numerusform>
        </translation>
    </message>
    <message>
        <source>Вернуть тексты, какими они были до импорта? Несохранённые изменения пропадут.</source>
        <translation>Bring the texts back as they were before the import? Unsaved changes will be lost.</translation>
    </message>
    <message>
        <source>Вернуть тексты, какими они были до импорта?</source>
        <translation>Bring the texts back as they were before the import?</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Bring Back</translation>
    </message>
    <message>
        <source>Импорт отменён: тексты такие, какими были до него.</source>
        <translation>The import was undone: the texts are as they were before it.</translation>
    </message>
    <message>
        <source>Я&amp;зык текстов:</source>
        <translation>&amp;Language of texts:</translation>
    </message>
    <message>
        <source>Тексты на языке: %1.</source>
        <translation>Texts in: %1.</translation>
    </message>
    <message>
        <source>%1 Вариант пуст: читается сама запись.</source>
        <translation>%1 The variant is empty: the entry itself is read.</translation>
    </message>
</context>
<context>
    <name>ui::TurningCalendar</name>
    <message>
        <source>Календарь поворотных лет</source>
        <translation>Calendar of turning years</translation>
    </message>
    <message>
        <source>Календарь iCalendar (*.ics)</source>
        <translation>iCalendar calendar (*.ics)</translation>
    </message>
    <message>
        <source>Календарь не составлен: %1</source>
        <translation>No calendar was made: %1</translation>
    </message>
    <message>
        <source>Календарь поворотных лет сохранён в файл «%1»: событий %2.</source>
        <translation>The calendar of turning years was saved to “%1”: %2 events.</translation>
    </message>
</context>
<context>
    <name>ui::TurningModel</name>
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
        <source>Дата рождения</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Поворот</source>
        <translation>Turn</translation>
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
        <source>Связался</source>
        <translation>Contacted</translation>
    </message>
</context>
<context>
    <name>ui::TurningWindow</name>
    <message>
        <source>Поворотные годы</source>
        <translation>Turning years</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>CSV для Excel (;) (*.csv)</source>
        <translation>CSV for Excel (;) (*.csv)</translation>
    </message>
    <message>
        <source>Поворотные годы в CSV</source>
        <translation>Turning years to CSV</translation>
    </message>
    <message>
        <source>Клиенты с поворотным годом</source>
        <translation>Clients with a turning year</translation>
    </message>
    <message>
        <source>&amp;Год:</source>
        <translation>&amp;Year:</translation>
    </message>
    <message>
        <source>Год</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>&amp;Перемена от:</source>
        <translation>&amp;Change from:</translation>
    </message>
    <message>
        <source> ур.</source>
        <translation> lev.</translation>
    </message>
    <message>
        <source>На сколько уровней год должен отличаться от прошлого, чтобы считаться переменой</source>
        <translation>How many levels a year must differ from the year before to count as a change</translation>
    </message>
    <message>
        <source>Перемена от, уровней</source>
        <translation>Change from, levels</translation>
    </message>
    <message>
        <source>Показат&amp;ь</source>
        <translation>S&amp;how</translation>
    </message>
    <message>
        <source>&amp;Найти:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>имя, дата (23.08, 1975, август), телефон или почта</source>
        <translation>name, date (23.08, 1975, август), phone or e-mail</translation>
    </message>
    <message>
        <source>Поиск клиента</source>
        <translation>Find a client</translation>
    </message>
    <message>
        <source>&amp;Связался</source>
        <translation>C&amp;ontacted</translation>
    </message>
    <message>
        <source>Пробел: отметить, что с клиентом связались сегодня, или снять отметку; Ctrl+Z отменяет</source>
        <translation>Space: mark the client as contacted today, or take the mark away; Ctrl+Z undoes</translation>
    </message>
    <message>
        <source>О&amp;тменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Ctrl+Z: вернуть отметку, как была</source>
        <translation>Ctrl+Z: put the mark back as it was</translation>
    </message>
    <message>
        <source>&amp;Календарь (.ics)...</source>
        <translation>Ca&amp;lendar (.ics)...</translation>
    </message>
    <message>
        <source>Поворотные годы клиента на десять лет вперёд — файл для календаря</source>
        <translation>The client’s turning years for the next ten years, as a calendar file</translation>
    </message>
    <message>
        <source>&amp;Экспорт в CSV...</source>
        <translation>&amp;Export to CSV...</translation>
    </message>
    <message>
        <source>Ctrl+S: сохранить показанный список в файл CSV</source>
        <translation>Ctrl+S: save the list shown to a CSV file</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Поворотные годы %1.csv</source>
        <translation>Turning years %1.csv</translation>
    </message>
    <message numerus="yes">
        <source>Поворотные годы сохранены в файл «%1»: клиентов %n.</source>
        <translation>
            <numerusform>The turning years were saved to “%1”: %n client.</numerusform>
            <numerusform>The turning years were saved to “%1”: %n clients.</numerusform>
        </translation>
    </message>
    <message>
        <source>Снять отмет&amp;ку</source>
        <translation>Take the mar&amp;k away</translation>
    </message>
    <message>
        <source>Клиентов с поворотным годом в %1: %2</source>
        <translation>Clients with a turning year in %1: %2</translation>
    </message>
    <message>
        <source>Найдено: %1 из %2</source>
        <translation>Found: %1 of %2</translation>
    </message>
</context>
<context>
    <name>ui::UnknownFieldMarks</name>
    <message>
        <source>Таких полей нет: %1 — в отчёте они останутся как написаны. Поля: %2.</source>
        <translation>No such fields: %1 — they will stay in the report as written. The fields are: %2.</translation>
    </message>
</context>
</TS>
