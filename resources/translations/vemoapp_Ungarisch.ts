<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Sortípus</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Elszámolás száma</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Vevő száma</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Vevő</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Tábla száma</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Feladat száma</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Terület</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Közúti idő</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Területdíj</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Közúti díj</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Átalánydíj</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Nettó</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>ÁFA</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Bruttó</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Feladat</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Összesítés</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Elszámolási alap</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>Közösségi adószám: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Szám</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Időszak</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Vevő száma</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Ár hektáronként</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Ár közúti óránként</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Átalánydíj feladatonként</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>ÁFA-kulcs</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Feladat</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Terület</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Közút</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Átalánydíj</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Összeg</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Összesítés</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Nettó</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>ÁFA %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Bruttó</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Banki adatok: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Elszámolási alapok</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(gépkezelő nélkül)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Összesítés</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Gépkezelő</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Feladatok</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Napok</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Táblai idő</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Szedési idő</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Ürítési idő</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Közúti idő</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Táblai órák</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Szedési órák</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Ürítési órák</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Közúti órák</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Gépkezelői órák</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Egy feladat a kezdőnapján számít. Napok: azok a napok, amelyeken a gépkezelő feladatai elkezdődtek; az Összesítés sor az összes gépkezelő napjait együtt számolja.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Az adathordozó megtelt.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Az adathordozó írásvédett.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Nincs jogosultság az írásra ebbe a mappába.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>A mappa hiányzik, vagy a helyén egy fájl található.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>A fájlnév túl hosszú.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Ismeretlen hiba írás közben.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>A(z) %1 fájlt nem sikerült menteni: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Ezen a néven egy hivatkozás vagy egy mappa található, nem közönséges fájl.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>A(z) %1 mappa nem írható: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Összesítés</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Feladat száma</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Vevő</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Gépkezelő</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Kezdés</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Terület</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Közút</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Szedési idő</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Ürítési idő</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Összesen</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Fogyasztás</translation>
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
        <translation>Feladatjelentés</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Feladat</translation>
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
        <translation>Feladat száma</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Vevő</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Gépkezelő</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Kezdés</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Sortávolság</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Terület</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>További infó</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Áttekintés</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Mutató</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Összes feladat átlaga</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h szedés</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha üresen</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha szedés</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha összesen</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Tartály/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Fogyasztás</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Közút</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Megtett út</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Óránkénti fogyasztás</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Hektáronkénti fogyasztás</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Kilométerenkénti fogyasztás</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Útmegoszlás</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Üres menet</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Szedés</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Közúti menet</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Időmegoszlás</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Egyéb idő</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Ürítési idő</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Szedési idő</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Összehasonlítás az átlaggal</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Feladat jobb</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Átlag</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Feladat rosszabb</translation>
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
        <translation>Keresés: „%1”</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Időszak: %1 – %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Feladatok</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Feladatok</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>Az Összesítés sor l/ha és ha/h értékei a területtel rendelkező feladatok összegeinek hányadosai.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Feladatok száma: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Vissza</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>A fájl itt található:
%1

