<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Rækketype</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Afregningsnummer</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Kundenummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Marknummer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Opgavenummer</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Areal</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Vejtid</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Beløb areal</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Beløb vej</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Beløb fastpris</translation>
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
        <translation>Opgave</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Afregningsgrundlag</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 til %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>Momsnr.: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Kundenummer</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Pris pr. hektar</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Pris pr. time vej</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Fastpris pr. opgave</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>Moms</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Opgave</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Areal</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Vej</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Fastpris</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Beløb</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
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
        <translation>Bankoplysninger: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Afregningsgrundlag</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(uden fører)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fører</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Opgaver</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Dage</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Marktid</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Optagningstid</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Aflæsningstid</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Vejtid</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Timer mark</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Timer optagning</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Timer aflæsning</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Timer vej</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Førertimer</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>En opgave tælles på den dag, den begynder. Dage: de dage, hvor førerens opgaver begyndte; totalen lægger alle føreres dage sammen.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Lagermediet er fuldt.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Lagermediet er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Ingen tilladelse til at skrive i denne mappe.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>Mappen mangler, eller der ligger en fil i stedet.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>Filnavnet er for langt.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Ukendt fejl under skrivning.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>Filen %1 kunne ikke gemmes: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Under dette navn ligger et link eller en mappe, ikke en almindelig fil.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>Mappen %1 kunne ikke skrives: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Opgavenummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fører</translation>
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
        <translation>Areal</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Vej</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Optagningstid</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Aflæsningstid</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Forbrug</translation>
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
        <translation>Opgaverapport</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Opgave</translation>
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
        <translation>Opgavenummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fører</translation>
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
        <translation>Rækkeafstand</translation>
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
        <translation>Ekstra info</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Nøgletal</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Gennemsnit af alle opgaver</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h optagning</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha tom</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha optagning</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha i alt</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunkere/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Forbrug</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Vej</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Strækning</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Forbrug pr. time</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Forbrug pr. hektar</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Forbrug pr. kilometer</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Strækningsfordeling</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Tomkørsel</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Optagning</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Tidsfordeling</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Øvrig tid</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Aflæsningstid</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Optagningstid</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Sammenligning med gennemsnittet</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Opgave bedre</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Gennemsnit</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Opgave dårligere</translation>
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
        <translation>Søgning: »%1«</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Periode: %1 til %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Opgaver</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Opgaver</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>Værdierne l/ha og ha/h i rækken Total er forholdet mellem summerne for opgaverne med areal.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Antal opgaver: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Tilbage</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>Filen ligger her:
%1

