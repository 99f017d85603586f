<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Rodzaj wiersza</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Numer rozliczenia</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Numer klienta</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Numer pola</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Numer zlecenia</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Powierzchnia</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Czas na drodze</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Kwota za powierzchnię</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Kwota za drogę</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Kwota ryczałtu</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Brutto</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zlecenie</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Suma</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Podstawa rozliczenia</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>NIP UE: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Okres</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Numer klienta</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Cena za hektar</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Cena za godzinę na drodze</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Ryczałt za zlecenie</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>Stawka VAT</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zlecenie</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Powierzchnia</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Droga</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Ryczałt</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Kwota</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>VAT %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Brutto</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Dane bankowe: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Podstawy rozliczeń</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(bez operatora)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Zlecenia</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Czas na polu</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Czas kopania</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Czas rozładunku</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Czas na drodze</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Godziny na polu</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Godziny kopania</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Godziny rozładunku</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Godziny na drodze</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Godziny operatorów</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Zlecenie liczy się w dniu jego rozpoczęcia. Dni: dni, w których rozpoczęły się zlecenia operatora; wiersz Suma zlicza łącznie dni wszystkich operatorów.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Nośnik danych jest pełny.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Nośnik danych jest zabezpieczony przed zapisem.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Brak uprawnień do zapisu w tym folderze.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>Brak folderu lub w jego miejscu znajduje się plik.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>Nazwa pliku jest za długa.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Nieznany błąd podczas zapisu.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Pod tą nazwą znajduje się odnośnik lub folder, a nie zwykły plik.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>Nie można zapisać folderu %1: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numer zlecenia</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Powierzchnia</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Droga</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Czas kopania</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Czas rozładunku</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Łącznie</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Zużycie</translation>
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
        <translation>Raport zlecenia</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zlecenie</translation>
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
        <translation>Numer zlecenia</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Rozstaw rzędów</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Powierzchnia</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Dodatkowe info</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Przegląd</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Wskaźnik</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Średnia wszystkich zleceń</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h kopanie</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha na pusto</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha kopanie</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha łącznie</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Zbiorniki/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Zużycie</translation>
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
        <translation>Droga</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Dystans</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Zużycie na godzinę</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Zużycie na hektar</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Zużycie na kilometr</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Podział dystansu</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Jazda na pusto</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Kopanie</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Dojazd</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Podział czasu</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Pozostały czas</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Czas rozładunku</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Czas kopania</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Porównanie ze średnią</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Zlecenie lepsze</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Zlecenie gorsze</translation>
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
        <translation>Wyszukiwanie: „%1”</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Okres: od %1 do %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Zlecenia</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Zlecenia</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>Wartości l/ha i ha/h w wierszu Suma są ilorazami sum dla zleceń z podaną powierzchnią.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Liczba zleceń: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>Plik znajduje się tutaj:
%1

