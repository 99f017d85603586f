<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Tipo di riga</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Numero fatturazione</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Numero cliente</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Numero appezzamento</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Appezzamento</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Numero ordine</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Tempo strada</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Importo superficie</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Importo strada</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Importo forfait</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Lordo</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totali</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Base di fatturazione</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>P. IVA: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Numero cliente</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Prezzo per ettaro</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Prezzo per ora su strada</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Forfait per ordine</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>Aliquota IVA</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Appezzamento</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Strada</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Forfait</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>IVA %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Lordo</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Coordinate bancarie: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Basi di fatturazione</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(senza operatore)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Ordini</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Tempo campo</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tempo raccolta</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tempo scarico</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Tempo strada</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Ore campo</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Ore raccolta</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Ore scarico</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Ore strada</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Ore operatori</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Un ordine conta nel giorno in cui inizia. Giorni: i giorni in cui sono iniziati ordini dell'operatore; la riga Totali somma i giorni di tutti gli operatori.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Il supporto di memoria è pieno.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Il supporto di memoria è protetto da scrittura.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Nessuna autorizzazione a scrivere in questa cartella.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>La cartella manca, oppure al suo posto c'è un file.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>Il nome del file è troppo lungo.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Errore sconosciuto durante la scrittura.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>Impossibile salvare il file %1: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Con questo nome c'è un collegamento o una cartella, non un file normale.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>Impossibile scrivere la cartella %1: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numero ordine</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Appezzamento</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Strada</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tempo raccolta</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tempo scarico</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumo</translation>
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
        <translation>Rapporto ordine</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Ordine</translation>
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
        <translation>Numero ordine</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Appezzamento</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Interfila</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Info aggiuntive</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Panoramica</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Indicatore</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Media di tutti gli ordini</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h raccolta</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha a vuoto</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha raccolta</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha totale</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunker/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Strada</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Consumo per ora</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Consumo per ettaro</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Consumo per chilometro</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Ripartizione percorsi</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Percorso a vuoto</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Raccolta</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Trasferimento</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Ripartizione tempi</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Altro tempo</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tempo scarico</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tempo raccolta</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Confronto con la media</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Ordine migliore</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Ordine peggiore</translation>
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
        <translation>Ricerca: «%1»</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Periodo: dal %1 al %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Ordini</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Ordini</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>I valori l/ha e ha/h della riga Totali sono rapporti tra le somme degli ordini con superficie.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Numero di ordini: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>Il file si trova qui:
%1

