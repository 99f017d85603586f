<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Type de ligne</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Numéro de relevé</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Numéro du client</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Numéro de parcelle</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcelle</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Numéro de contrat</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Temps sur route</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Montant surface</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Montant route</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Montant forfait</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Montant HT</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Montant TTC</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Contrat</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totaux</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Relevé de facturation</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>N° TVA : %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Numéro du client</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Prix par hectare</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Prix par heure de route</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Forfait par contrat</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>Taux de TVA</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcelle</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Contrat</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Forfait</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Montant HT</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>TVA %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Montant TTC</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Coordonnées bancaires : %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Relevés de facturation</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(sans chauffeur)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Temps au champ</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Temps d'arrachage</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Temps de déchargement</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Temps sur route</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Heures au champ</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Heures d'arrachage</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Heures de déchargement</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Heures sur route</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Heures des chauffeurs</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Un contrat compte le jour de son début. Jours : les jours où des contrats du chauffeur ont commencé ; la ligne Totaux additionne les jours de tous les chauffeurs.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Le support de stockage est plein.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Le support de stockage est protégé en écriture.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Pas d'autorisation d'écrire dans ce dossier.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>Le dossier est absent, ou un fichier se trouve à sa place.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>Le nom de fichier est trop long.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Erreur inconnue lors de l'écriture.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>Le fichier %1 n'a pas pu être enregistré : %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Un lien ou un dossier porte ce nom, pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>Le dossier %1 n'a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numéro de contrat</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcelle</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Temps d'arrachage</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Temps de déchargement</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consommation</translation>
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
        <translation>Rapport de contrat</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Contrat</translation>
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
        <translation>Numéro de contrat</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcelle</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Inter-rang</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Info complémentaire</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Vue d'ensemble</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Indicateur</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Moyenne de tous les contrats</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h arrachage</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha à vide</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha arrachage</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha total</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Trémies/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consommation</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Consommation par heure</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Consommation par hectare</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Consommation par kilomètre</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Répartition des distances</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Trajet à vide</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Arrachage</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Trajet routier</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Répartition du temps</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Autre temps</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Temps de déchargement</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Temps d'arrachage</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Comparaison avec la moyenne</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Contrat meilleur</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Contrat moins bon</translation>
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
        <translation>Recherche: « %1 »</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Période: du %1 au %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>Les valeurs l/ha et ha/h de la ligne Totaux sont les rapports des sommes sur les contrats avec surface.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Nombre de contrats: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>Le fichier se trouve ici:
%1

