<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Row type</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Statement number</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Customer number</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Field number</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Road time</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Area amount</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Road amount</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Flat rate amount</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totals</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Billing statement</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>VAT ID: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Customer number</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Price per hectare</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Price per road hour</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Flat rate per order</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>VAT rate</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Flat rate</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>VAT %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Bank details: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Billing statements</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(no driver)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Field time</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Lifting time</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Unloading time</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Road time</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Field hours</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Lifting hours</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Unloading hours</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Road hours</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Driver hours</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>An order counts on the day it started. Days: the days on which the driver's orders started; the Totals row adds up the days of all drivers.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is write-protected.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>No permission to write to this folder.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>The folder is missing, or a file stands in its place.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Unknown error while writing.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>The file %1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>A link or a folder has this name, not an ordinary file.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>The folder %1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
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
        <translation>Area</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Lifting time</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Unloading time</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumption</translation>
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
        <translation>Order report</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Order</translation>
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
        <translation>Order number</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
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
        <translation>Row spacing</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Additional info</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Key figure</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Average of all orders</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h lifting</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha empty</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha lifting</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha total</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Tanks/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumption</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Consumption per hour</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Consumption per hectare</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Consumption per kilometre</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Distance split</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Empty run</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Lifting</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Road travel</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Time split</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Other time</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Unloading time</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Lifting time</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Comparison with the average</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Order better</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Order worse</translation>
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
        <translation>Search: “%1”</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Period: %1 to %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>The l/ha and ha/h values of the Totals row are ratios of the sums over the orders with an area.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Number of orders: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>The file is here:
%1

