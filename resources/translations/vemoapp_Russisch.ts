<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Тип строки</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Номер расчёта</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Номер клиента</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Номер поля</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Номер задания</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Площадь</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Время на дороге</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Сумма за площадь</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Сумма за дорогу</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Сумма фикс. платы</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Без НДС</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>НДС</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>С НДС</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Итого</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Данные для счёта</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>с %1 по %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>Номер НДС: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Номер клиента</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Цена за гектар</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Цена за час на дороге</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Фикс. плата за задание</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>Ставка НДС</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Площадь</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Дорога</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Фикс. плата</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Без НДС</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>НДС %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>С НДС</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Банковские реквизиты: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Данные для счетов</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(без водителя)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Время в поле</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Время копки</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Время выгрузки</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Время на дороге</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Часы в поле</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Часы копки</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Часы выгрузки</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Часы на дороге</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Часы водителей</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Задание учитывается в день его начала. Дни: дни, в которые начинались задания водителя; в строке «Итого» дни всех водителей суммируются.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Носитель данных заполнен.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Носитель данных защищён от записи.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Нет прав на запись в эту папку.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>Папка отсутствует, или на её месте находится файл.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>Имя файла слишком длинное.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Неизвестная ошибка при записи.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>Не удалось сохранить файл %1: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Под этим именем находится ссылка или папка, а не обычный файл.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>Не удалось записать папку %1: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Номер задания</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Площадь</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Дорога</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Время копки</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Время выгрузки</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Расход</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>л/га</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>га/ч</translation>
    </message>
</context>
<context>
    <name>OrderReport</name>
    <message>
        <source>Auftragsbericht</source>
        <translation>Отчёт по заданию</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>km</source>
        <translation>км</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Номер задания</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Междурядье</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Площадь</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>га</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Доп. информация</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Показатель</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Среднее по всем заданиям</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>га/ч</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>км/ч копка</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>м/га порожняком</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>л/га копка</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>л/га всего</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Бункеров/га</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Расход</translation>
    </message>
    <message>
        <source>l</source>
        <translation>л</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Дорога</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Пробег</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Расход в час</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>л/ч</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Расход на гектар</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>л/га</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Расход на километр</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>л/км</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Распределение пробега</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Порожний пробег</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Копка</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Переезд</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Распределение времени</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Прочее время</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Время выгрузки</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Время копки</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Сравнение со средним</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Задание лучше</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Задание хуже</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>см</translation>
    </message>
</context>
<context>
    <name>OrdersReport</name>
    <message>
        <source>Suche: „%1“</source>
        <translation>Поиск: «%1»</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Период: с %1 по %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>Значения л/га и га/ч в строке «Итого» — это отношения сумм по заданиям с указанной площадью.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Количество заданий: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>Файл находится здесь:
%1

Прикрепите его к этому письму.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Сохранено:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>Не найдена программа для открытия %1.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>Почтовая программа не найдена.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>Во вложении: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>Файл %1 не напечатан: принтер «%2» сообщает об ошибке. Проверьте принтер.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Напечатано %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Сезон</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Отчёт за сезон</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Убранная площадь</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Моточасы двигателя</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Моточасы комбайна</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Дорога</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Пробег</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Расход</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Расход в час</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Расход на гектар</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Расход на километр</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>га</translation>
    </message>
    <message>
        <source>km</source>
        <translation>км</translation>
    </message>
    <message>
        <source>l</source>
        <translation>л</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>л/ч</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>л/га</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>л/км</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Итого</translation>
    </message>
</context>
<context>
    <name>cAbrechnungSeite</name>
    <message>
        <source>Feldbrief</source>
        <translation>Feldbrief</translation>
    </message>
    <message>
        <source>ABRECHNUNG</source>
        <translation>РАСЧЁТЫ</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Цены</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Фирменный бланк</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Цена за гектар:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Цена за час на дороге:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Фикс. плата за задание:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>Ставка НДС:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Собственные цены отдельных клиентов; пустое поле означает цену, указанную выше.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Добавить клиента</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>Номер НДС:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Банковские реквизиты:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Логотип:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Выбрать логотип</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Удалить логотип</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Номер клиента</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>за гектар</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>за час на дороге</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>за задание</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>НДС %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Проверьте значения в красной рамке: цены без знака, не более двух знаков после запятой, ставка НДС от 0 до 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Удалить клиента</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>Не удалось прочитать настройки расчётов: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Не удалось прочитать настройки расчётов из архива %1: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Введите номер клиента для каждого клиента с собственными ценами.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>Клиент %1 указан в списке дважды. Удалите одну из двух строк.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>Архив ещё не готов.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>Не удалось сохранить настройки расчётов: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>Не удалось сохранить настройки расчётов в архиве %1: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Сохранено в архиве %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>Изображение %1 нельзя использовать как логотип: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>нет логотипа</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Логотип не читается</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
