<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
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
        <source>файл не читается</source>
        <translation>файл не читається</translation>
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
</TS>
