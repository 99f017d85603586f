<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Tipo de fila</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Número de facturación</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Número de cliente</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Número de parcela</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Número de pedido</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Tiempo en carretera</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Importe superficie</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Importe carretera</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Importe tarifa fija</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Bruto</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totales</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Base de facturación</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>NIF-IVA: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Número de cliente</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Precio por hectárea</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Precio por hora de carretera</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Tarifa fija por pedido</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>Tipo de IVA</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Carretera</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Tarifa fija</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>IVA %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Bruto</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Datos bancarios: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Bases de facturación</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(sin conductor)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Pedidos</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Tiempo en campo</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tiempo de cosecha</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tiempo de descarga</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Tiempo en carretera</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Horas en campo</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Horas de cosecha</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Horas de descarga</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Horas en carretera</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Horas de conductores</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Un pedido cuenta el día en que empieza. Días: los días en que empezaron pedidos del conductor; la fila Totales suma los días de todos los conductores.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>El soporte de datos está lleno.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>El soporte de datos está protegido contra escritura.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>No hay permiso para escribir en esta carpeta.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>La carpeta no existe, o en su lugar hay un archivo.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>El nombre del archivo es demasiado largo.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Error desconocido al escribir.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>No se pudo guardar el archivo %1: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Con este nombre hay un enlace o una carpeta, no un archivo normal.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>No se pudo escribir la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Número de pedido</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fin</translation>
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
        <translation>Carretera</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tiempo de cosecha</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tiempo de descarga</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
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
        <translation>Informe del pedido</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Pedido</translation>
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
        <translation>Número de pedido</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Distancia entre líneas</translation>
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
        <translation>Info adicional</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Indicador</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Promedio de todos los pedidos</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h cosecha</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha en vacío</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha cosecha</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha total</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Tolvas/ha</translation>
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
        <translation>Carretera</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Recorrido</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Consumo por hora</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Consumo por hectárea</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Consumo por kilómetro</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Reparto del recorrido</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Recorrido en vacío</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Cosecha</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Traslado</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Reparto del tiempo</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Otro tiempo</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tiempo de descarga</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tiempo de cosecha</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Comparación con el promedio</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Pedido mejor</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Pedido peor</translation>
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
        <translation>Búsqueda: «%1»</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Periodo: del %1 al %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Pedidos</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Pedidos</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>Los valores l/ha y ha/h de la fila Totales son cocientes de las sumas de los pedidos con superficie.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Número de pedidos: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>El archivo se encuentra aquí:
%1