Allegarlo a questa e-mail.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Salvato:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>Nessun programma trovato per aprire %1.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>Nessun programma di posta elettronica trovato.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>In allegato: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>%1 non è stato stampato: la stampante «%2» segnala un errore. Verificare la stampante.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Stampato il %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Stagione</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Rapporto stagionale</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Superficie raccolta</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Ore motore</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Ore di raccolta</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Strada</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Consumo per ora</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Consumo per ettaro</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Consumo per chilometro</translation>
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
        <translation>Totali</translation>
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
        <translation>FATTURAZIONE</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Prezzi</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Intestazione</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Prezzo per ettaro:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Prezzo per ora su strada:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Forfait per ordine:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>Aliquota IVA:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Prezzi propri di singoli clienti; un campo vuoto usa il prezzo indicato sopra.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Aggiungi cliente</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>P. IVA:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Coordinate bancarie:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Seleziona logo</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Rimuovi logo</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Numero cliente</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>per ettaro</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>per ora su strada</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>per ordine</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>IVA %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Verificare i valori bordati di rosso: prezzi senza segno con al massimo due decimali, IVA da 0 a 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Rimuovi cliente</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>Impossibile leggere le impostazioni di fatturazione: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Impossibile leggere le impostazioni di fatturazione dall'archivio %1: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Inserire il numero cliente per ogni cliente con prezzi propri.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>Il cliente %1 compare due volte nell'elenco. Rimuovere una delle due righe.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>L'archivio non è ancora pronto.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>Impossibile salvare le impostazioni di fatturazione: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>Impossibile salvare le impostazioni di fatturazione nell'archivio %1: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Salvato nell'archivio %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>L'immagine %1 non può servire da logo: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>nessun logo</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logo illeggibile</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Immagini (%1)</translation>
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
        <translation>ARCHIVIO</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Usa il server dell'archivio (PostgreSQL)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Senza server dell'archivio, gli elenchi vanno nell'archivio su questo dispositivo. Se il server non è raggiungibile, li accoglie l'archivio su questo dispositivo e passano al server appena risponde di nuovo.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Inserire il server dell'archivio: il suo nome o indirizzo.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Inserire come porta un numero da 1 a 65535 (di solito 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Inserire il database dell'archivio sul server.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Archivio: non ancora aperto</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Archivio: server %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Archivio: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Elenchi in attesa di essere aggiunti all'archivio: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Tutti gli elenchi sono nell'archivio.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Applicato: d'ora in poi gli elenchi vanno al server %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Applicato: d'ora in poi gli elenchi vanno nell'archivio su questo dispositivo.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Ordini</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clienti</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Appezzamenti</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Torna al file</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>Impossibile leggere l'archivio %1: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Tutte le macchine</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Tutte le campagne</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>senza macchina</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archivio</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>Impossibile creare la cartella.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>Il file ricevuto %1 non è stato possibile depositarlo nella cartella %2 per l'archivio: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Il file %1 nella cartella dell'archivio è illeggibile; viene conservato con il nome %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Finché il server dell'archivio non è raggiungibile, gli elenchi ricevuti vanno nell'archivio locale %1; poi vengono trasferiti al server.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>Gli elenchi ricevuti attendono nella cartella %1 e verranno acquisiti più tardi.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>L'archivio %1 è danneggiato: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>L'archivio %1 è bloccato da un altro programma: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>Impossibile scrivere nell'archivio %1, il supporto di memoria è pieno: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>Impossibile aprire l'archivio %1: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>L'archivio %1 è danneggiato (%2) e non può essere spostato in %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>L'archivio %1 era danneggiato (%2). È stato spostato in %3 ed è stato creato un nuovo archivio.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>L'archivio %1 proviene da una versione più recente del programma (versione %2, questo programma supporta fino alla versione %3) e rimane invariato.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>Il file %1 non è stato aggiunto all'archivio: il suo nome non corrisponde a nessuna lista nota.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>Il file %1 non è stato aggiunto all'archivio.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Tutti i clienti</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Cliente: %1</translation>
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
        <translation>Numero operatore:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Nome operatore 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Nome operatore 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Via:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>CAP:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Località:</translation>
    </message>
    <message>
        <source>Telefon 1:</source>
        <translation>Telefono 1:</translation>
    </message>
    <message>
        <source>Telefon 2:</source>
        <translation>Telefono 2:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>Campo libero:</translation>
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
        <translation>Connessione al terminale:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Veicoli disponibili</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Quali dati elaborare?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Mostra elenco</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Cartella di origine</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>Indirizzo e-mail (A-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Lasciare vuoto per destinatari diversi</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>Impostazioni trasmissione LIVE</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Intervallo di aggiornamento</translation>
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
        <translation>Set di dati</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Dati di base</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>In caso di problemi nell'uso
dell'applicazione, contattateci.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Inserire l'indirizzo e-mail</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>Connesso con</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Nessun terminale ha risposto. Verificare la connessione Wi-Fi con il terminale e riprovare.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Selezionare la cartella di origine.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>La modifica sarà attiva dopo il riavvio dell'applicazione.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archivio</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Fatturazione</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Confronto grafico</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Vista: Confronto grafico</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Ordine</translation>
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
        <translation>m/ha a vuoto</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Raccolta</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Totale</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · I dati di raccolta sempre a portata di mano</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Ordina per:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Nome cliente</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numero ordine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Numero operatore</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Numero cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Appezzamento</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>File scaricati</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Da:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Ordini</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Ordini</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Appezzamenti</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Appezzamenti</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clienti</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistica stagione</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistica macchina</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Eliminare davvero questa voce?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Apri elenco</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Elenchi (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Nessun file disponibile</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Tabella (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Rapporto (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>L'elenco non contiene ordini.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (software di gestione aziendale)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Base di fatturazione (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Base di fatturazione (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Ore operatori (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Ore operatori (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Impossibile leggere i prezzi dall'archivio %1: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>L'elenco non contiene ordini con cliente e data di inizio.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Base di fatturazione</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Ore operatori</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Panoramica principale</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Vista: Panoramica principale</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Media</translation>
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
        <translation>Raccolta</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha a vuoto</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunker/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Info aggiuntive</translation>
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
        <translation>Versione dell'applicazione:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>Impossibile aprire il file %1: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Appezzamento</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Numero cliente</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Nome cliente</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Numero operatore</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Nome operatore</translation>
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
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Appezzamento:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h raccolta</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h scarico</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha raccolta</translation>
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
        <translation>a vuoto</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numero ordine</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Appezzamento</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Interfila</translation>
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
        <translation>Nessun dato dell'ordine</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Salva rapporto come PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Media: %1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminale %1, numero di serie %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Primo contatto con questo terminale. Inserire la password solo se è il proprio terminale.</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Seleziona file</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Appezzamenti</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Appezzamenti</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clienti</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Nessuna autorizzazione</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Certificato del terminale modificato</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Il terminale %1 (numero di serie %2) presenta un certificato diverso da prima.

Prima:
%3

Ora:
%4

Ciò è corretto solo se il terminale è stato sostituito. Considerare attendibile il nuovo certificato e accedere?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>Il terminale ha inviato un messaggio non valido. La connessione è stata interrotta.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Nessuna autorizzazione</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>File importato correttamente.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>Si è verificato un errore durante l'importazione</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>Il file ricevuto non ha un nome valido e non è stato salvato.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>Impossibile leggere il file %1, che non è stato inviato.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>Impossibile salvare il file ricevuto %1 nella cartella %2: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Il terminale %1 si identifica con un certificato diverso da prima.

Prima:
%2

Ora:
%3

Ciò è corretto solo se il terminale è stato sostituito. Fidarsi del nuovo certificato e accedere?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>Il terminale %1 ha inviato un numero di serie non valido. L'accesso è stato interrotto.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Statistica</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Ore motore</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Ore di raccolta</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>File scaricati</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Consumo [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Consumo/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Consumo/km</translation>
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
        <translation>Totali</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Superficie raccolta</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Strada</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Chiudere l'app?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Salva rapporto come PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Nessun dato per un rapporto</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Rapporto stagionale</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Panoramica percorsi</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Vista: Panoramica percorsi</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Percorso a vuoto</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Raccolta</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Trasferimento</translation>
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
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Eliminare davvero tutto?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archivio</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Panoramica consumi</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Vista: Panoramica consumi</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Consumo [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Consumo/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Consumo/km</translation>
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
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Dati scaricabili:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Ordini</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clienti</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Appezzamenti</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistica stagione</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistica macchina</translation>
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
        <translation>Sì</translation>
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
        <translation>Ripartizione tempi</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Vista: Ripartizione tempi</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numero ordine</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Appezzamento</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Interfila</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Altro tempo</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tempo scarico</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tempo raccolta</translation>
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
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Elenco dei terminali disponibili:
(identificati dal numero di telaio)</translation>
    </message>
</context>
</TS>