Veuillez le joindre à cet e-mail.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Enregistré:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>Aucun programme trouvé pour ouvrir %1.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>Aucun programme de messagerie trouvé.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>En pièce jointe : %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>Le fichier %1 n'a pas été imprimé : l'imprimante « %2 » signale une erreur. Veuillez vérifier l'imprimante.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Rapport de saison</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Surface arrachée</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Heures moteur</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Heures arracheuse</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Route</translation>
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
        <translation>Temps</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consommation</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Consommation par heure</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Consommation par hectare</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Consommation par kilomètre</translation>
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
        <translation>Totaux</translation>
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
        <translation>FACTURATION</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Prix par hectare:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Prix par heure de route:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Forfait par contrat:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>Taux de TVA:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Prix propres à certains clients ; un champ vide reprend le prix ci-dessus.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Ajouter un client</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>N° TVA:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Coordonnées bancaires:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Choisir un logo</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Retirer le logo</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Numéro du client</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>par hectare</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>par heure de route</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>par contrat</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>TVA %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Veuillez vérifier les valeurs encadrées en rouge : prix sans signe avec au plus deux décimales, TVA de 0 à 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Retirer le client</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>Impossible de lire les paramètres de facturation : %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Impossible de lire les paramètres de facturation dans l'archive %1 : %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Veuillez saisir le numéro du client pour chaque client ayant ses propres prix.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>Le client %1 figure deux fois dans la liste. Veuillez supprimer l'une des deux lignes.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>L'archive n'est pas encore prête.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>Impossible d'enregistrer les paramètres de facturation : %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>Impossible d'enregistrer les paramètres de facturation dans l'archive %1 : %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Enregistré dans l'archive %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>L'image %1 ne peut pas servir de logo : %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>aucun logo</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logo illisible</translation>
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
        <translation>Utiliser un serveur d'archive (PostgreSQL)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>Base de données:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Utilisateur:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Mot de passe:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Sans serveur d'archive, les listes vont dans l'archive de cet appareil. Si le serveur est injoignable, l'archive de cet appareil les accueille, et elles partent sur le serveur dès qu'il répond à nouveau.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Veuillez saisir le serveur d'archive : son nom ou son adresse.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Veuillez saisir comme port un nombre de 1 à 65535 (généralement 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Veuillez saisir la base de données de l'archive sur le serveur.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Archive : pas encore ouverte</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Archive : serveur %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Archive : %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Listes en attente d'ajout à l'archive : %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Toutes les listes sont dans l'archive.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Appliqué : désormais, les listes vont sur le serveur %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Appliqué : désormais, les listes vont dans l'archive de cet appareil.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Parcelles</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Retour au fichier</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>Impossible de lire l'archive %1 : %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Toutes les machines</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Toutes les campagnes</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>sans machine</translation>
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
        <translation>Impossible de créer le dossier.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>Le fichier reçu %1 n'a pas pu être déposé dans le dossier %2 pour l'archive : %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Le fichier %1 du dossier de l'archive est illisible ; il est conservé sous le nom %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Tant que le serveur d'archive est injoignable, les listes reçues vont dans l'archive locale %1 ; elles seront ensuite transférées sur le serveur.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>Les listes reçues attendent dans le dossier %1 et seront reprises plus tard.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>L'archive %1 est endommagée : %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>L'archive %1 est verrouillée par un autre programme : %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>Impossible d'écrire dans l'archive %1, le support de stockage est plein : %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>Impossible d'ouvrir l'archive %1 : %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>L'archive %1 est endommagée (%2) et ne peut pas être déplacée vers %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>L'archive %1 était endommagée (%2). Elle a été déplacée vers %3 et une nouvelle archive a été créée.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>L'archive %1 provient d'une version plus récente du programme (version %2, ce programme connaît jusqu'à la version %3) et reste inchangée.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>Le fichier %1 n'a pas été ajouté à l'archive : son nom ne correspond à aucune liste connue.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>Le fichier %1 n'a pas été ajouté à l'archive.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Tous les clients</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Client : %1</translation>
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
        <translation>Numéro du chauffeur:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Nom du chauffeur 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Nom du chauffeur 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Rue:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>Code postal:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Ville:</translation>
    </message>
    <message>
        <source>Telefon 1:</source>
        <translation>Téléphone 1:</translation>
    </message>
    <message>
        <source>Telefon 2:</source>
        <translation>Téléphone 2:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>Champ libre:</translation>
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
        <translation>Connexion au terminal:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Véhicules disponibles</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Quelles données traiter?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Afficher la liste</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Dossier source</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Langue:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>Adresse e-mail (À-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Laisser vide pour des destinataires individuels</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>Paramètres de la transmission LIVE</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Intervalle d'actualisation</translation>
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
        <translation>Jeux de données</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Données de base</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Si vous rencontrez des problèmes
avec l'application, contactez-nous.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Saisissez l'adresse e-mail</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>Connexion actuelle</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Aucun terminal n'a répondu. Vérifiez la connexion Wi-Fi avec le terminal et réessayez.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Vous devez choisir le dossier source.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>La modification sera active après le redémarrage de l'application.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Facturation</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Comparaison graphique</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Vue: Comparaison graphique</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Contrat</translation>
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
        <translation>m/ha à vide</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Arrachage</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Trémies/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Vos données d'arrachage toujours à portée de main</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fichier:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Trier par:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Nom du client</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numéro de contrat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Numéro du chauffeur</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Numéro du client</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcelle</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Fichiers téléchargés</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Du:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Au:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Parcelles</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Parcelles</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistiques saison</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistiques machine</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Voulez-vous vraiment supprimer cette entrée?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Ouvrir une liste</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Listes (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Aucun fichier disponible</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Tableau (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Rapport (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>La liste n'affiche aucun contrat.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (logiciel de gestion parcellaire)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Relevé de facturation (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Relevé de facturation (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Heures des chauffeurs (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Heures des chauffeurs (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Impossible de lire les prix dans l'archive %1 : %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>La liste n'affiche aucun contrat avec client et date de début.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Relevé de facturation</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Heures des chauffeurs</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Vue d'ensemble</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Vue: Vue d'ensemble</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Contrat</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Moyenne</translation>
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
        <translation>Arrachage</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha à vide</translation>
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
        <translation>Trémies/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Info complémentaire</translation>
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
        <translation>Version de l'application:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>Impossible d'ouvrir le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcelle</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Numéro du client</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Nom du client</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Numéro du chauffeur</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Nom du chauffeur</translation>
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
        <translation>Client:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Parcelle:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h arrachage</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h déchargement</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha arrachage</translation>
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
        <translation>à vide</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numéro de contrat</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcelle</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Inter-rang</translation>
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
        <translation>Aucune donnée de contrat</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Moyenne : %1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Mot de passe:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminal %1, numéro de série %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Premier contact avec ce terminal. Ne saisissez le mot de passe que s'il s'agit de votre terminal.</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Parcelles</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Parcelles</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Accès refusé</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Certificat du terminal modifié</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Le terminal %1 (numéro de série %2) présente un autre certificat qu'auparavant.

Auparavant :
%3

Maintenant :
%4

Cela n'est normal que si le terminal a été remplacé. Faire confiance au nouveau certificat et se connecter ?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>Le terminal a envoyé un message non valide. La connexion a été coupée.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>Le fichier a été importé avec succès.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>Une erreur s'est produite lors de l'import</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>Le fichier reçu n'a pas de nom valide et n'a pas été enregistré.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>Impossible de lire le fichier %1; il n'a pas été envoyé.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>Le fichier reçu %1 n'a pas pu être enregistré dans le dossier %2 : %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>Le terminal %1 s'identifie avec un autre certificat qu'auparavant.

Auparavant :
%2

Maintenant :
%3

Cela n'est correct que si le terminal a été remplacé. Faire confiance au nouveau certificat et se connecter ?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>Le terminal %1 a envoyé un numéro de série non valide. La connexion a été interrompue.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Fichier:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Heures moteur</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Heures arracheuse</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Fichiers téléchargés</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consommation</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Consommation [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Consommation/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Consommation/km</translation>
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
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Surface arrachée</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Voulez-vous fermer l'application?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Aucune donnée pour un rapport</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Rapport de saison</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Aperçu des distances</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Vue: Aperçu des distances</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Trajet à vide</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Arrachage</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Trajet routier</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Vraiment tout supprimer?</translation>
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
        <translation>Aperçu de la consommation</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Vue: Aperçu de la consommation</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consommation</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Consommation [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Consommation/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Consommation/km</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Options de téléchargement:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Contrats</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Parcelles</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Statistiques saison</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Statistiques machine</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Répartition du temps</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Vue: Répartition du temps</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Numéro de contrat</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcelle</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Chauffeur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Inter-rang</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Autre temps</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Temps de déchargement</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Temps d'arrachage</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Liste des terminaux disponibles:
(identifiés par le numéro de châssis)</translation>
    </message>
</context>
</TS>
