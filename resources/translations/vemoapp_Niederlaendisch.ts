<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Regelsoort</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Afrekeningsnummer</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Klantnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Perceelnummer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Perceel</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Opdrachtnummer</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Oppervlakte</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Tijd weg</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Bedrag oppervlakte</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Bedrag weg</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Bedrag vast tarief</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>Btw</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Bruto</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totalen</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Afrekenoverzicht</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>Btw-nr.: %1</translation>
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
        <translation>Periode</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Klantnummer</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Prijs per hectare</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Prijs per uur weg</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Vast tarief per opdracht</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>Btw-tarief</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Perceel</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Oppervlakte</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Vast tarief</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>Btw %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Bruto</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Bankgegevens: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Afrekenoverzichten</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(zonder chauffeur)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Tijd akker</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tijd rooien</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tijd lossen</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Tijd weg</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Uren akker</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Uren rooien</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Uren lossen</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Uren weg</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Chauffeursuren</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Een opdracht telt op de dag waarop ze begint. Dagen: de dagen waarop opdrachten van de chauffeur begonnen; de rij Totalen telt de dagen van alle chauffeurs bij elkaar op.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>De gegevensdrager is vol.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>De gegevensdrager is tegen schrijven beveiligd.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Geen toestemming om in deze map te schrijven.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>De map ontbreekt, of er staat een bestand op zijn plaats.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>De bestandsnaam is te lang.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Onbekende fout bij het schrijven.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>Het bestand %1 kon niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Onder deze naam staat een koppeling of een map, geen gewoon bestand.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>De map %1 kon niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Opdrachtnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Perceel</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Oppervlakte</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tijd rooien</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tijd lossen</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Verbruik</translation>
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
        <translation>Opdrachtrapport</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Opdracht</translation>
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
        <translation>Opdrachtnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Perceel</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Rijenafstand</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Oppervlakte</translation>
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
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Kengetal</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Gemiddelde van alle opdrachten</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h rooien</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha leeg</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha rooien</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha totaal</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunker/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Verbruik</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Verbruik per uur</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Verbruik per hectare</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Verbruik per kilometer</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Afstandsverdeling</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Leeg rijden</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Rooien</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Aanrit</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Tijdverdeling</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Overige tijd</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tijd lossen</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tijd rooien</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Vergelijking met het gemiddelde</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Opdracht beter</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Gemiddelde</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Opdracht slechter</translation>
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
        <translation>Zoekterm: “%1”</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Periode: %1 tot %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>De waarden l/ha en ha/h in de rij Totalen zijn verhoudingen van de sommen over de opdrachten met oppervlakte.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Aantal opdrachten: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Terug</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>Het bestand staat hier:
%1

