<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Radtyp</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Underlagsnummer</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Kundnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kund</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Skiftesnummer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Skifte</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Uppdragsnummer</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Areal</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Vägtid</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Belopp areal</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Belopp väg</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Belopp fast avgift</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>Moms</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Brutto</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Summa</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Fakturaunderlag</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 till %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>Momsreg.nr: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Kundnummer</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Pris per hektar</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Pris per timme väg</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Fast avgift per uppdrag</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>Moms</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Skifte</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Areal</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Väg</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Fast avgift</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Belopp</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>Moms %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Brutto</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Bankuppgifter: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Fakturaunderlag</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(utan förare)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Förare</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Dagar</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Fälttid</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Upptagningstid</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tömningstid</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Vägtid</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Timmar fält</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Timmar upptagning</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Timmar tömning</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Timmar väg</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Förartimmar</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Ett uppdrag räknas den dag det börjar. Dagar: de dagar då förarens uppdrag började; summan räknar ihop alla förares dagar.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Lagringsmediet är fullt.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Lagringsmediet är skrivskyddat.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Behörighet saknas för att skriva i den här mappen.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>Mappen saknas, eller så finns en fil på dess plats.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>Filnamnet är för långt.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Okänt fel vid skrivning.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>Filen %1 kunde inte sparas: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Under detta namn finns en länk eller en mapp, inte en vanlig fil.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>Mappen %1 kunde inte skrivas: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Uppdragsnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kund</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Skifte</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Förare</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Areal</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Fält</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Väg</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Upptagningstid</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tömningstid</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Förbrukning</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
</context>
<context>
    <name>OrderReport</name>
    <message>
        <source>Auftragsbericht</source>
        <translation>Uppdragsrapport</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Uppdragsnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kund</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Skifte</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Förare</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Radavstånd</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Areal</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Extra info</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Översikt</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Nyckeltal</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Genomsnitt för alla uppdrag</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h upptagning</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha tom</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha upptagning</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha totalt</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunkrar/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Förbrukning</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Fält</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Väg</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Sträcka</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Förbrukning per timme</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Förbrukning per hektar</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Förbrukning per kilometer</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Sträckfördelning</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Tomkörning</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Upptagning</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Tidsfördelning</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Övrig tid</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tömningstid</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Upptagningstid</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Jämförelse med genomsnittet</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Uppdrag bättre</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Genomsnitt</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Uppdrag sämre</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
</context>
<context>
    <name>OrdersReport</name>
    <message>
        <source>Suche: „%1“</source>
        <translation>Sökning: ”%1”</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Period: %1 till %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>Värdena l/ha och ha/h i raden Summa är kvoter mellan summorna för uppdragen med areal.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Antal uppdrag: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Tillbaka</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>Filen finns här:
%1

