<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Druh řádku</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Číslo vyúčtování</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Číslo zákazníka</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Číslo pole</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Číslo zakázky</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Plocha</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Čas na silnici</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Částka za plochu</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Částka za silnici</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Částka za paušál</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Bez DPH</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>DPH</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>S DPH</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zakázka</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Souhrn</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Podklad k vyúčtování</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>DIČ: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Číslo</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Období</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Číslo zákazníka</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Cena za hektar</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Cena za hodinu na silnici</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Paušál za zakázku</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>Sazba DPH</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zakázka</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Plocha</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Silnice</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Paušál</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Částka</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Bez DPH</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>DPH %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>S DPH</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Bankovní spojení: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Podklady k vyúčtování</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(bez řidiče)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Řidič</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Zakázky</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Dny</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Čas na poli</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Čas sklizně</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Čas vykládky</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Čas na silnici</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Hodiny na poli</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Hodiny sklizně</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Hodiny vykládky</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Hodiny na silnici</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Hodiny řidičů</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Zakázka se počítá ke dni svého zahájení. Dny: dny, kdy začaly zakázky řidiče; řádek Souhrn sčítá dny všech řidičů dohromady.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Datové médium je plné.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Datové médium je chráněno proti zápisu.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Chybí oprávnění k zápisu do této složky.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>Složka chybí, nebo je na jejím místě soubor.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>Název souboru je příliš dlouhý.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Neznámá chyba při zápisu.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>Soubor %1 nelze uložit: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Pod tímto názvem je odkaz nebo složka, nikoli běžný soubor.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>Složku %1 nelze zapsat: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Číslo zakázky</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Řidič</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Plocha</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Silnice</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Čas sklizně</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Čas vykládky</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Spotřeba</translation>
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
        <translation>Zpráva o zakázce</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zakázka</translation>
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
        <translation>Číslo zakázky</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Řidič</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Rozteč řádků</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Plocha</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Doplňující info</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Přehled</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Ukazatel</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Průměr všech zakázek</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h sklizeň</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha naprázdno</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha sklizeň</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha celkem</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Zásobníky/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Spotřeba</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Silnice</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Trasa</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Spotřeba za hodinu</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Spotřeba na hektar</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Spotřeba na kilometr</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Rozdělení trasy</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Jízda naprázdno</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Sklizeň</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Přejezd</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Rozdělení času</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Ostatní čas</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Čas vykládky</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Čas sklizně</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Srovnání s průměrem</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Zakázka lepší</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Průměr</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Zakázka horší</translation>
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
        <translation>Hledání: „%1“</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Období: od %1 do %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Zakázky</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Zakázky</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>Hodnoty l/ha a ha/h v řádku Souhrn jsou podíly součtů za zakázky s plochou.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Počet zakázek: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Zpět</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>Soubor je uložen zde:
%1