Please attach it to this e-mail.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Saved:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>No program found to open %1.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>No e-mail program found.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>Attached: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>%1 was not printed: the printer “%2” reports an error. Please check the printer.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Printed on %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Season report</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Lifted area</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Engine hours</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Harvester hours</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Road</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumption</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Consumption per hour</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Consumption per hectare</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Consumption per kilometre</translation>
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
        <translation>Totals</translation>
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
        <translation>BILLING</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Letterhead</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Price per hectare:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Price per road hour:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Flat rate per order:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>VAT rate:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Own prices for individual customers; an empty box takes the price above.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Add customer</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>VAT ID:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Bank details:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Select logo</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Remove logo</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Customer number</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>per hectare</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>per road hour</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>per order</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>VAT %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Please check the values outlined in red: prices without a sign and with at most two decimal places, VAT from 0 to 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Remove customer</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>The billing settings could not be read: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>The billing settings could not be read from the archive %1: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Please enter the customer number for every customer with own prices.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>The customer %1 is in the list twice. Please remove one of the two rows.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>The archive is not ready yet.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>The billing settings could not be saved: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>The billing settings could not be saved in the archive %1: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Saved in the archive %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>The image %1 cannot serve as a logo: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>no logo</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logo unreadable</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Images (%1)</translation>
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
        <translation>ARCHIVE</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Use archive server (PostgreSQL)</translation>
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
        <translation>User:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Without an archive server, the lists go into the archive on this device. If the server cannot be reached, the archive on this device takes them in, and they go to the server as soon as it responds again.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Please enter the archive server: its name or its address.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Please enter a number from 1 to 65535 as the port (usually 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Please enter the archive's database on the server.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Archive: not opened yet</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Archive: server %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Archive: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Lists waiting to be added to the archive: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>All lists are in the archive.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Applied: from now on, the lists go to the server %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Applied: from now on, the lists go into the archive on this device.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Customers</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Back to file</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>The archive %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>All machines</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>All campaigns</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>no machine</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>The folder cannot be created.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>The received file %1 could not be placed in the folder %2 for the archive: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>The file %1 in the archive's folder is unreadable; it is kept under the name %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Until the archive server can be reached again, received lists go into the local archive %1; they are then transferred to the server.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>The received lists are waiting in the folder %1 and will be taken over later.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>The archive %1 is damaged: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>The archive %1 is locked by another program: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>The archive %1 cannot be written, the disk is full: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>The archive %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>The archive %1 is damaged (%2) and cannot be moved to %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>The archive %1 was damaged (%2). It has been moved to %3 and a new archive has been created.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>The archive %1 comes from a newer program version (version %2, this program knows up to version %3) and remains unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>The file %1 was not added to the archive: its name does not refer to any known list.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>The file %1 was not added to the archive.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>All customers</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Customer: %1</translation>
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
        <translation>Driver number:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Driver name 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Driver name 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Street:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>Postcode:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Town:</translation>
    </message>
    <message>
        <source>Telefon 1:</source>
        <translation>Phone 1:</translation>
    </message>
    <message>
        <source>Telefon 2:</source>
        <translation>Phone 2:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>Free text:</translation>
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
        <translation>Connection to terminal:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Available vehicles</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Which data should be processed?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Show list</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Source folder</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>E-mail address (To-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Leave empty for individual recipients</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>LIVE transmission settings</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Update interval</translation>
    </message>
    <message>
        <source>0,5 s</source>
        <translation>0.5 s</translation>
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
        <translation>Data sets</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Basic data</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>If you have problems using
the application, please contact us.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Enter the e-mail address</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>Current connection</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>No terminal responded. Please check the Wi-Fi connection to the terminal and try again.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>You must choose the source folder.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>The change will be active after restart of the application.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Billing</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Graphical comparison</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>View: Graphical comparison</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Order</translation>
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
        <translation>m/ha empty</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Lifting</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Tanks/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Your harvest data always at hand</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Sort by:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Customer name</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Driver number</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Customer number</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Downloaded files</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Customers</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Season statistics</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Machine statistics</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Do you really want to delete this entry?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Open list</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Lists (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>No file available</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Table (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Report (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>The list shows no orders.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (farm management software)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Billing statement (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Billing statement (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Driver hours (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Driver hours (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>The prices could not be read from the archive %1: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>The list shows no orders with a customer and a start date.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Billing statement</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Driver hours</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Main overview</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>View: Main overview</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Average</translation>
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
        <translation>Lifting</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha empty</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Tanks/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Additional info</translation>
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
        <translation>Application version:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>The file %1 could not be opened: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Customer number</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Customer name</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Driver number</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Driver name</translation>
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
        <translation>Customer:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Field:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h lifting</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h unloading</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha lifting</translation>
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
        <translation>empty</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
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
        <translation>Row spacing</translation>
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
        <translation>No order data</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Save report as PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Average: %1</translation>
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
        <translation>Password:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminal %1, serial number %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>First contact with this terminal. Only enter the password if it is your terminal.</translation>
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
        <translation>Select file</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Customers</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>No permission</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Terminal certificate changed</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>The terminal %1 (serial number %2) presents a different certificate than before.

Before:
%3

Now:
%4

This is only correct if the terminal has been replaced. Trust the new certificate and log in?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>The terminal sent an invalid message. The connection was closed.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>No permission</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>The file was imported successfully.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>An error occurred during the import</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>The received file has no valid name and was not saved.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>The file %1 could not be read and was not sent.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>The received file %1 could not be saved in the folder %2: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>The terminal %1 identifies itself with a different certificate than before.

Before:
%2

Now:
%3

This is only correct if the terminal has been replaced. Trust the new certificate and log in?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>The terminal %1 sent an invalid serial number. The login was cancelled.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Engine hours</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Harvester hours</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Downloaded files</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumption</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Consumption [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Consumption/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Consumption/km</translation>
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
        <translation>Totals</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Lifted area</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Do you want to close the app?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Save report as PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>No data for a report</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Season report</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Distance overview</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>View: Distance overview</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Empty run</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Lifting</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Road travel</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Really delete everything?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Consumption overview</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>View: Consumption overview</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumption</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Consumption [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Consumption/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Consumption/km</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Download options:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Orders</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Customers</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Season statistics</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Machine statistics</translation>
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
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Time split</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>View: Time split</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Driver</translation>
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
        <translation>Row spacing</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Other time</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Unloading time</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Lifting time</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>List of available terminals:
(identified by chassis number)</translation>
    </message>
</context>
</TS>