Adjúntelo a este correo electrónico.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Guardado:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>No se encontró ningún programa para abrir %1.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>No se encontró ningún programa de correo electrónico.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>Adjunto: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>%1 no se ha impreso: la impresora «%2» indica un error. Compruebe la impresora.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>Campaña</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Informe de campaña</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Superficie cosechada</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Horas de motor</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Horas de cosecha</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Carretera</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Recorrido</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Consumo</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Consumo por hora</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Consumo por hectárea</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Consumo por kilómetro</translation>
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
        <translation>Totales</translation>
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
        <translation>FACTURACIÓN</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Precios</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Membrete</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Precio por hectárea:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Precio por hora de carretera:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Tarifa fija por pedido:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>Tipo de IVA:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Precios propios de clientes concretos; un campo vacío aplica el precio de arriba.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Añadir cliente</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>NIF-IVA:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Datos bancarios:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Seleccionar logo</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Quitar logo</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Número de cliente</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>por hectárea</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>por hora de carretera</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>por pedido</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>IVA %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Compruebe los valores marcados en rojo: precios sin signo con dos decimales como máximo, IVA de 0 a 100 %.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Quitar cliente</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>No se pudo leer la configuración de facturación: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>No se pudo leer la configuración de facturación del archivo histórico %1: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Introduzca el número de cliente de cada cliente con precios propios.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>El cliente %1 aparece dos veces en la lista. Elimine una de las dos filas.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>El archivo histórico aún no está listo.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>No se pudo guardar la configuración de facturación: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>No se pudo guardar la configuración de facturación en el archivo histórico %1: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>Guardado en el archivo histórico %1.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>La imagen %1 no puede servir como logo: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>sin logo</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logo ilegible</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Imágenes (%1)</translation>
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
        <translation>ARCHIVO HISTÓRICO</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Usar servidor del archivo histórico (PostgreSQL)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>Base de datos:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Sin servidor del archivo histórico, las listas van al archivo histórico de este dispositivo. Si no se puede acceder al servidor, las recibe el archivo histórico de este dispositivo y pasan al servidor en cuanto vuelva a responder.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Introduzca el servidor del archivo histórico: su nombre o su dirección.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Introduzca como puerto un número del 1 al 65535 (normalmente 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Introduzca la base de datos del archivo histórico en el servidor.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Archivo histórico: aún no abierto</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Archivo histórico: servidor %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Archivo histórico: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Listas pendientes de incorporar al archivo histórico: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Todas las listas están en el archivo histórico.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Aplicado: a partir de ahora, las listas van al servidor %1.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Aplicado: a partir de ahora, las listas van al archivo histórico de este dispositivo.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Pedidos</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clientes</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Parcelas</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Volver al archivo</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>No se puede leer el archivo histórico %1: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Todas las máquinas</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Todas las campañas</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>sin máquina</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archivo histórico</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>No se puede crear la carpeta.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>El archivo recibido %1 no se pudo depositar en la carpeta %2 para el archivo histórico: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>El fichero %1 de la carpeta del archivo histórico es ilegible; se conserva con el nombre %2.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Mientras el servidor del archivo histórico no esté accesible, las listas recibidas se guardan en el archivo local %1; después se transfieren al servidor.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>Las listas recibidas esperan en la carpeta %1 y se incorporarán más tarde.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>El archivo histórico %1 está dañado: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>El archivo histórico %1 está bloqueado por otro programa: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>No se puede escribir en el archivo histórico %1, el soporte de datos está lleno: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>No se pudo abrir el archivo histórico %1: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>El archivo histórico %1 está dañado (%2) y no se puede mover a %3.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>El archivo histórico %1 estaba dañado (%2). Se ha movido a %3 y se ha creado un nuevo archivo histórico.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>El archivo histórico %1 procede de una versión más reciente del programa (versión %2, este programa admite hasta la versión %3) y se mantiene sin cambios.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>El archivo %1 no se ha incorporado al archivo histórico: su nombre no corresponde a ninguna lista conocida.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>El archivo %1 no se ha incorporado al archivo histórico.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Todos los clientes</translation>
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
        <translation>Número de conductor:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Nombre del conductor 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Nombre del conductor 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Calle:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>C.P.:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Localidad:</translation>
    </message>
    <message>
        <source>Telefon 1:</source>
        <translation>Teléfono 1:</translation>
    </message>
    <message>
        <source>Telefon 2:</source>
        <translation>Teléfono 2:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>Campo libre:</translation>
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
        <translation>Conexión con el terminal:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Vehículos disponibles</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>¿Qué datos desea procesar?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Mostrar lista</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Carpeta de origen</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>Dirección de correo (Para-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Dejar vacío para destinatarios individuales</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>Ajustes de transmisión LIVE</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Intervalo de actualización</translation>
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
        <translation>Conjunto de datos</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Datos básicos</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Si tiene problemas al usar
la aplicación, póngase en contacto con nosotros.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>Introduzca la dirección de correo</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>Conectado con</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Ningún terminal ha respondido. Compruebe la conexión Wi-Fi con el terminal e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Debe seleccionar la carpeta de origen.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>El cambio se aplicará al reiniciar la aplicación.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archivo histórico</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Facturación</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Comparación gráfica</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Vista: Comparación gráfica</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Pedido</translation>
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
        <translation>m/ha en vacío</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Cosecha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Tolvas/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Sus datos de cosecha siempre a mano</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Ordenar por:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Nombre del cliente</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Número de pedido</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Número de conductor</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Número de cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Archivos descargados</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Pedidos</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Pedidos</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Parcelas</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Parcelas</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clientes</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Estadística de campaña</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Estadística de máquina</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>¿Seguro que desea borrar esta entrada?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Listas (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>No hay ningún archivo</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Tabla (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Informe (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>La lista no muestra ningún pedido.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (software de gestión agrícola)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Base de facturación (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Base de facturación (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Horas de conductores (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Horas de conductores (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>No se pudieron leer los precios del archivo histórico %1: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>La lista no muestra ningún pedido con cliente y fecha de inicio.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Base de facturación</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Horas de conductores</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Resumen principal</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Vista: Resumen principal</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Promedio</translation>
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
        <translation>Cosecha</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha en vacío</translation>
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
        <translation>Tolvas/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Info adicional</translation>
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
        <translation>Versión de la aplicación:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>No se pudo abrir el archivo %1: %2</translation>
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
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Número de cliente</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Nombre del cliente</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>C.P.</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Número de conductor</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Nombre del conductor</translation>
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
        <translation>Parcela:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h cosecha</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h descarga</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha cosecha</translation>
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
        <translation>en vacío</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Número de pedido</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Distancia entre líneas</translation>
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
        <translation>Sin datos del pedido</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Promedio: %1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>Cuadro de diálogo</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminal %1, número de serie %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Primer contacto con este terminal. Introduzca la contraseña solo si es su terminal.</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>Cuadro de diálogo</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Parcelas</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Parcelas</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clientes</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Sin autorización</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Certificado del terminal modificado</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>El terminal %1 (número de serie %2) presenta un certificado distinto al de antes.

Antes:
%3

Ahora:
%4

Esto solo es correcto si el terminal ha sido sustituido. ¿Confiar en el nuevo certificado e iniciar sesión?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>El terminal ha enviado un mensaje no válido. Se ha cortado la conexión.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Sin autorización</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>Archivo importado correctamente.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>Se ha producido un error al importar</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>El archivo recibido no tiene un nombre válido y no se ha guardado.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>No se pudo leer el archivo %1 y no se ha enviado.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>No se pudo guardar el archivo recibido %1 en la carpeta %2: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>El terminal %1 se identifica con un certificado distinto al de antes.

Antes:
%2

Ahora:
%3

Esto solo es correcto si el terminal ha sido sustituido. ¿Confiar en el nuevo certificado e iniciar sesión?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>El terminal %1 ha enviado un número de serie no válido. Se ha cancelado el inicio de sesión.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Horas de motor</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Horas de cosecha</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>Archivos descargados</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Recorrido</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tiempo</translation>
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
        <translation>Totales</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Superficie cosechada</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Carretera</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>¿Desea cerrar la aplicación?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>No hay datos para un informe</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Informe de campaña</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Resumen de recorridos</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Vista: Resumen de recorridos</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Recorrido en vacío</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Cosecha</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Traslado</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>¿Seguro que desea borrar todo?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archivo histórico</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Resumen de consumo</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Vista: Resumen de consumo</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Recorrido</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tiempo</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>Opciones de descarga:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Pedidos</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Clientes</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Parcelas</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Estadística de campaña</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Estadística de máquina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Sí</translation>
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
        <translation>Reparto del tiempo</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Vista: Reparto del tiempo</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Número de pedido</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Distancia entre líneas</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Otro tiempo</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Tiempo de descarga</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Tiempo de cosecha</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>Lista de terminales disponibles:
(identificados por el número de bastidor)</translation>
    </message>
</context>
</TS>
