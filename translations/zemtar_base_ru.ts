<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru">
<context>
    <name>Client</name>
    <message numerus="yes">
        <source>PDF: %n клиентов</source>
        <translation>
            <numerusform>PDF: %n клиент</numerusform>
            <numerusform>PDF: %n клиента</numerusform>
            <numerusform>PDF: %n клиентов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Подробные отчёты в PDF: %n клиентов</source>
        <translation>
            <numerusform>Подробные отчёты в PDF: %n клиент</numerusform>
            <numerusform>Подробные отчёты в PDF: %n клиента</numerusform>
            <numerusform>Подробные отчёты в PDF: %n клиентов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>поле «%1» длиннее %n знаков</source>
        <translation>
            <numerusform>поле «%1» длиннее %n знака</numerusform>
            <numerusform>поле «%1» длиннее %n знаков</numerusform>
            <numerusform>поле «%1» длиннее %n знаков</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClientNames</name>
    <message numerus="yes">
        <source>длиннее %n знаков</source>
        <translation>
            <numerusform>длиннее %n знака</numerusform>
            <numerusform>длиннее %n знаков</numerusform>
            <numerusform>длиннее %n знаков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>в нём %n знаков</source>
        <translation>
            <numerusform>в нём %n знак</numerusform>
            <numerusform>в нём %n знака</numerusform>
            <numerusform>в нём %n знаков</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClientRecords</name>
    <message numerus="yes">
        <source>%n записей журнала или событий не принадлежат ни одному клиенту</source>
        <translation>
            <numerusform>%n запись журнала или событий не принадлежит ни одному клиенту</numerusform>
            <numerusform>%n записи журнала или событий не принадлежат ни одному клиенту</numerusform>
            <numerusform>%n записей журнала или событий не принадлежат ни одному клиенту</numerusform>
        </translation>
    </message>
</context>
</TS>
