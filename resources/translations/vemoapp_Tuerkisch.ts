<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>Satır türü</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>Döküm numarası</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Müşteri numarası</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Müşteri</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>Tarla numarası</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>Sipariş numarası</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Alan</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Yol süresi</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>Alan tutarı</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>Yol tutarı</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>Sabit ücret tutarı</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>KDV</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Brüt</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Sipariş</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Toplamlar</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Faturalama dökümü</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>Vergi no.: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Numara</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>Dönem</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Müşteri numarası</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>Hektar başına fiyat</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>Yol saati başına fiyat</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>Sipariş başına sabit ücret</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>KDV</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Sipariş</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Alan</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>Sabit ücret</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Tutar</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Toplamlar</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>KDV %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>Brüt</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>Banka bilgileri: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>Faturalama dökümleri</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(sürücüsüz)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Toplamlar</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Siparişler</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>Tarla süresi</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Söküm süresi</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Boşaltma süresi</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>Yol süresi</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>Tarla saati</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>Söküm saati</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>Boşaltma saati</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>Yol saati</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>Sürücü saatleri</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>Bir sipariş, başladığı gün sayılır. Gün: sürücünün siparişlerinin başladığı günler; Toplamlar satırı tüm sürücülerin günlerini toplar.</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>Veri ortamı dolu.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>Veri ortamı yazmaya karşı korumalı.</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>Bu klasöre yazma izni yok.</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>Klasör yok veya yerinde bir dosya bulunuyor.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>Dosya adı çok uzun.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>Yazma sırasında bilinmeyen hata.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>%1 dosyası kaydedilemedi: %2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>Bu adda sıradan bir dosya değil, bir bağlantı veya klasör bulunuyor.</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>%1 klasörü yazılamadı: %2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>Toplamlar</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Sipariş numarası</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Müşteri</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Alan</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Söküm süresi</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Boşaltma süresi</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Tüketim</translation>
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
        <translation>Sipariş raporu</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Sipariş</translation>
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
        <translation>Sipariş numarası</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Müşteri</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Sıra arası</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Alan</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Ek bilgi</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>Gösterge</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>Tüm siparişlerin ortalaması</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h söküm</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha boş</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha söküm</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha toplam</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunker/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Tüketim</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Mesafe</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Saat başına tüketim</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Hektar başına tüketim</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Kilometre başına tüketim</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>Mesafe dağılımı</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Boş sürüş</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Söküm</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Yol sürüşü</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Süre dağılımı</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Diğer süre</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Boşaltma süresi</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Söküm süresi</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>Ortalama ile karşılaştırma</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>Sipariş daha iyi</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Ortalama</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>Sipariş daha kötü</translation>
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
        <translation>Arama: “%1”</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>Dönem: %1 – %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Siparişler</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Siparişler</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>Toplamlar satırındaki l/ha ve ha/h değerleri, alanı olan siparişlerin toplamlarının oranlarıdır.</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>Sipariş sayısı: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>Geri</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>Dosya burada:
%1