Přiložte ho prosím k tomuto e-mailu.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Uloženo:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>Nebyl nalezen žádný program k otevření %1.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>Nebyl nalezen žádný e-mailový program.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>V příloze: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>Soubor %1 nebyl vytištěn: tiskárna „%2“ hlásí chybu. Zkontrolujte prosím tiskárnu.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Vytištěno %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Strana %1 z %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Sezóna</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Zpráva za sezónu</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Sklizená plocha</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Motohodiny motoru</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Motohodiny vyorávače</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Silnice</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Trasa</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Spotřeba</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Spotřeba za hodinu</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Spotřeba na hektar</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Spotřeba na kilometr</translation>
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
        <translation>Souhrn</translation>
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
        <translation>VYÚČTOVÁNÍ</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Ceny</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Hlavička</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Cena za hektar:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Cena za hodinu na silnici:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Paušál za zakázku:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>Sazba DPH:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Vlastní ceny jednotlivých zákazníků; pro prázdné pole platí cena uvedená výše.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Přidat zákazníka</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Název:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>DIČ:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Bankovní spojení:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Vybrat logo</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Odebrat logo</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Číslo zákazníka</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>za hektar</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>za hodinu na silnici</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>za zakázku</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>DPH %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Zkontrolujte prosím červeně orámované hodnoty: ceny bez znaménka s nejvýše dvěma desetinnými místy, sazba DPH od 0 do 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Číslo</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Odebrat zákazníka</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>Nastavení vyúčtování nelze načíst: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Nastavení vyúčtování nelze načíst z archivu %1: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Zadejte prosím číslo zákazníka u každého zákazníka s vlastními cenami.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>Zákazník %1 je v seznamu dvakrát. Odeberte prosím jeden z obou řádků.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>Archiv ještě není připraven.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>Nastavení vyúčtování nelze uložit: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>Nastavení vyúčtování nelze uložit do archivu %1: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Uloženo v archivu %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>Obrázek %1 nelze použít jako logo: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>bez loga</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logo nelze přečíst</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Obrázky (%1)</translation>
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
        <translation>ARCHIV</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Používat archivní server (PostgreSQL)</translation>
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
        <translation>Databáze:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Uživatel:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Bez archivního serveru se seznamy ukládají do archivu v tomto zařízení. Není-li server dostupný, převezme je archiv v tomto zařízení a na server se dostanou, jakmile znovu odpoví.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Zadejte prosím archivní server: jeho název nebo adresu.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Zadejte prosím jako port číslo od 1 do 65535 (obvykle 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Zadejte prosím databázi archivu na serveru.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Archiv: dosud neotevřen</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Archiv: server %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Archiv: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Seznamy čekající na převzetí do archivu: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Všechny seznamy jsou v archivu.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Použito: Seznamy se od nynějška ukládají na server %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Použito: Seznamy se od nynějška ukládají do archivu v tomto zařízení.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Zakázky</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Zákazníci</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Řidič</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Zpět k souboru</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>Archiv %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>neznámá chyba</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Všechny stroje</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Všechny kampaně</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>bez stroje</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archiv</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>Složku nelze vytvořit.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>Přijatý soubor %1 se nepodařilo uložit do složky %2 pro archiv: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Soubor %1 ve složce archivu je nečitelný; zůstává zachován pod názvem %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Dokud nebude archivní server znovu dostupný, ukládají se přijaté seznamy do místního archivu %1; poté budou přeneseny na server.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>Přijaté seznamy čekají ve složce %1 a budou převzaty později.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>Archiv %1 je poškozen: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>Archiv %1 je uzamčen jiným programem: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>Do archivu %1 nelze zapisovat, datové médium je plné: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>Archiv %1 nelze otevřít: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>Archiv %1 je poškozen (%2) a nelze jej přesunout do %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>Archiv %1 byl poškozen (%2). Byl přesunut do %3 a byl založen nový archiv.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>Archiv %1 pochází z novější verze programu (verze %2, tento program zná nejvýše verzi %3) a zůstává beze změny.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>Soubor %1 nebyl převzat do archivu: jeho název neodpovídá žádnému známému seznamu.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>Soubor %1 nebyl převzat do archivu.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Všichni zákazníci</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Zákazník: %1</translation>
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
        <translation>Číslo řidiče:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Jméno řidiče 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Jméno řidiče 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Ulice:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>PSČ:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Obec:</translation>
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
        <translation>Volný údaj:</translation>
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
        <translation>Spojení s terminálem:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Dostupné stroje</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Jaká data se mají zpracovat?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Zobrazit seznam</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Zdrojová složka</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>E-mailová adresa (Komu-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Nechte prázdné pro jednotlivé příjemce</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>Nastavení přenosu LIVE</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Interval aktualizace</translation>
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
        <translation>Datové záznamy</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Základní data</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Pokud máte potíže s používáním
aplikace, kontaktujte nás prosím.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Zadejte e-mailovou adresu</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>aktuální spojení s</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Žádný terminál neodpověděl. Zkontrolujte prosím připojení WLAN k terminálu a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Musíte vybrat zdrojovou složku.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>Změna se projeví po restartu aplikace.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Vyúčtování</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Grafické srovnání</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Zobrazení: Grafické srovnání</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Průměr</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zakázka</translation>
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
        <translation>m/ha naprázdno</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Sklizeň</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Zásobníky/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Vaše data ze sklizně vždy po ruce</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Soubor:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Řadit podle:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Jméno zákazníka</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Číslo zakázky</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Číslo řidiče</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Číslo zákazníka</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Stažené soubory</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Zakázky</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Zakázky</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Řidič</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Zákazníci</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistika sezóny</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistika stroje</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Opravdu chcete záznam smazat?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Otevřít seznam</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Seznamy (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Žádný soubor</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Tabulka (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Zpráva (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>Seznam neobsahuje žádné zakázky.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (software pro evidenci pozemků)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Podklad k vyúčtování (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Podklad k vyúčtování (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Hodiny řidičů (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Hodiny řidičů (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Ceny nelze načíst z archivu %1: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>Seznam neobsahuje žádné zakázky se zákazníkem a datem zahájení.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Podklad k vyúčtování</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Hodiny řidičů</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Hlavní přehled</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Zobrazení: Hlavní přehled</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zakázka</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Průměr</translation>
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
        <translation>Sklizeň</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha naprázdno</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Zásobníky/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Doplňující info</translation>
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
        <translation>Verze aplikace:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>Soubor %1 nelze otevřít: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Číslo zákazníka</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Jméno zákazníka</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Ulice</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>PSČ</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Obec</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Plocha</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Vzdálenost</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Číslo řidiče</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Jméno řidiče</translation>
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
        <translation>Zákazník:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Pole:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h sklizeň</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h vykládka</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha sklizeň</translation>
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
        <translation>naprázdno</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Číslo zakázky</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Řidič</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Rozteč řádků</translation>
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
        <translation>Žádná data zakázky</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Uložit zprávu jako PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Průměr: %1</translation>
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
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminál %1, sériové číslo %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>První kontakt s tímto terminálem. Heslo zadejte pouze tehdy, pokud jde o váš terminál.</translation>
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
        <translation>Vybrat soubor</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Zákazníci</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Řidič</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Bez oprávnění</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Certifikát terminálu se změnil</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Terminál %1 (sériové číslo %2) se prokazuje jiným certifikátem než dosud.

Dosud:
%3

Nyní:
%4

To je v pořádku pouze tehdy, pokud byl terminál vyměněn. Důvěřovat novému certifikátu a přihlásit se?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>Terminál odeslal neplatnou zprávu. Spojení bylo přerušeno.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Bez oprávnění</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>Soubor byl úspěšně importován.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>Při importu došlo k chybě</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>Přijatý soubor nemá platný název a nebyl uložen.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>Soubor %1 nelze přečíst a nebyl odeslán.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>Přijatý soubor %1 nelze uložit do složky %2: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Terminál %1 se prokazuje jiným certifikátem než dříve.

Dříve:
%2

Nyní:
%3

To je správné pouze v případě, že byl terminál vyměněn. Důvěřovat novému certifikátu a přihlásit se?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>Terminál %1 odeslal neplatné sériové číslo. Přihlášení bylo přerušeno.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Soubor:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Motohodiny motoru</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Motohodiny vyorávače</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Stažené soubory</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Trasa</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Spotřeba</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Spotřeba [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Spotřeba/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Spotřeba/km</translation>
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
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Sklizená plocha</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Silnice</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Chcete zavřít aplikaci?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Uložit zprávu jako PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Žádná data pro zprávu</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Zpráva za sezónu</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Přehled trasy</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Zobrazení: Přehled trasy</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Jízda naprázdno</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Sklizeň</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Přejezd</translation>
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
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Smazat vše</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Opravdu smazat vše?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archiv</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Přehled spotřeby</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Zobrazení: Přehled spotřeby</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Trasa</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Spotřeba</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Spotřeba [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Spotřeba/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Spotřeba/km</translation>
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
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Možnosti stažení:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Zakázky</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Zákazníci</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Řidič</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistika sezóny</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistika stroje</translation>
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
        <translation>Ano</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Ne</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Rozdělení času</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Zobrazení: Rozdělení času</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Číslo zakázky</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Řidič</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Rozteč řádků</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Ostatní čas</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Čas vykládky</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Čas sklizně</translation>
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
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Seznam dostupných terminálů:
(identifikace podle čísla podvozku)</translation>
    </message>
</context>
</TS>