Vedhæft den til denne e-mail.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Gemt:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>Der blev ikke fundet noget program til at åbne %1.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>Der blev ikke fundet noget e-mailprogram.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>Vedhæftet: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>%1 blev ikke udskrevet: Printeren »%2« melder en fejl. Kontrollér printeren.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Udskrevet den %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Side %1 af %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Sæson</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Sæsonrapport</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Optaget areal</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Driftstimer motor</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Driftstimer optager</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Vej</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Strækning</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Forbrug</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Forbrug pr. time</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Forbrug pr. hektar</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Forbrug pr. kilometer</translation>
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
        <translation>Total</translation>
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
        <translation>AFREGNING</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Priser</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Brevhoved</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Pris pr. hektar:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Pris pr. time vej:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Fastpris pr. opgave:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>Moms:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Egne priser for enkelte kunder; et tomt felt bruger prisen ovenfor.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Tilføj kunde</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>Momsnr.:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Bankoplysninger:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Vælg logo</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Fjern logo</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Kundenummer</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>pr. hektar</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>pr. time vej</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>pr. opgave</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>Moms %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Kontrollér de rødt indrammede værdier: priser uden fortegn med højst to decimaler, momsen fra 0 til 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Fjern kunde</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>Afregningen kunne ikke læses: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Afregningen kunne ikke læses fra arkivet %1: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Indtast kundenummeret for hver kunde med egne priser.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>Kunden %1 står to gange på listen. Fjern en af de to rækker.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>Arkivet er endnu ikke klar.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>Afregningen kunne ikke gemmes: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>Afregningen kunne ikke gemmes i arkivet %1: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Gemt i arkivet %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>Billedet %1 kan ikke bruges som logo: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>intet logo</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logo kan ikke læses</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Billeder (%1)</translation>
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
        <translation>Brug arkivserver (PostgreSQL)</translation>
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
        <translation>Database:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Bruger:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Uden arkivserver gemmes listerne i arkivet på denne enhed. Kan serveren ikke nås, tager arkivet på denne enhed imod dem, og de overføres til serveren, så snart den svarer igen.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Indtast arkivserveren: dens navn eller adresse.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Indtast et tal fra 1 til 65535 som port (normalt 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Indtast arkivets database på serveren.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Arkiv: endnu ikke åbnet</translation>
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
        <translation>Lister, der venter på at blive overført til arkivet: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Alle lister er i arkivet.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Anvendt: Fra nu af går listerne til serveren %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Anvendt: Fra nu af går listerne til arkivet på denne enhed.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Opgaver</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Kunder</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fører</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Til filen</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>Arkivet %1 kan ikke læses: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>ukendt fejl</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Alle maskiner</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Alle kampagner</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>uden maskine</translation>
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
        <translation>Mappen kan ikke oprettes.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>Den modtagne fil %1 kunne ikke lægges i mappen %2 til arkivet: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Filen %1 i arkivets mappe kan ikke læses; den bevares under navnet %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Indtil arkivserveren kan nås igen, gemmes modtagne lister i det lokale arkiv %1; derefter overføres de til serveren.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>De modtagne lister venter i mappen %1 og overtages senere.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>Arkivet %1 er beskadiget: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>Arkivet %1 er låst af et andet program: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>Arkivet %1 kan ikke skrives, lagermediet er fuldt: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>Arkivet %1 kan ikke åbnes: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>Arkivet %1 er beskadiget (%2) og kan ikke flyttes til %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>Arkivet %1 var beskadiget (%2). Det er flyttet til %3, og et nyt arkiv er oprettet.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>Arkivet %1 stammer fra en nyere programversion (version %2, dette program kender op til version %3) og forbliver uændret.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>Filen %1 blev ikke overført til arkivet: navnet angiver ingen kendt liste.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>Filen %1 blev ikke overført til arkivet.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Alle kunder</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Kunde: %1</translation>
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
        <translation>Førernummer:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Førernavn 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Førernavn 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>Postnr.:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>By:</translation>
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
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>Frit felt:</translation>
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
        <translation>Forbindelse til terminal:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Tilgængelige maskiner</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Hvilke data skal behandles?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Vis liste</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Kildemappe</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Sprog:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>E-mailadresse (Til-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Lad stå tomt for individuelle modtagere</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>Indstillinger for LIVE-overførsel</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Opdateringsinterval</translation>
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
        <translation>Basisdata</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Hvis du har problemer med at bruge
appen, så kontakt os venligst.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Indtast e-mailadressen</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Afbryd</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>aktuel forbindelse til</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Ingen terminal har svaret. Kontrollér WLAN-forbindelsen til terminalen, og prøv igen.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Du skal vælge kildemappen.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>Ændringen træder i kraft, når appen genstartes.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Afregning</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Grafisk sammenligning</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Visning: Grafisk sammenligning</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Gennemsnit</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Opgave</translation>
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
        <translation>Optagning</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunkere/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Dine optagningsdata altid ved hånden</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fil:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Sortér efter:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Kundenavn</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Opgavenummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Førernummer</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Kundenummer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Downloadede filer</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Fra:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Til:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Opgaver</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Opgaver</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fører</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Kunder</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistik sæson</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistik maskine</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Vil du virkelig slette posten?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Åbn liste</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Lister (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Ingen fil fundet</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Eksportér</translation>
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
        <translation>Listen viser ingen opgaver.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (markstyringsprogram)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Afregningsgrundlag (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Afregningsgrundlag (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Førertimer (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Førertimer (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Priserne kunne ikke læses fra arkivet %1: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>Listen viser ingen opgaver med kunde og startdato.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Afregningsgrundlag</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Førertimer</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Hovedoversigt</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Visning: Hovedoversigt</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Opgave</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Gennemsnit</translation>
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
        <translation>Optagning</translation>
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
        <translation>I alt</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunkere/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Ekstra info</translation>
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
        <translation>Filen %1 kunne ikke åbnes: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Kundenummer</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Kundenavn</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postnr.</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>By</translation>
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
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Førernummer</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Førernavn</translation>
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
        <translation>C°</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Mark:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h optagning</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h aflæsning</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha optagning</translation>
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
        <translation>Opgavenummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fører</translation>
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
        <translation>Rækkeafstand</translation>
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
        <translation>Ingen opgavedata</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Gem rapport som PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Gennemsnit: %1</translation>
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
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminal %1, serienummer %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Første kontakt med denne terminal. Indtast kun adgangskoden, hvis det er din terminal.</translation>
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
        <translation>Vælg fil</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Kunder</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fører</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Ingen adgang</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Terminalens certifikat er ændret</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Terminalen %1 (serienummer %2) viser et andet certifikat end før.

Før:
%3

Nu:
%4

Det er kun korrekt, hvis terminalen er blevet udskiftet. Stol på det nye certifikat og log på?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>Terminalen har sendt en ugyldig meddelelse. Forbindelsen er afbrudt.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Ingen adgang</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>Filen er importeret.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>Der opstod en fejl under importen</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>Den modtagne fil har intet gyldigt navn og blev ikke gemt.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>Filen %1 kunne ikke læses og blev ikke sendt.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>Den modtagne fil %1 kunne ikke gemmes i mappen %2: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Terminalen %1 identificerer sig med et andet certifikat end før.

Før:
%2

Nu:
%3

Det er kun korrekt, hvis terminalen er blevet udskiftet. Stol på det nye certifikat og log på?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>Terminalen %1 har sendt et ugyldigt serienummer. Log på blev afbrudt.</translation>
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
        <translation>Visning</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fil:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Driftstimer motor</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Driftstimer optager</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Downloadede filer</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Strækning</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Forbrug</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Forbrug [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Forbrug/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Forbrug/km</translation>
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
        <translation>Total</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Optaget areal</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Vej</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Vil du lukke appen?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Gem rapport som PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Ingen data til en rapport</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Sæsonrapport</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Strækningsoversigt</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Visning: Strækningsoversigt</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Tomkørsel</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Optagning</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Slet alt</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Vil du virkelig slette alt?</translation>
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
        <translation>Forbrugsoversigt</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Visning: Forbrugsoversigt</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Strækning</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Forbrug</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Forbrug [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Forbrug/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Forbrug/km</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Downloadmuligheder:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Opgaver</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Kunder</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fører</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistik sæson</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistik maskine</translation>
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
        <translation>Tidsfordeling</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Visning: Tidsfordeling</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Opgavenummer</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Fører</translation>
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
        <translation>Rækkeafstand</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Øvrig tid</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Aflæsningstid</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Optagningstid</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Liste over tilgængelige terminaler:
(identificeret ved stelnummer)</translation>
    </message>
</context>
</TS>