Lütfen bu e-postaya ekleyin.</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>Kaydedildi:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>%1 dosyasını açacak program bulunamadı.</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>E-posta programı bulunamadı.</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>Ekte: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>%1 yazdırılmadı: “%2” yazıcısı bir hata bildiriyor. Lütfen yazıcıyı kontrol edin.</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Yazdırma tarihi: %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Sayfa %1 / %2</translation>
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
        <translation>Sezon raporu</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Sökülen alan</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Motor çalışma saati</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Sökücü çalışma saati</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Yol</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>Mesafe</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Tüketim</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>Saat başına tüketim</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>Hektar başına tüketim</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>Kilometre başına tüketim</translation>
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
        <translation>Toplamlar</translation>
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
        <translation>FATURALAMA</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>Fiyatlar</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>Antet</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>Hektar başına fiyat:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>Yol saati başına fiyat:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>Sipariş başına sabit ücret:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>KDV:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>Tek tek müşterilere özel fiyatlar; boş bırakılan alanda yukarıdaki fiyat geçerlidir.</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>Müşteri ekle</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>Vergi no.:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>Banka bilgileri:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>Logo seç</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>Logoyu kaldır</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>Müşteri numarası</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>hektar başına</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>yol saati başına</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>sipariş başına</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>KDV %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>Lütfen kırmızı çerçeveli değerleri kontrol edin: fiyatlar işaretsiz ve en fazla iki ondalık basamaklı, KDV 0 ile 100 % arasında olmalıdır.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Numara</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>Müşteriyi kaldır</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>Faturalama ayarları okunamadı: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Faturalama ayarları %1 arşivinden okunamadı: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>Lütfen özel fiyatı olan her müşteri için müşteri numarasını girin.</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>%1 müşterisi listede iki kez yer alıyor. Lütfen iki satırdan birini kaldırın.</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>Arşiv henüz hazır değil.</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>Faturalama ayarları kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>Faturalama ayarları %1 arşivine kaydedilemedi: %2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>%1 arşivine kaydedildi.</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>%1 resmi logo olarak kullanılamaz: %2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>logo yok</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>Logo okunamıyor</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Resimler (%1)</translation>
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
        <translation>ARŞİV</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>Arşiv sunucusu kullan (PostgreSQL)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Sunucu:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>Veritabanı:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>Kullanıcı:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Şifre:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>Arşiv sunucusu olmadan listeler bu cihazdaki arşive kaydedilir. Sunucuya ulaşılamazsa listeleri bu cihazdaki arşiv alır; sunucu yeniden yanıt verir vermez listeler sunucuya aktarılır.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>Lütfen arşiv sunucusunu girin: adını veya adresini.</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>Lütfen port olarak 1 ile 65535 arasında bir sayı girin (genellikle 5432).</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>Lütfen sunucudaki arşivin veritabanını girin.</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>Arşiv: henüz açılmadı</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>Arşiv: sunucu %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>Arşiv: %1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>Arşive alınmayı bekleyen listeler: %1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>Tüm listeler arşivde.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>Uygulandı: Listeler artık %1 sunucusuna gönderilecek.</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>Uygulandı: Listeler artık bu cihazdaki arşive kaydedilecek.</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>Siparişler</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Müşteriler</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Tarlalar</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>Dosyaya dön</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>%1 arşivi okunamıyor: %2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>bilinmeyen hata</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>Tüm makineler</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>Tüm kampanyalar</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>makinesiz</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Arşiv</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>Klasör oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>Alınan %1 dosyası arşiv için %2 klasörüne konulamadı: %3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>Arşiv klasöründeki %1 dosyası okunamıyor; %2 adıyla saklanıyor.</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>Arşiv sunucusuna yeniden ulaşılana kadar alınan listeler yerel arşive %1 kaydedilir; ardından sunucuya aktarılır.</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>Alınan listeler %1 klasöründe bekliyor ve daha sonra aktarılacak.</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>%1 arşivi hasarlı: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>%1 arşivi başka bir program tarafından kilitlenmiş: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>%1 arşivine yazılamıyor, veri ortamı dolu: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>%1 arşivi açılamadı: %2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>%1 arşivi hasarlı (%2) ve %3 konumuna taşınamıyor.</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>%1 arşivi hasarlıydı (%2). %3 konumuna taşındı ve yeni bir arşiv oluşturuldu.</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>%1 arşivi daha yeni bir program sürümünden geliyor (sürüm %2, bu programın desteklediği en yüksek sürüm %3) ve değiştirilmeden bırakılıyor.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>%1 dosyası arşive alınmadı: adı bilinen hiçbir listeye karşılık gelmiyor.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>%1 dosyası arşive alınmadı.</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>Tüm müşteriler</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>Müşteri: %1</translation>
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
        <translation>Sürücü numarası:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>Sürücü adı 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>Sürücü adı 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>Posta kodu:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Şehir:</translation>
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
        <translation>E-posta:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>Serbest alan:</translation>
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
        <translation>Terminal bağlantısı:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>Mevcut araçlar</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>Hangi veriler işlensin?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>Listeyi göster</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>Kaynak klasör</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>E-posta adresi (Kime-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>Farklı alıcılar için boş bırakın</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>LIVE aktarım ayarları</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>Güncelleme aralığı</translation>
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
        <translation>Veri seti</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>Temel veriler</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>Uygulamayı kullanırken sorun
yaşarsanız lütfen bizimle iletişime geçin.</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>E-posta adresini girin</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>Bağlı olunan terminal</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>Hiçbir terminal yanıt vermedi. Lütfen terminalle Wi-Fi bağlantısını kontrol edip tekrar deneyin.</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>Kaynak klasörü seçmelisiniz.</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>Değişiklik, uygulama yeniden başlatıldıktan sonra etkin olur.</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Arşiv</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>Faturalama</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>Grafik karşılaştırma</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>Görünüm: Grafik karşılaştırma</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Ortalama</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Sipariş</translation>
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
        <translation>m/ha boş</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Söküm</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Toplam</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · Söküm verileriniz her zaman elinizin altında</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Dosya:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Sıralama:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Müşteri adı</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Sipariş numarası</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Sürücü numarası</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Müşteri numarası</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Müşteri</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>İndirilen dosyalar</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Başlangıç:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Bitiş:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Toplamlar</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Siparişler</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>Siparişler</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Tarlalar</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Tarlalar</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Müşteriler</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Sezon istatistiği</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Makine istatistiği</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>Bu kaydı gerçekten silmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>Liste aç</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>Listeler (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>Dosya yok</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Dışa aktar</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>Tablo (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>Rapor (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>Listede sipariş yok.</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML (tarla yönetim yazılımı)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>Faturalama dökümü (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>Faturalama dökümü (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>Sürücü saatleri (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>Sürücü saatleri (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>Fiyatlar %1 arşivinden okunamadı: %2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>Listede müşterisi ve başlangıç tarihi olan sipariş yok.</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>Faturalama dökümü</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>Sürücü saatleri</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>Ana özet</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>Görünüm: Ana özet</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>Sipariş</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Ortalama</translation>
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
        <translation>Söküm</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha boş</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>Bunker/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>Ek bilgi</translation>
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
        <translation>BİLGİ</translation>
    </message>
    <message>
        <source>Version der Anwendung:</source>
        <translation>Uygulama sürümü:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>%1 dosyası açılamadı: %2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>Müşteri</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>Müşteri numarası</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>Müşteri adı</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Posta kodu</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Şehir</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Alan</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Uzaklık</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>Sürücü numarası</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>Sürücü adı</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-posta</translation>
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
        <translation>Müşteri:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>Tarla:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h söküm</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h boşaltma</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha söküm</translation>
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
        <translation>boş</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Sipariş numarası</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Müşteri</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Sıra arası</translation>
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
        <translation>Sipariş verisi yok</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Raporu PDF olarak kaydet</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>Ortalama: %1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>Şifre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>Terminal %1, seri numarası %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>Bu terminalle ilk bağlantı. Parolayı yalnızca sizin terminalinizse girin.</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>Dosya seç</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Tarlalar</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>Tarlalar</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Müşteriler</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Yetki yok</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>Terminal sertifikası değişti</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>%1 terminali (seri numarası %2) öncekinden farklı bir sertifika sunuyor.

Önceki:
%3

Şimdi:
%4

Bu yalnızca terminal değiştirildiyse doğrudur. Yeni sertifikaya güvenilsin ve oturum açılsın mı?</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>Terminal geçersiz bir mesaj gönderdi. Bağlantı kesildi.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Yetki yok</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>Dosya başarıyla içe aktarıldı.</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>İçe aktarma sırasında bir hata oluştu</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>Alınan dosyanın adı geçerli değil; dosya kaydedilmedi.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>%1 dosyası okunamadı ve gönderilmedi.</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>Alınan %1 dosyası %2 klasörüne kaydedilemedi: %3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>%1 terminali kendini öncekinden farklı bir sertifikayla tanıtıyor.

Önceki:
%2

Şimdiki:
%3

Bu yalnızca terminal değiştirildiyse doğrudur. Yeni sertifikaya güvenip oturum açılsın mı?</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>%1 terminali geçersiz bir seri numarası gönderdi. Oturum açma iptal edildi.</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>İstatistik</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>Dosya:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>Motor çalışma saati</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>Sökücü çalışma saati</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>İndirilen dosyalar</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Mesafe</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Tüketim</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Tüketim [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Tüketim/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Tüketim/km</translation>
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
        <translation>Toplamlar</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>Sökülen alan</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>Uygulamayı kapatmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Raporu PDF olarak kaydet</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>Rapor için veri yok</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>Sezon raporu</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>Mesafe özeti</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>Görünüm: Mesafe özeti</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>Boş sürüş</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>Söküm</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>Yol sürüşü</translation>
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
        <translation>Tümünü sil</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>Gerçekten tümü silinsin mi?</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Arşiv</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>Tüketim özeti</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>Görünüm: Tüketim özeti</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Mesafe</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>Tüketim</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>Tüketim [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>Tüketim/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>Tüketim/km</translation>
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
        <translation>İndirme seçenekleri:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Siparişler</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Müşteriler</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>Tarlalar</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>Sezon istatistiği</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>Makine istatistiği</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
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
        <translation>Evet</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Hayır</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>Süre dağılımı</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>Görünüm: Süre dağılımı</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>Sipariş numarası</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Müşteri</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>Tarla</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>Sıra arası</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>Diğer süre</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>Boşaltma süresi</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>Söküm süresi</translation>
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
        <translation>Kullanılabilir terminallerin listesi:
(şasi numarasıyla tanınır)</translation>
    </message>
</context>
</TS>