</context>
<context>
    <name>cArchivSeite</name>
    <message>
        <source>Feldbrief</source>
        <translation>Feldbrief</translation>
    </message>
    <message>
        <source>ARCHIV</source>
        <translation>АРХИВ</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Использовать сервер архива (PostgreSQL)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>База данных:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Без сервера архива списки сохраняются в архиве на этом устройстве. Если сервер недоступен, их принимает архив на этом устройстве, а на сервер они попадут, как только он снова ответит.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Введите сервер архива: его имя или адрес.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Введите в качестве порта число от 1 до 65535 (обычно 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Введите базу данных архива на сервере.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Архив: ещё не открыт</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Архив: сервер %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Архив: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Списки, ожидающие добавления в архив: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Все списки в архиве.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Применено: теперь списки отправляются на сервер %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Применено: теперь списки сохраняются в архиве на этом устройстве.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Клиенты</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>К файлу</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>Не удаётся прочитать архив %1: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>неизвестная ошибка</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Все машины</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Все кампании</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>без машины</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Архив</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>Не удаётся создать папку.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>Полученный файл %1 не удалось поместить в папку %2 для архива: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Файл %1 в папке архива не читается; он сохранён под именем %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Пока сервер архива недоступен, полученные списки сохраняются в локальном архиве %1; затем они будут переданы на сервер.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>Полученные списки ожидают в папке %1 и будут приняты позже.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>Архив %1 повреждён: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>Архив %1 заблокирован другой программой: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>Не удалось записать данные в архив %1, носитель данных заполнен: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>Не удалось открыть архив %1: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>Архив %1 повреждён (%2), и его не удалось переместить в %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>Архив %1 был повреждён (%2). Он перемещён в %3, создан новый архив.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>Архив %1 создан более новой версией программы (версия %2, эта программа поддерживает версии до %3) и остаётся без изменений.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>Файл %1 не добавлен в архив: его имя не соответствует ни одному известному списку.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>Файл %1 не добавлен в архив.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Все клиенты</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Клиент: %1</translation>
    </message>
</context>
<context>
    <name>cEditDialog</name>
    <message>
        <source>Feldbrief</source>
        <translation>Feldbrief</translation>
    </message>
    <message>
        <source>Fahrer Nummer:</source>
        <translation>Номер водителя:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Имя водителя 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Имя водителя 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Улица:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>Индекс:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Город:</translation>
    </message>
    <message>
        <source>Telefon 1:</source>
        <translation>Телефон 1:</translation>
    </message>
    <message>
        <source>Telefon 2:</source>
        <translation>Телефон 2:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>Свободное поле:</translation>
    </message>
</context>
<context>
    <name>cEinstellungen</name>
    <message>
        <source>Feldbrief</source>
        <translation>Feldbrief</translation>
    </message>
    <message>
        <source>Verbindung mit Terminal:</source>
        <translation>Подключение к терминалу:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Доступные машины</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Какие данные обработать?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Показать список</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Исходная папка</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>Адрес эл. почты (Кому-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Оставьте пустым для индивидуальных получателей</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>Настройки LIVE-передачи</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Интервал обновления</translation>
    </message>
    <message>
        <source>0,5 s</source>
        <translation>0,5 с</translation>
    </message>
    <message>
        <source>1 s</source>
        <translation>1 с</translation>
    </message>
    <message>
        <source>2 s</source>
        <translation>2 с</translation>
    </message>
    <message>
        <source>3 s</source>
        <translation>3 с</translation>
    </message>
    <message>
        <source>4 s</source>
        <translation>4 с</translation>
    </message>
    <message>
        <source>5 s</source>
        <translation>5 с</translation>
    </message>
    <message>
        <source>Datensätze</source>
        <translation>Наборы данных</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Основные данные</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Если у вас возникли проблемы
с приложением, свяжитесь с нами.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Введите адрес эл. почты</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>Текущее подключение</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Ни один терминал не ответил. Проверьте подключение Wi-Fi к терминалу и повторите попытку.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Необходимо выбрать исходную папку.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>Изменение вступит в силу после перезапуска приложения.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Архив</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Расчёты</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Графическое сравнение</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Вид: Графическое сравнение</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>га/ч</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>км/ч</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>м/га порожняком</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>л/га</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Копка</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Бункеров/га</translation>
    </message>
</context>
<context>
    <name>cHaupt</name>
    <message>
        <source>Feldbrief</source>
        <translation>Feldbrief</translation>
    </message>
    <message>
        <source>Lindqvarth Landtechnik · Feldbrief · Ihre Rodedaten immer zur Hand</source>
        <translation>Lindqvarth Landtechnik · Feldbrief · Данные уборки всегда под рукой</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Сортировать по:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Имя клиента</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Номер задания</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Номер водителя</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Номер клиента</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Загруженные файлы</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>С:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>По:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Клиенты</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Статистика сезона</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Статистика машины</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Действительно удалить эту запись?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Открыть список</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Списки (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Нет файлов</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Таблица (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Отчёт (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>В списке нет заданий.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (программа учёта полей)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Данные для счёта (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Данные для счёта (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Часы водителей (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Часы водителей (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Не удалось прочитать цены из архива %1: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>В списке нет заданий с клиентом и датой начала.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Данные для счёта</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Часы водителей</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Общий обзор</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Вид: Общий обзор</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>га/ч</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>км/ч</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Копка</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>м/га порожняком</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>л/га</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Бункеров/га</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Доп. информация</translation>
    </message>
</context>
<context>
    <name>cInfoSeite</name>
    <message>
        <source>Feldbrief</source>
        <translation>Feldbrief</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>ИНФО</translation>
    </message>
    <message>
        <source>Version der Anwendung:</source>
        <translation>Версия приложения:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>Не удалось открыть файл %1: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Номер клиента</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Имя клиента</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Улица</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Площадь</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Номер водителя</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Имя водителя</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>Эл. почта</translation>
    </message>
</context>
<context>
    <name>cLive</name>
    <message>
        <source>bar</source>
        <translation>бар</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>км/ч</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>л/ч</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>л/га</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>га</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>l</source>
        <translation>л</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>C°</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Клиент:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Поле:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>ч копки</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>ч выгрузки</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>л/га копка</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>га/ч</translation>
    </message>
    <message>
        <source>m/ha</source>
        <translation>м/га</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>порожн.</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Номер задания</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Междурядье</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>га</translation>
    </message>
</context>
<context>
    <name>cOrderPage</name>
    <message>
        <source>Keine Auftragsdaten</source>
        <translation>Нет данных задания</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Сохранить отчёт в PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Среднее: %1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Терминал %1, серийный номер %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Первый контакт с этим терминалом. Вводите пароль, только если это ваш терминал.</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Выбрать файл</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Клиенты</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Нет доступа</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Сертификат терминала изменён</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Терминал %1 (серийный номер %2) предъявляет не тот сертификат, что раньше.

Раньше:
%3

Сейчас:
%4

Это допустимо, только если терминал был заменён. Доверять новому сертификату и войти?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>Терминал отправил недопустимое сообщение. Соединение разорвано.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Нет доступа</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>Файл успешно импортирован.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>При импорте произошла ошибка</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>Полученный файл имеет недопустимое имя и не был сохранён.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>Не удалось прочитать файл %1, он не был отправлен.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>Не удалось сохранить полученный файл %1 в папке %2: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Терминал %1 предъявляет другой сертификат, чем раньше.

Раньше:
%2

Сейчас:
%3

Это верно только в том случае, если терминал был заменён. Доверять новому сертификату и войти?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>Терминал %1 отправил недопустимый серийный номер. Вход прерван.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Моточасы двигателя</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Моточасы комбайна</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Загруженные файлы</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Пробег</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Расход</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Расход [л/ч]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Расход/га</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Расход/км</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>га</translation>
    </message>
    <message>
        <source>km</source>
        <translation>км</translation>
    </message>
    <message>
        <source>l</source>
        <translation>л</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>л/ч</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>л/га</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>л/км</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Убранная площадь</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Дорога</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Закрыть приложение?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Сохранить отчёт в PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Нет данных для отчёта</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Отчёт за сезон</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Обзор пробега</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Вид: Обзор пробега</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Порожний пробег</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Копка</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Переезд</translation>
    </message>
    <message>
        <source>km</source>
        <translation>км</translation>
    </message>
</context>
<context>
    <name>cTreeToDeleteFile</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Удалить всё</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Действительно удалить всё?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Архив</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Обзор расхода</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Вид: Обзор расхода</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Пробег</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Расход</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Расход [л/ч]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Расход/га</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Расход/км</translation>
    </message>
    <message>
        <source>km</source>
        <translation>км</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>l</source>
        <translation>л</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>л/ч</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>л/га</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>л/км</translation>
    </message>
</context>
<context>
    <name>cWhatToDownload</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Варианты загрузки:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Клиенты</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Статистика сезона</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Статистика машины</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>cYesNoDialog</name>
    <message>
        <source>Feldbrief</source>
        <translation>Feldbrief</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Распределение времени</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Вид: Распределение времени</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Номер задания</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Междурядье</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>га</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Прочее время</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Время выгрузки</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Время копки</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
</context>
<context>
    <name>cfahrzeugelist</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Список доступных терминалов:
(по номеру шасси)</translation>
    </message>
</context>
</TS>
