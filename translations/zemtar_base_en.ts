<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
