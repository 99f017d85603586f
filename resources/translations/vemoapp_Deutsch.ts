<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrderReport</name>
    <message>
        <source>Auftragsbericht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrdersReport</name>
    <message>
        <source>Suche: „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straße</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cAbrechnungSeite</name>
    <message>
        <source>Feldbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABRECHNUNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cArchivSeite</name>
    <message>
        <source>Feldbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARCHIV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cEditDialog</name>
    <message>
        <source>Feldbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer Nummer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefon 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefon 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cEinstellungen</name>
    <message>
        <source>Feldbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbindung mit Terminal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,5 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datensätze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cHaupt</name>
    <message>
        <source>Feldbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lindqvarth Landtechnik · Feldbrief · Ihre Rodedaten immer zur Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cInfoSeite</name>
    <message>
        <source>Feldbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version der Anwendung:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eMail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cLive</name>
    <message>
        <source>bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cOrderPage</name>
    <message>
        <source>Keine Auftragsdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cTreeToDeleteFile</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/km</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cWhatToDownload</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cYesNoDialog</name>
    <message>
        <source>Feldbrief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfahrzeugelist</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