Kérjük, csatolja ehhez az e-mailhez.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Mentve:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>Nem található program a(z) %1 megnyitásához.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>Nem található levelezőprogram.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>Mellékelve: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>A(z) %1 fájl nem lett kinyomtatva: a(z) „%2” nyomtató hibát jelez. Ellenőrizze a nyomtatót.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Nyomtatva: %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>%1. oldal / %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Szezon</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Szezonjelentés</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Betakarított terület</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Motor üzemóra</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Kombájn üzemóra</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Közút</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Megtett út</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Fogyasztás</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Óránkénti fogyasztás</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Hektáronkénti fogyasztás</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Kilométerenkénti fogyasztás</translation>
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
        <translation>Összesítés</translation>
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
        <translation>ELSZÁMOLÁS</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Árak</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Fejléc</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Ár hektáronként:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Ár közúti óránként:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Átalánydíj feladatonként:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>ÁFA-kulcs:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Egyes vevők saját árai; üres mező esetén a fenti ár érvényes.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Vevő hozzáadása</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Név:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Cím:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>Közösségi adószám:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Banki adatok:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logó:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Logó kiválasztása</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Logó eltávolítása</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Vevő száma</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>hektáronként</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>közúti óránként</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>feladatonként</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>ÁFA %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Ellenőrizze a pirossal keretezett értékeket: árak előjel nélkül, legfeljebb két tizedesjeggyel, az ÁFA-kulcs 0 és 100 % között.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Szám</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Vevő eltávolítása</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>Az elszámolási beállítások nem olvashatók: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Az elszámolási beállítások nem olvashatók a(z) %1 archívumból: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Adja meg a vevő számát minden saját árral rendelkező vevőnél.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>A(z) %1 vevő kétszer szerepel a listában. Távolítsa el a két sor egyikét.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>Az archívum még nem áll készen.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>Az elszámolási beállítások nem menthetők: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>Az elszámolási beállítások nem menthetők a(z) %1 archívumba: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Mentve a(z) %1 archívumba.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>A(z) %1 kép nem használható logóként: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>nincs logó</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>A logó nem olvasható</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Képek (%1)</translation>
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
        <translation>ARCHÍVUM</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Archívumszerver (PostgreSQL) használata</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Szerver:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>Adatbázis:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Felhasználó:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Archívumszerver nélkül a listák az ezen az eszközön lévő archívumba kerülnek. Ha a szerver nem érhető el, az eszközön lévő archívum fogadja őket, és a szerverre kerülnek, amint az újra válaszol.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Adja meg az archívumszervert: a nevét vagy a címét.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Portként adjon meg egy számot 1 és 65535 között (általában 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Adja meg az archívum adatbázisát a szerveren.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Archívum: még nincs megnyitva</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Archívum: szerver %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Archívum: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Archívumba kerülésre váró listák: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Minden lista az archívumban van.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Alkalmazva: a listák mostantól a(z) %1 szerverre kerülnek.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Alkalmazva: a listák mostantól az ezen az eszközön lévő archívumba kerülnek.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Feladatok</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Vevők</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Táblák</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Gépkezelő</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Vissza a fájlhoz</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>A(z) %1 archívum nem olvasható: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>ismeretlen hiba</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Minden gép</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Minden kampány</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>gép nélkül</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archívum</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>A mappa nem hozható létre.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>A fogadott %1 fájlt nem sikerült az archívum %2 mappájába helyezni: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Az archívum mappájában lévő %1 fájl olvashatatlan; %2 néven megmarad.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Amíg az archívumszerver nem érhető el, a fogadott listák a(z) %1 helyi archívumba kerülnek; ezután átkerülnek a szerverre.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>A fogadott listák a(z) %1 mappában várakoznak, és később kerülnek át.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>A(z) %1 archívum sérült: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>A(z) %1 archívumot egy másik program zárolja: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>A(z) %1 archívum nem írható, az adathordozó megtelt: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>A(z) %1 archívum nem nyitható meg: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>A(z) %1 archívum sérült (%2), és nem helyezhető át ide: %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>A(z) %1 archívum sérült volt (%2), ezért át lett helyezve ide: %3. Létrejött egy új archívum.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>A(z) %1 archívum egy újabb programverzióból származik (verzió: %2, ez a program legfeljebb a(z) %3 verziót ismeri), ezért változatlan marad.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>A(z) %1 fájl nem került be az archívumba: a neve egyetlen ismert listára sem utal.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>A(z) %1 fájl nem került be az archívumba.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Minden vevő</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Vevő: %1</translation>
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
        <translation>Gépkezelő száma:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Gépkezelő neve 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Gépkezelő neve 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Utca:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>Irányítószám:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Település:</translation>
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
        <translation>Szabad mező:</translation>
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
        <translation>Kapcsolat a terminállal:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Elérhető gépek</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Mely adatokat dolgozzuk fel?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Lista megjelenítése</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Forrásmappa</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Nyelv:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>E-mail cím (Címzett-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Hagyja üresen egyedi címzettekhez</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>LIVE átvitel beállításai</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Frissítési idő</translation>
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
        <translation>Adatkészletek</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Alapadatok</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Ha problémája van az alkalmazás
használatával, kérjük, lépjen kapcsolatba velünk.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Adja meg az e-mail címet</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Bontás</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>Aktuális kapcsolat</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Egyetlen terminál sem válaszolt. Ellenőrizze a Wi-Fi-kapcsolatot a terminállal, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Ki kell választania a forrásmappát.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>A módosítás az alkalmazás újraindítása után lép életbe.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archívum</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Elszámolás</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Grafikus összehasonlítás</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Nézet: Grafikus összehasonlítás</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Átlag</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Feladat</translation>
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
        <translation>m/ha üresen</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Szedés</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Összesen</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Tartály/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Szedési adatai mindig kéznél</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fájl:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Rendezés:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Vevő neve</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Feladat száma</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Gépkezelő száma</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Vevő száma</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Vevő</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Letöltött fájlok</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Ettől:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Eddig:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Összesítés</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Feladatok</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Feladatok</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Táblák</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Tablak</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Gépkezelő</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Vevők</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Szezon statisztika</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Gép statisztika</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Valóban törölni szeretné a bejegyzést?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Lista megnyitása</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Listák (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Nincs elérhető fájl</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exportálás</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Táblázat (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Jelentés (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>A lista nem tartalmaz feladatot.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (gazdálkodási szoftver)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Elszámolási alap (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Elszámolási alap (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Gépkezelői órák (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Gépkezelői órák (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Az árak nem olvashatók a(z) %1 archívumból: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>A lista nem tartalmaz vevővel és kezdési dátummal rendelkező feladatot.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Elszámolási alap</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Gépkezelői órák</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Fő áttekintés</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Nézet: Fő áttekintés</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Feladat</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Átlag</translation>
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
        <translation>Szedés</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha üresen</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Összesen</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Tartály/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>További infó</translation>
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
        <translation>INFÓ</translation>
    </message>
    <message>
        <source>Version der Anwendung:</source>
        <translation>Alkalmazás verziója:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>A(z) %1 fájl nem nyitható meg: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Vevő</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Vevő száma</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Vevő neve</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Utca</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Irányítószám</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Település</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Terület</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Távolság</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Gépkezelő száma</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Gépkezelő neve</translation>
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
        <translation>Vevő:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Tábla:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h szedés</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h ürítés</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha szedés</translation>
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
        <translation>üresen</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Feladat száma</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Vevő</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Gépkezelő</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Kezdés</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Sortávolság</translation>
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
        <translation>Nincsenek feladatadatok</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Jelentés mentése PDF-ként</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Átlag: %1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszéd</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>%1 terminál, sorozatszám: %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Első kapcsolat ezzel a terminállal. Csak akkor adja meg a jelszót, ha ez az Ön terminálja.</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>Párbeszéd</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Fájl kiválasztása</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Táblák</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Tablak</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Vevők</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Gépkezelő</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Nincs jogosultság</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>A terminál tanúsítványa megváltozott</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>A(z) %1 terminál (sorozatszám: %2) más tanúsítványt mutat fel, mint korábban.

Korábban:
%3

Most:
%4

Ez csak akkor rendben van, ha a terminált kicserélték. Megbízik az új tanúsítványban, és bejelentkezik?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>A terminál érvénytelen üzenetet küldött. A kapcsolat megszakadt.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Nincs jogosultság</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>A fájl importálása sikerült.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>Hiba történt az importálás során</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>A fogadott fájl neve érvénytelen, ezért nem lett mentve.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>A(z) %1 fájl nem olvasható, ezért nem lett elküldve.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>A fogadott %1 fájlt nem sikerült menteni a(z) %2 mappába: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>A(z) %1 terminál más tanúsítvánnyal azonosítja magát, mint korábban.

Korábban:
%2

Most:
%3

Ez csak akkor helyes, ha a terminált kicserélték. Megbízik az új tanúsítványban, és bejelentkezik?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>A(z) %1 terminál érvénytelen sorozatszámot küldött. A bejelentkezés megszakadt.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Statisztika</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Nézet</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fájl:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Motor üzemóra</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Kombájn üzemóra</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Letöltött fájlok</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Megtett út</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Fogyasztás</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Fogyasztás [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Fogyasztás/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Fogyasztás/km</translation>
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
        <translation>Összesítés</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Betakarított terület</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Közút</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Bezárja az alkalmazást?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Jelentés mentése PDF-ként</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Nincs adat a jelentéshez</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Szezonjelentés</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Távolságok áttekintése</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Nézet: Távolságok áttekintése</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Üres menet</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Szedés</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Közúti menet</translation>
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
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Összes törlése</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Valóban mindent töröl?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archívum</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Fogyasztás áttekintése</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Nézet: Fogyasztás áttekintése</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Megtett út</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Fogyasztás</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Fogyasztás [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Fogyasztás/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Fogyasztás/km</translation>
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
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Letöltési lehetőségek:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Feladatok</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Vevők</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Táblák</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Gépkezelő</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Szezon statisztika</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Gép statisztika</translation>
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
        <translation>Igen</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nem</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Időmegoszlás</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Nézet: Időmegoszlás</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Feladat száma</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Vevő</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Gépkezelő</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Kezdés</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Sortávolság</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Egyéb idő</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Ürítési idő</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Szedési idő</translation>
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
        <translation>Űrlap</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Elérhető terminálok listája:
(azonosítás alvázszám alapján)</translation>
    </message>
</context>
</TS>