Voeg het als bijlage toe aan deze e-mail.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Opgeslagen:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>Geen programma gevonden om %1 te openen.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>Geen e-mailprogramma gevonden.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>Bijlage: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>%1 is niet afgedrukt: de printer “%2” meldt een fout. Controleer de printer.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Afgedrukt op %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Seizoen</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Seizoensrapport</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Gerooide oppervlakte</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Bedrijfsuren motor</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Bedrijfsuren rooier</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Weg</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Verbruik</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Verbruik per uur</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Verbruik per hectare</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Verbruik per kilometer</translation>
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
        <translation>Totalen</translation>
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
        <translation>AFREKENING</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Prijzen</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Briefhoofd</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Prijs per hectare:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Prijs per uur weg:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Vast tarief per opdracht:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>Btw-tarief:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Eigen prijzen van afzonderlijke klanten; een leeg veld neemt de prijs hierboven over.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Klant toevoegen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>Btw-nr.:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Bankgegevens:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Logo kiezen</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Logo verwijderen</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Klantnummer</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>per hectare</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>per uur weg</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>per opdracht</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>Btw %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Controleer de rood omrande waarden: prijzen zonder teken met hoogstens twee decimalen, de btw van 0 tot 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Klant verwijderen</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>De afrekeninginstellingen konden niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>De afrekeninginstellingen konden niet uit het archief %1 worden gelezen: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Voer bij elke klant met eigen prijzen het klantnummer in.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>De klant %1 staat twee keer in de lijst. Verwijder een van beide regels.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>Het archief is nog niet gereed.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>De afrekeninginstellingen konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>De afrekeninginstellingen konden niet in het archief %1 worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Opgeslagen in het archief %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>De afbeelding %1 kan niet als logo dienen: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>geen logo</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logo onleesbaar</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Afbeeldingen (%1)</translation>
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
        <translation>ARCHIEF</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Archiefserver (PostgreSQL) gebruiken</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Gebruiker:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Zonder archiefserver gaan de lijsten naar het archief op dit apparaat. Is de server niet bereikbaar, dan neemt het archief op dit apparaat ze op en gaan ze naar de server zodra die weer antwoordt.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Voer de archiefserver in: de naam of het adres.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Voer als poort een getal van 1 tot 65535 in (meestal 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Voer de database van het archief op de server in.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Archief: nog niet geopend</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Archief: server %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Archief: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Lijsten die wachten op opname in het archief: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Alle lijsten staan in het archief.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Toegepast: de lijsten gaan vanaf nu naar de server %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Toegepast: de lijsten gaan vanaf nu naar het archief op dit apparaat.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Klanten</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Percelen</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Terug naar bestand</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>Het archief %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Alle machines</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Alle campagnes</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>zonder machine</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archief</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>De map kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>Het ontvangen bestand %1 kon niet in de map %2 voor het archief worden geplaatst: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Het bestand %1 in de map van het archief is onleesbaar; het blijft bewaard onder de naam %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Zolang de archiefserver niet bereikbaar is, gaan ontvangen lijsten naar het lokale archief %1; daarna worden ze naar de server overgebracht.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>De ontvangen lijsten wachten in de map %1 en worden later overgenomen.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>Het archief %1 is beschadigd: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>Het archief %1 is door een ander programma vergrendeld: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>Het archief %1 kan niet worden beschreven, de gegevensdrager is vol: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>Het archief %1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>Het archief %1 is beschadigd (%2) en kan niet naar %3 worden verplaatst.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>Het archief %1 was beschadigd (%2). Het is naar %3 verplaatst en er is een nieuw archief aangemaakt.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>Het archief %1 is afkomstig van een nieuwere programmaversie (versie %2, dit programma kent versies tot en met %3) en blijft ongewijzigd.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>Het bestand %1 is niet in het archief opgenomen: de naam verwijst naar geen enkele bekende lijst.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>Het bestand %1 is niet in het archief opgenomen.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Alle klanten</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Klant: %1</translation>
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
        <translation>Chauffeursnummer:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Naam chauffeur 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Naam chauffeur 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Straat:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>Postcode:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Plaats:</translation>
    </message>
    <message>
        <source>Telefon 1:</source>
        <translation>Telefoon 1:</translation>
    </message>
    <message>
        <source>Telefon 2:</source>
        <translation>Telefoon 2:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>Vrij veld:</translation>
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
        <translation>Verbinding met terminal:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Beschikbare voertuigen</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Welke gegevens moeten worden verwerkt?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Lijst tonen</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Bronmap</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>E-mailadres (Aan-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Leeg laten voor individuele ontvangers</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>Instellingen LIVE-overdracht</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Vernieuwingsinterval</translation>
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
        <translation>Gegevensset</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Basisgegevens</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Als u problemen hebt bij het gebruik
van de applicatie, neem dan contact met ons op.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Voer het e-mailadres in</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>Huidige verbinding met</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Geen enkele terminal heeft geantwoord. Controleer de wifiverbinding met de terminal en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>U moet de bronmap kiezen.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>De wijziging is actief na een herstart van de applicatie.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archief</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Afrekening</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Grafische vergelijking</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Weergave: Grafische vergelijking</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Gemiddelde</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Opdracht</translation>
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
        <translation>m/ha leeg</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Rooien</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunker/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Uw rooigegevens altijd bij de hand</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Bestand:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Sorteren op:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Klantnaam</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Opdrachtnummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Chauffeursnummer</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Klantnummer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Perceel</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Gedownloade bestanden</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Van:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Tot:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Percelen</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Percelen</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Klanten</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Seizoenstatistiek</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Machinestatistiek</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Wilt u dit item echt verwijderen?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Lijst openen</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Lijsten (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Geen bestand aanwezig</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Tabel (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Rapport (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>De lijst bevat geen opdrachten.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (bedrijfsmanagementsoftware)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Afrekenoverzicht (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Afrekenoverzicht (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Chauffeursuren (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Chauffeursuren (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>De prijzen konden niet uit het archief %1 worden gelezen: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>De lijst bevat geen opdrachten met klant en startdatum.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Afrekenoverzicht</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Chauffeursuren</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Hoofdoverzicht</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Weergave: Hoofdoverzicht</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Gemiddelde</translation>
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
        <translation>Rooien</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha leeg</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunker/ha</translation>
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
        <translation>Versie van de applicatie:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>Het bestand %1 kon niet worden geopend: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Perceel</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Klantnummer</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Klantnaam</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Oppervlakte</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Chauffeursnummer</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Naam chauffeur</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-mail</translation>
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
        <translation>°C</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Klant:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Perceel:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h rooien</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h lossen</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha rooien</translation>
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
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Opdrachtnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Perceel</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Rijenafstand</translation>
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
        <translation>Geen opdrachtgegevens</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Rapport als PDF opslaan</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Gemiddelde: %1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminal %1, serienummer %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Eerste contact met deze terminal. Voer het wachtwoord alleen in als het uw terminal is.</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Bestand kiezen</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Percelen</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Percelen</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Klanten</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Geen toestemming</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Certificaat van de terminal gewijzigd</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>De terminal %1 (serienummer %2) toont een ander certificaat dan voorheen.

Voorheen:
%3

Nu:
%4

Dit klopt alleen als de terminal is vervangen. Het nieuwe certificaat vertrouwen en aanmelden?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>De terminal heeft een ongeldig bericht verzonden. De verbinding is verbroken.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Geen toestemming</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>Het bestand is geïmporteerd.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>Er is een fout opgetreden bij het importeren</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>Het ontvangen bestand heeft geen geldige naam en is niet opgeslagen.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>Het bestand %1 kon niet worden gelezen en is niet verzonden.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>Het ontvangen bestand %1 kon niet in de map %2 worden opgeslagen: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>De terminal %1 identificeert zich met een ander certificaat dan voorheen.

Voorheen:
%2

Nu:
%3

Dit is alleen juist als de terminal is vervangen. Het nieuwe certificaat vertrouwen en aanmelden?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>De terminal %1 heeft een ongeldig serienummer verzonden. Het aanmelden is afgebroken.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Statistiek</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Bestand:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Bedrijfsuren motor</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Bedrijfsuren rooier</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Gedownloade bestanden</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Verbruik</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Verbruik [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Verbruik/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Verbruik/km</translation>
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
        <translation>Totalen</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Gerooide oppervlakte</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Wilt u de app sluiten?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Rapport als PDF opslaan</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Geen gegevens voor een rapport</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Seizoensrapport</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Afstandsoverzicht</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Weergave: Afstandsoverzicht</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Leeg rijden</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Rooien</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Aanrit</translation>
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
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Alles verwijderen</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Echt alles verwijderen?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archief</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Verbruiksoverzicht</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Weergave: Verbruiksoverzicht</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Verbruik</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Verbruik [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Verbruik/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Verbruik/km</translation>
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
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Downloadopties:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Klanten</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Percelen</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Seizoenstatistiek</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Machinestatistiek</translation>
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
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Tijdverdeling</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Weergave: Tijdverdeling</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Opdrachtnummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Perceel</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Rijenafstand</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Overige tijd</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tijd lossen</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tijd rooien</translation>
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
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Lijst van beschikbare terminals:
(herkend aan het chassisnummer)</translation>
    </message>
</context>
</TS>