Dołącz go do tej wiadomości e-mail.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Zapisano:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>Nie znaleziono programu do otwarcia %1.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>Nie znaleziono programu pocztowego.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>W załączniku: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>Plik %1 nie został wydrukowany: drukarka „%2” zgłasza błąd. Sprawdź drukarkę.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Wydrukowano %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Sezon</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Raport sezonu</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Powierzchnia zbioru</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Godziny pracy silnika</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Godziny pracy kombajnu</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Droga</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Dystans</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Zużycie</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Zużycie na godzinę</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Zużycie na hektar</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Zużycie na kilometr</translation>
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
        <translation>Suma</translation>
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
        <translation>ROZLICZENIA</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Ceny</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Nagłówek</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Cena za hektar:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Cena za godzinę na drodze:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Ryczałt za zlecenie:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>Stawka VAT:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Własne ceny poszczególnych klientów; puste pole oznacza cenę podaną wyżej.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Dodaj klienta</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>NIP UE:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Dane bankowe:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Wybierz logo</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Usuń logo</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Numer klienta</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>za hektar</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>za godzinę na drodze</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>za zlecenie</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>VAT %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Sprawdź wartości w czerwonej ramce: ceny bez znaku, z najwyżej dwoma miejscami po przecinku, stawka VAT od 0 do 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Usuń klienta</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>Nie można odczytać ustawień rozliczeń: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Nie można odczytać ustawień rozliczeń z archiwum %1: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Wpisz numer klienta przy każdym kliencie z własnymi cenami.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>Klient %1 występuje na liście dwa razy. Usuń jeden z tych dwóch wierszy.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>Archiwum nie jest jeszcze gotowe.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>Nie można zapisać ustawień rozliczeń: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>Nie można zapisać ustawień rozliczeń w archiwum %1: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Zapisano w archiwum %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>Obraz %1 nie może posłużyć jako logo: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>brak logo</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logo nieczytelne</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Obrazy (%1)</translation>
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
        <translation>ARCHIWUM</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Używaj serwera archiwum (PostgreSQL)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serwer:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>Baza danych:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Bez serwera archiwum listy trafiają do archiwum na tym urządzeniu. Gdy serwer jest nieosiągalny, przyjmuje je archiwum na tym urządzeniu, a na serwer trafiają, gdy tylko znów odpowie.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Wpisz serwer archiwum: jego nazwę lub adres.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Wpisz jako port liczbę od 1 do 65535 (zwykle 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Wpisz bazę danych archiwum na serwerze.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Archiwum: jeszcze nie otwarte</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Archiwum: serwer %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Archiwum: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Listy czekające na dodanie do archiwum: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Wszystkie listy są w archiwum.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Zastosowano: od teraz listy trafiają na serwer %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Zastosowano: od teraz listy trafiają do archiwum na tym urządzeniu.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Zlecenia</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Klienci</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Pola</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Do pliku</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>Nie można odczytać archiwum %1: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Wszystkie maszyny</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Wszystkie kampanie</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>bez maszyny</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archiwum</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>Nie można utworzyć folderu.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>Odebranego pliku %1 nie udało się umieścić w folderze %2 dla archiwum: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Plik %1 w folderze archiwum jest nieczytelny; zostaje zachowany pod nazwą %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Dopóki serwer archiwum jest nieosiągalny, odebrane listy trafiają do lokalnego archiwum %1; potem zostaną przesłane na serwer.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>Odebrane listy czekają w folderze %1 i zostaną przejęte później.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>Archiwum %1 jest uszkodzone: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>Archiwum %1 jest zablokowane przez inny program: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>Nie można zapisać archiwum %1, nośnik danych jest pełny: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>Nie można otworzyć archiwum %1: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>Archiwum %1 jest uszkodzone (%2) i nie można go przenieść do %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>Archiwum %1 było uszkodzone (%2). Zostało przeniesione do %3 i utworzono nowe archiwum.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>Archiwum %1 pochodzi z nowszej wersji programu (wersja %2, ten program obsługuje wersje do %3) i pozostaje niezmienione.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>Plik %1 nie został dodany do archiwum: jego nazwa nie odpowiada żadnej znanej liście.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>Plik %1 nie został dodany do archiwum.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Wszyscy klienci</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Klient: %1</translation>
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
        <translation>Numer operatora:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Nazwisko operatora 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Nazwisko operatora 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Ulica:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>Kod pocztowy:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Miejscowość:</translation>
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
        <translation>Pole dowolne:</translation>
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
        <translation>Połączenie z terminalem:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Dostępne maszyny</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Które dane przetworzyć?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Pokaż listę</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Folder źródłowy</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>Adres e-mail (Do-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Pozostaw puste dla indywidualnych odbiorców</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>Ustawienia transmisji LIVE</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Czas odświeżania</translation>
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
        <translation>Zestawy danych</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Dane podstawowe</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Jeśli masz problemy z korzystaniem
z aplikacji, skontaktuj się z nami.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Wpisz adres e-mail</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>Bieżące połączenie</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Żaden terminal nie odpowiedział. Sprawdź połączenie Wi-Fi z terminalem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Musisz wybrać folder źródłowy.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>Zmiana zacznie działać po ponownym uruchomieniu aplikacji.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archiwum</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Rozliczenia</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Porównanie graficzne</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Widok: Porównanie graficzne</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zlecenie</translation>
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
        <translation>m/ha na pusto</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Kopanie</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Łącznie</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Zbiorniki/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Dane z kopania zawsze pod ręką</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Sortuj według:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Nazwa klienta</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numer zlecenia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Numer operatora</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Numer klienta</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Pobrane pliki</translation>
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
        <translation>Suma</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Zlecenia</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Zlecenia</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Pola</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Pola</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Klienci</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statystyka sezonu</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statystyka maszyny</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Czy na pewno usunąć ten wpis?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Otwórz listę</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Listy (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Brak pliku</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Tabela (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Raport (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>Lista nie zawiera zleceń.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (program do ewidencji pól)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Podstawa rozliczenia (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Podstawa rozliczenia (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Godziny operatorów (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Godziny operatorów (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Nie można odczytać cen z archiwum %1: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>Lista nie zawiera zleceń z klientem i datą rozpoczęcia.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Podstawa rozliczenia</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Godziny operatorów</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Przegląd główny</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Widok: Przegląd główny</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Zlecenie</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Średnia</translation>
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
        <translation>Kopanie</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha na pusto</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Łącznie</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Zbiorniki/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Dodatkowe info</translation>
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
        <translation>Wersja aplikacji:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>Nie można otworzyć pliku %1: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Numer klienta</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Nazwa klienta</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Kod pocztowy</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Miejscowość</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Powierzchnia</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Odległość</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Numer operatora</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Nazwisko operatora</translation>
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
        <translation>Klient:</translation>
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
        <translation>h kopania</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h rozładunku</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha kopanie</translation>
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
        <translation>na pusto</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numer zlecenia</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Rozstaw rzędów</translation>
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
        <translation>Brak danych zlecenia</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Zapisz raport jako PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Średnia: %1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminal %1, numer seryjny %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Pierwszy kontakt z tym terminalem. Wprowadź hasło tylko wtedy, gdy jest to Twój terminal.</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Wybierz plik</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Pola</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Pola</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Klienci</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Brak uprawnień</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Certyfikat terminala został zmieniony</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Terminal %1 (numer seryjny %2) przedstawia inny certyfikat niż dotychczas.

Dotychczas:
%3

Teraz:
%4

Jest to prawidłowe tylko wtedy, gdy terminal został wymieniony. Zaufać nowemu certyfikatowi i zalogować się?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>Terminal wysłał nieprawidłową wiadomość. Połączenie zostało przerwane.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Brak uprawnień</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>Plik został pomyślnie zaimportowany.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>Podczas importu wystąpił błąd</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>Odebrany plik nie ma prawidłowej nazwy i nie został zapisany.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>Nie można odczytać pliku %1, więc nie został wysłany.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>Nie można zapisać odebranego pliku %1 w folderze %2: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Terminal %1 przedstawia się innym certyfikatem niż dotychczas.

Dotychczas:
%2

Teraz:
%3

Jest to prawidłowe tylko wtedy, gdy terminal został wymieniony. Zaufać nowemu certyfikatowi i zalogować się?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>Terminal %1 wysłał nieprawidłowy numer seryjny. Logowanie zostało przerwane.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Godziny pracy silnika</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Godziny pracy kombajnu</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Pobrane pliki</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Dystans</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Zużycie</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Zużycie [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Zużycie/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Zużycie/km</translation>
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
        <translation>Suma</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Powierzchnia zbioru</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Droga</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Czy zamknąć aplikację?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Zapisz raport jako PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Brak danych do raportu</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Raport sezonu</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Przegląd przejazdów</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Widok: Przegląd przejazdów</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Jazda na pusto</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Kopanie</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Dojazd</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Na pewno usunąć wszystko?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archiwum</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Przegląd zużycia</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Widok: Przegląd zużycia</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Dystans</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Zużycie</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Zużycie [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Zużycie/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Zużycie/km</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Opcje pobierania:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Zlecenia</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Klienci</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Pola</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statystyka sezonu</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statystyka maszyny</translation>
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
        <translation>Tak</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Podział czasu</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Widok: Podział czasu</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numer zlecenia</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Rozstaw rzędów</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Pozostały czas</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Czas rozładunku</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Czas kopania</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Lista dostępnych terminali:
(rozpoznawane po numerze podwozia)</translation>
    </message>
</context>
</TS>