Bifoga den till det här e-postmeddelandet.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Sparad:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>Inget program hittades för att öppna %1.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>Inget e-postprogram hittades.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>Bifogat: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>%1 skrevs inte ut: Skrivaren ”%2” rapporterar ett fel. Kontrollera skrivaren.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Utskrivet %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Sida %1 av %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Säsong</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Säsongsrapport</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Upptagen areal</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Drifttimmar motor</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Drifttimmar upptagare</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Fält</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Väg</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Sträcka</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Förbrukning</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Förbrukning per timme</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Förbrukning per hektar</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Förbrukning per kilometer</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Summa</translation>
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
        <translation>FAKTURERING</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Priser</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Brevhuvud</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Pris per hektar:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Pris per timme väg:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Fast avgift per uppdrag:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>Moms:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Egna priser för enskilda kunder; ett tomt fält använder priset ovan.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Lägg till kund</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Adress:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>Momsreg.nr:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Bankuppgifter:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logotyp:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Välj logotyp</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Ta bort logotyp</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Kundnummer</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>per hektar</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>per timme väg</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>per uppdrag</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>Moms %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Kontrollera värdena med röd ram: priser utan förtecken med högst två decimaler, momsen från 0 till 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Ta bort kund</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>Faktureringsuppgifterna kunde inte läsas: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Faktureringsuppgifterna kunde inte läsas från arkivet %1: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Ange kundnumret för varje kund med egna priser.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>Kunden %1 finns två gånger i listan. Ta bort en av de två raderna.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>Arkivet är inte klart än.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>Faktureringsuppgifterna kunde inte sparas: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>Faktureringsuppgifterna kunde inte sparas i arkivet %1: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Sparat i arkivet %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>Bilden %1 kan inte användas som logotyp: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>ingen logotyp</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logotypen kan inte läsas</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Bilder (%1)</translation>
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
        <translation>ARKIV</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Använd arkivserver (PostgreSQL)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>Databas:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Användare:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Utan arkivserver sparas listorna i arkivet på den här enheten. Kan servern inte nås tar arkivet på den här enheten emot dem, och de går till servern så snart den svarar igen.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Ange arkivservern: dess namn eller adress.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Ange ett tal från 1 till 65535 som port (oftast 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Ange arkivets databas på servern.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Arkiv: ännu inte öppnat</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Arkiv: server %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Arkiv: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Listor som väntar på att tas in i arkivet: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Alla listor finns i arkivet.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Verkställt: Från och med nu går listorna till servern %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Verkställt: Från och med nu går listorna till arkivet på den här enheten.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Kunder</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Skiften</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Förare</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Till filen</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>Arkivet %1 kan inte läsas: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>okänt fel</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Alla maskiner</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Alla kampanjer</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>utan maskin</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Arkiv</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>Mappen kan inte skapas.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>Den mottagna filen %1 kunde inte läggas i mappen %2 för arkivet: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Filen %1 i arkivets mapp är oläslig; den bevaras under namnet %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Tills arkivservern kan nås igen sparas mottagna listor i det lokala arkivet %1; därefter överförs de till servern.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>De mottagna listorna väntar i mappen %1 och tas över senare.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>Arkivet %1 är skadat: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>Arkivet %1 är låst av ett annat program: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>Arkivet %1 kan inte skrivas, lagringsmediet är fullt: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>Arkivet %1 kan inte öppnas: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>Arkivet %1 är skadat (%2) och kan inte flyttas till %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>Arkivet %1 var skadat (%2). Det har flyttats till %3 och ett nytt arkiv har skapats.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>Arkivet %1 kommer från en nyare programversion (version %2, detta program känner till upp till version %3) och lämnas oförändrat.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>Filen %1 togs inte in i arkivet: dess namn anger ingen känd lista.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>Filen %1 togs inte in i arkivet.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Alla kunder</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Kund: %1</translation>
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
        <translation>Förarnummer:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Förarnamn 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Förarnamn 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Adress:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>Postnr:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Telefon 1:</source>
        <translation>Telefon 1:</translation>
    </message>
    <message>
        <source>Telefon 2:</source>
        <translation>Telefon 2:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>E-post:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>Fritt fält:</translation>
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
        <translation>Anslutning till terminal:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Tillgängliga maskiner</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Vilka data ska bearbetas?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Visa lista</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Källmapp</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Språk:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>E-postadress (Till-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Lämna tomt för individuella mottagare</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>Inställningar för LIVE-överföring</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Uppdateringsintervall</translation>
    </message>
    <message>
        <source>0,5 s</source>
        <translation>0,5 s</translation>
    </message>
    <message>
        <source>1 s</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2 s</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3 s</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4 s</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5 s</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>Datensätze</source>
        <translation>Dataposter</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Grunddata</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Om du har problem med att använda
appen, kontakta oss gärna.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Ange e-postadressen</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>aktuell anslutning till</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Ingen terminal svarade. Kontrollera WLAN-anslutningen till terminalen och försök igen.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Du måste välja källmappen.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>Ändringen träder i kraft när appen har startats om.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Fakturering</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Grafisk jämförelse</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Vy: Grafisk jämförelse</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Genomsnitt</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha tom</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Upptagning</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunkrar/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Dina upptagningsdata alltid till hands</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fil:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Sortera efter:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Kundnamn</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Uppdragsnummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Förarnummer</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Kundnummer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Skifte</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kund</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Hämtade filer</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Från:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Till:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Skiften</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Skiften</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Förare</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Kunder</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistik säsong</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistik maskin</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Vill du verkligen radera posten?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Öppna lista</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Listor (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Ingen fil finns</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Tabell (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Rapport (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>Listan visar inga uppdrag.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (gårdsprogram)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Fakturaunderlag (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Fakturaunderlag (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Förartimmar (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Förartimmar (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Priserna kunde inte läsas från arkivet %1: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>Listan visar inga uppdrag med kund och startdatum.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Fakturaunderlag</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Förartimmar</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Huvudöversikt</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Vy: Huvudöversikt</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Genomsnitt</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Upptagning</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha tom</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunkrar/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Extra info</translation>
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
        <translation>INFO</translation>
    </message>
    <message>
        <source>Version der Anwendung:</source>
        <translation>Appversion:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>Filen %1 kunde inte öppnas: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Kund</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Skifte</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Kundnummer</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Kundnamn</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Adress</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postnr</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Areal</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Avstånd</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Förarnummer</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Förarnamn</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-post</translation>
    </message>
</context>
<context>
    <name>cLive</name>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>C°</source>
        <translation>C°</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Kund:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Skifte:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h upptagning</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h tömning</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha upptagning</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>m/ha</source>
        <translation>m/ha</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>tom</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Uppdragsnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kund</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Skifte</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Förare</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Radavstånd</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
</context>
<context>
    <name>cOrderPage</name>
    <message>
        <source>Keine Auftragsdaten</source>
        <translation>Inga uppdragsdata</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Spara rapporten som PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Genomsnitt: %1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminal %1, serienummer %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Första kontakten med denna terminal. Ange lösenordet endast om det är din terminal.</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Välj fil</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Skiften</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Skiften</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Kunder</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Förare</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Behörighet saknas</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Terminalens certifikat har ändrats</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Terminalen %1 (serienummer %2) visar ett annat certifikat än tidigare.

Tidigare:
%3

Nu:
%4

Det är bara korrekt om terminalen har bytts ut. Lita på det nya certifikatet och logga in?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>Terminalen skickade ett ogiltigt meddelande. Anslutningen har brutits.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Behörighet saknas</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>Filen har importerats.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>Ett fel uppstod vid importen</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>Den mottagna filen har inget giltigt namn och sparades inte.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>Filen %1 kunde inte läsas och skickades inte.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>Den mottagna filen %1 kunde inte sparas i mappen %2: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Terminalen %1 identifierar sig med ett annat certifikat än tidigare.

Tidigare:
%2

Nu:
%3

Detta är bara korrekt om terminalen har bytts ut. Lita på det nya certifikatet och logga in?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>Terminalen %1 skickade ett ogiltigt serienummer. Inloggningen avbröts.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Vy</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fil:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Drifttimmar motor</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Drifttimmar upptagare</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Hämtade filer</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Sträcka</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Förbrukning</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Förbrukning [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Förbrukning/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Förbrukning/km</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Upptagen areal</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Fält</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Väg</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Vill du stänga appen?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Spara rapporten som PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Inga data för en rapport</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Säsongsrapport</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Sträcköversikt</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Vy: Sträcköversikt</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Tomkörning</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Upptagning</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
</context>
<context>
    <name>cTreeToDeleteFile</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Radera allt</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Vill du verkligen radera allt?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Arkiv</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Förbrukningsöversikt</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Vy: Förbrukningsöversikt</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Sträcka</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Förbrukning</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Förbrukning [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Förbrukning/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Förbrukning/km</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
</context>
<context>
    <name>cWhatToDownload</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Nedladdningsalternativ:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Uppdrag</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Kunder</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Skiften</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Förare</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistik säsong</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistik maskin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nej</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Tidsfördelning</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Vy: Tidsfördelning</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Uppdragsnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kund</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Skifte</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Förare</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Radavstånd</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Övrig tid</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tömningstid</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Upptagningstid</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>cfahrzeugelist</name>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Lista över tillgängliga terminaler:
(identifieras med chassinummer)</translation>
    </message>
</context>
</TS>
