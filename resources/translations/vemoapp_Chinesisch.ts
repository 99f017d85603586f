<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="de">
<context>
    <name>BillBasis</name>
    <message>
        <source>Zeilenart</source>
        <translation>行类型</translation>
    </message>
    <message>
        <source>Abrechnungsnummer</source>
        <translation>结算单号</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>客户编号</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Schlagnummer</source>
        <translation>地块编号</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Auftragsnummer</source>
        <translation>任务编号</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>道路时间</translation>
    </message>
    <message>
        <source>Betrag Fläche</source>
        <translation>面积金额</translation>
    </message>
    <message>
        <source>Betrag Straße</source>
        <translation>道路金额</translation>
    </message>
    <message>
        <source>Betrag Pauschale</source>
        <translation>固定费用金额</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>净额</translation>
    </message>
    <message>
        <source>MwSt.</source>
        <translation>增值税</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>含税总额</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>汇总</translation>
    </message>
</context>
<context>
    <name>BillReport</name>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>结算单</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>USt-IdNr.: %1</source>
        <translation>增值税号: %1</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Zeitraum</source>
        <translation>时间段</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>客户编号</translation>
    </message>
    <message>
        <source>Preis je Hektar</source>
        <translation>每公顷价格</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße</source>
        <translation>道路每小时价格</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag</source>
        <translation>每任务固定费用</translation>
    </message>
    <message>
        <source>Mehrwertsteuer</source>
        <translation>增值税</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>道路</translation>
    </message>
    <message>
        <source>Pauschale</source>
        <translation>固定费用</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>汇总</translation>
    </message>
    <message>
        <source>Netto</source>
        <translation>净额</translation>
    </message>
    <message>
        <source>MwSt. %1 %</source>
        <translation>增值税 %1 %</translation>
    </message>
    <message>
        <source>Brutto</source>
        <translation>含税总额</translation>
    </message>
    <message>
        <source>Bankverbindung: %1</source>
        <translation>银行账户: %1</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlagen</source>
        <translation>结算单</translation>
    </message>
</context>
<context>
    <name>DriverHours</name>
    <message>
        <source>(ohne Fahrer)</source>
        <translation>(无司机)</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>汇总</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>司机</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>天数</translation>
    </message>
    <message>
        <source>Zeit Acker</source>
        <translation>田间时间</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>收获时间</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>卸料时间</translation>
    </message>
    <message>
        <source>Zeit Straße</source>
        <translation>道路时间</translation>
    </message>
    <message>
        <source>Stunden Acker</source>
        <translation>田间小时</translation>
    </message>
    <message>
        <source>Stunden Roden</source>
        <translation>收获小时</translation>
    </message>
    <message>
        <source>Stunden Entladen</source>
        <translation>卸料小时</translation>
    </message>
    <message>
        <source>Stunden Straße</source>
        <translation>道路小时</translation>
    </message>
</context>
<context>
    <name>DriverHoursReport</name>
    <message>
        <source>Fahrerstunden</source>
        <translation>司机工时</translation>
    </message>
    <message>
        <source>Ein Auftrag zählt am Tag seines Beginns. Tage: die Tage, an denen Aufträge des Fahrers begannen; die Summe zählt die Tage aller Fahrer zusammen.</source>
        <translation>任务计入其开始当天。天数：该司机的任务开始的天数；汇总行将所有司机的天数相加。</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>存储介质已满。</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>存储介质处于写保护状态。</translation>
    </message>
    <message>
        <source>Keine Berechtigung zum Schreiben in diesen Ordner.</source>
        <translation>没有写入此文件夹的权限。</translation>
    </message>
    <message>
        <source>Der Ordner fehlt, oder an seiner Stelle liegt eine Datei.</source>
        <translation>文件夹不存在，或其位置上有一个文件。</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>文件名过长。</translation>
    </message>
    <message>
        <source>Unbekannter Fehler beim Schreiben.</source>
        <translation>写入时发生未知错误。</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden: %2</source>
        <translation>无法保存文件 %1：%2</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Verweis oder ein Ordner, keine gewöhnliche Datei.</source>
        <translation>此名称下是一个链接或文件夹，而不是普通文件。</translation>
    </message>
</context>
<context>
    <name>IsoXml</name>
    <message>
        <source>Der Ordner %1 konnte nicht geschrieben werden: %2</source>
        <translation>无法写入文件夹 %1：%2</translation>
    </message>
</context>
<context>
    <name>OrderExport</name>
    <message>
        <source>Summe</source>
        <translation>汇总</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>任务编号</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>司机</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>田间</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>道路</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>收获时间</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>卸料时间</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>油耗</translation>
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
        <translation>任务报告</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>任务</translation>
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
        <translation>任务编号</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>司机</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>行距</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>附加信息</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>概览</translation>
    </message>
    <message>
        <source>Kennzahl</source>
        <translation>指标</translation>
    </message>
    <message>
        <source>Durchschnitt aller Aufträge</source>
        <translation>所有任务平均值</translation>
    </message>
    <message>
        <source>ha/h</source>
        <translation>ha/h</translation>
    </message>
    <message>
        <source>km/h Roden</source>
        <translation>km/h 收获</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha 空驶</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha 收获</translation>
    </message>
    <message>
        <source>l/ha Gesamt</source>
        <translation>l/ha 总计</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>料仓/ha</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>油耗</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>田间</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>道路</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>行程</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>每小时油耗</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>每公顷油耗</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>每公里油耗</translation>
    </message>
    <message>
        <source>l/km</source>
        <translation>l/km</translation>
    </message>
    <message>
        <source>Streckenaufteilung</source>
        <translation>行程分配</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>空驶</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>收获</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>转场</translation>
    </message>
    <message>
        <source>Zeitaufteilung</source>
        <translation>时间分配</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>其他时间</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>卸料时间</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>收获时间</translation>
    </message>
    <message>
        <source>Vergleich mit dem Durchschnitt</source>
        <translation>与平均值比较</translation>
    </message>
    <message>
        <source>Auftrag besser</source>
        <translation>任务较好</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Auftrag schlechter</source>
        <translation>任务较差</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>厘米</translation>
    </message>
</context>
<context>
    <name>OrdersReport</name>
    <message>
        <source>Suche: „%1“</source>
        <translation>搜索: “%1”</translation>
    </message>
    <message>
        <source>Zeitraum: %1 bis %2</source>
        <translation>时间段: %1 至 %2</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Die Werte l/ha und ha/h der Summe sind Verhältnisse der Summen über die Aufträge mit Fläche.</source>
        <translation>汇总行中的 l/ha 和 ha/h 值是有面积的任务各项总和之比。</translation>
    </message>
    <message>
        <source>Anzahl der Aufträge: %1</source>
        <translation>任务数量: %1</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Zurück</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>ReportOffer</name>
    <message>
        <source>Öffnen</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Die Datei liegt hier:
%1

Bitte hängen Sie sie an diese E-Mail an.</source>
        <translation>文件位于:
%1

请将其作为附件添加到此电子邮件中。</translation>
    </message>
    <message>
        <source>Gespeichert:
%1</source>
        <translation>已保存:
%1</translation>
    </message>
    <message>
        <source>Kein Programm zum Öffnen von %1 gefunden.</source>
        <translation>未找到可打开 %1 的程序。</translation>
    </message>
    <message>
        <source>Kein E-Mail-Programm gefunden.</source>
        <translation>未找到电子邮件程序。</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Im Anhang: %1</source>
        <translation>附件: %1</translation>
    </message>
    <message>
        <source>%1 wurde nicht gedruckt: Der Drucker „%2“ meldet einen Fehler. Bitte prüfen Sie den Drucker.</source>
        <translation>%1 未打印：打印机“%2”报告错误。请检查打印机。</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Gedruckt am %1</source>
        <translation>打印日期: %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>SeasonReport</name>
    <message>
        <source>Saison</source>
        <translation>季节</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>季节报告</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>收获面积</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>发动机工作小时</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>收获装置工作小时</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>田间</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>道路</translation>
    </message>
</context>
<context>
    <name>SeasonSheet</name>
    <message>
        <source>Strecke</source>
        <translation>行程</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>油耗</translation>
    </message>
    <message>
        <source>Verbrauch pro Stunde</source>
        <translation>每小时油耗</translation>
    </message>
    <message>
        <source>Verbrauch pro Hektar</source>
        <translation>每公顷油耗</translation>
    </message>
    <message>
        <source>Verbrauch pro Kilometer</source>
        <translation>每公里油耗</translation>
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
        <translation>汇总</translation>
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
        <translation>结算</translation>
    </message>
    <message>
        <source>Preise</source>
        <translation>价格</translation>
    </message>
    <message>
        <source>Briefkopf</source>
        <translation>信头</translation>
    </message>
    <message>
        <source>Preis je Hektar:</source>
        <translation>每公顷价格:</translation>
    </message>
    <message>
        <source>Preis je Stunde Straße:</source>
        <translation>道路每小时价格:</translation>
    </message>
    <message>
        <source>Pauschale je Auftrag:</source>
        <translation>每任务固定费用:</translation>
    </message>
    <message>
        <source>Mehrwertsteuer:</source>
        <translation>增值税:</translation>
    </message>
    <message>
        <source>Eigene Preise einzelner Kunden; ein leeres Feld gilt mit dem Preis oben.</source>
        <translation>个别客户的专用价格；留空的字段使用上方的价格。</translation>
    </message>
    <message>
        <source>Kunde hinzufügen</source>
        <translation>添加客户</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称:</translation>
    </message>
    <message>
        <source>Anschrift:</source>
        <translation>地址:</translation>
    </message>
    <message>
        <source>USt-IdNr.:</source>
        <translation>增值税号:</translation>
    </message>
    <message>
        <source>Bankverbindung:</source>
        <translation>银行账户:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>徽标:</translation>
    </message>
    <message>
        <source>Logo wählen</source>
        <translation>选择徽标</translation>
    </message>
    <message>
        <source>Logo entfernen</source>
        <translation>移除徽标</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Kundennummer</source>
        <translation>客户编号</translation>
    </message>
    <message>
        <source>je Hektar</source>
        <translation>每公顷</translation>
    </message>
    <message>
        <source>je Stunde Straße</source>
        <translation>道路每小时</translation>
    </message>
    <message>
        <source>je Auftrag</source>
        <translation>每任务</translation>
    </message>
    <message>
        <source>MwSt. %</source>
        <translation>增值税 %</translation>
    </message>
    <message>
        <source>Bitte prüfen Sie die rot umrandeten Werte: Preise ohne Vorzeichen mit höchstens zwei Nachkommastellen, die Mehrwertsteuer von 0 bis 100 %.</source>
        <translation>请检查红框标出的值：价格不带正负号，最多两位小数；增值税为 0 到 100 %。</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Kunde entfernen</source>
        <translation>移除客户</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gelesen werden: %1</source>
        <translation>无法读取结算设置：%1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>无法从档案库 %1 读取结算设置：%2</translation>
    </message>
    <message>
        <source>Bitte geben Sie bei jedem Kunden mit eigenen Preisen die Kundennummer ein.</source>
        <translation>请为每个有专用价格的客户输入客户编号。</translation>
    </message>
    <message>
        <source>Der Kunde %1 steht zweimal in der Liste. Bitte entfernen Sie eine der beiden Zeilen.</source>
        <translation>客户 %1 在列表中出现了两次。请删除其中一行。</translation>
    </message>
    <message>
        <source>Das Archiv ist noch nicht bereit.</source>
        <translation>档案库尚未就绪。</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht gespeichert werden: %1</source>
        <translation>无法保存结算设置：%1</translation>
    </message>
    <message>
        <source>Die Abrechnung konnte nicht im Archiv %1 gespeichert werden: %2</source>
        <translation>无法将结算设置保存到档案库 %1：%2</translation>
    </message>
    <message>
        <source>Gespeichert im Archiv %1.</source>
        <translation>已保存到档案库 %1。</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht als Logo dienen: %2</source>
        <translation>图片 %1 无法用作徽标：%2</translation>
    </message>
    <message>
        <source>kein Logo</source>
        <translation>无徽标</translation>
    </message>
    <message>
        <source>Logo nicht lesbar</source>
        <translation>徽标无法读取</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>图片 (%1)</translation>
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
        <translation>档案库</translation>
    </message>
    <message>
        <source>Archivserver (PostgreSQL) verwenden</source>
        <translation>使用存档服务器 (PostgreSQL)</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>服务器:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口:</translation>
    </message>
    <message>
        <source>Datenbank:</source>
        <translation>数据库:</translation>
    </message>
    <message>
        <source>Benutzer:</source>
        <translation>用户:</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>密码:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Ohne Archivserver kommen die Listen in das Archiv auf diesem Gerät. Ist der Server nicht zu erreichen, nimmt das Archiv auf diesem Gerät sie auf, und sie gehen auf den Server, sobald er wieder antwortet.</source>
        <translation>不使用存档服务器时，列表存入本设备上的档案库。服务器无法访问时，由本设备上的档案库接收列表，待服务器再次响应后再传输到服务器。</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.</source>
        <translation>请输入存档服务器：其名称或地址。</translation>
    </message>
    <message>
        <source>Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).</source>
        <translation>请输入 1 到 65535 之间的数字作为端口（通常为 5432）。</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Datenbank des Archivs auf dem Server ein.</source>
        <translation>请输入服务器上档案库的数据库。</translation>
    </message>
    <message>
        <source>Archiv: noch nicht geöffnet</source>
        <translation>档案库：尚未打开</translation>
    </message>
    <message>
        <source>Archiv: Server %1</source>
        <translation>档案库：服务器 %1</translation>
    </message>
    <message>
        <source>Archiv: %1</source>
        <translation>档案库：%1</translation>
    </message>
    <message>
        <source>Listen, die auf die Übernahme ins Archiv warten: %1</source>
        <translation>等待收入档案库的列表：%1</translation>
    </message>
    <message>
        <source>Alle Listen sind im Archiv.</source>
        <translation>所有列表均已在档案库中。</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an auf den Server %1.</source>
        <translation>已应用：从现在起，列表将传输到服务器 %1。</translation>
    </message>
    <message>
        <source>Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät.</source>
        <translation>已应用：从现在起，列表将存入本设备上的档案库。</translation>
    </message>
</context>
<context>
    <name>cArchiveDisplay</name>
    <message>
        <source>Aufträge</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>司机</translation>
    </message>
    <message>
        <source>Zur Datei</source>
        <translation>返回文件</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht gelesen werden: %2</source>
        <translation>无法读取档案库 %1：%2</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Alle Maschinen</source>
        <translation>所有机器</translation>
    </message>
    <message>
        <source>Alle Kampagnen</source>
        <translation>所有收获季</translation>
    </message>
    <message>
        <source>ohne Maschine</source>
        <translation>无机器</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>档案库</translation>
    </message>
</context>
<context>
    <name>cArchiveInbox</name>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>无法创建文件夹。</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 für das Archiv abgelegt werden: %3</source>
        <translation>无法将接收到的文件 %1 放入存档文件夹 %2：%3</translation>
    </message>
</context>
<context>
    <name>cArchiveKeeper</name>
    <message>
        <source>Die Datei %1 im Ordner für das Archiv ist unlesbar; sie bleibt unter dem Namen %2 erhalten.</source>
        <translation>存档文件夹中的文件 %1 无法读取；它以名称 %2 保留。</translation>
    </message>
    <message>
        <source>Bis der Archivserver wieder erreichbar ist, gehen empfangene Listen in das lokale Archiv %1; danach werden sie auf den Server übertragen.</source>
        <translation>在存档服务器恢复可用之前，接收到的列表将存入本地存档 %1；之后会传输到服务器。</translation>
    </message>
    <message>
        <source>Die empfangenen Listen warten im Ordner %1 und werden später übernommen.</source>
        <translation>接收到的列表在文件夹 %1 中等待，稍后将被导入。</translation>
    </message>
</context>
<context>
    <name>cArchiveStore</name>
    <message>
        <source>Das Archiv %1 ist beschädigt: %2</source>
        <translation>档案库 %1 已损坏：%2</translation>
    </message>
    <message>
        <source>Das Archiv %1 wird von einem anderen Programm gesperrt: %2</source>
        <translation>档案库 %1 被其他程序锁定：%2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geschrieben werden, der Datenträger ist voll: %2</source>
        <translation>无法写入档案库 %1，存储介质已满：%2</translation>
    </message>
    <message>
        <source>Das Archiv %1 kann nicht geöffnet werden: %2</source>
        <translation>无法打开档案库 %1：%2</translation>
    </message>
    <message>
        <source>Das Archiv %1 ist beschädigt (%2) und lässt sich nicht nach %3 verschieben.</source>
        <translation>档案库 %1 已损坏（%2），且无法移动到 %3。</translation>
    </message>
    <message>
        <source>Das Archiv %1 war beschädigt (%2). Es wurde nach %3 verschoben, ein neues Archiv ist angelegt.</source>
        <translation>档案库 %1 曾损坏（%2）。已将其移动到 %3，并新建了档案库。</translation>
    </message>
    <message>
        <source>Das Archiv %1 stammt von einer neueren Programmversion (Version %2, dieses Programm kennt bis Version %3) und bleibt unverändert.</source>
        <translation>档案库 %1 来自较新的程序版本（版本 %2，本程序最高支持版本 %3），将保持不变。</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen: ihr Name nennt keine bekannte Liste.</source>
        <translation>文件 %1 未被收入档案库：其名称不对应任何已知列表。</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht ins Archiv übernommen.</source>
        <translation>文件 %1 未被收入档案库。</translation>
    </message>
</context>
<context>
    <name>cCustomerSelector</name>
    <message>
        <source>Alle Kunden</source>
        <translation>所有客户</translation>
    </message>
    <message>
        <source>Kunde: %1</source>
        <translation>客户: %1</translation>
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
        <translation>司机编号:</translation>
    </message>
    <message>
        <source>Fahrername 1:</source>
        <translation>司机姓名 1:</translation>
    </message>
    <message>
        <source>Fahrername 2:</source>
        <translation>司机姓名 2:</translation>
    </message>
    <message>
        <source>Strasse:</source>
        <translation>街道:</translation>
    </message>
    <message>
        <source>PLZ:</source>
        <translation>邮编:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>地点:</translation>
    </message>
    <message>
        <source>Telefon 1:</source>
        <translation>电话 1:</translation>
    </message>
    <message>
        <source>Telefon 2:</source>
        <translation>电话 2:</translation>
    </message>
    <message>
        <source>eMail:</source>
        <translation>电子邮箱:</translation>
    </message>
    <message>
        <source>Frei verwendbar:</source>
        <translation>自定义:</translation>
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
        <translation>终端连接:</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>verfügbaren Fahrzeuge</source>
        <translation>可用机器</translation>
    </message>
    <message>
        <source>Welche Daten verarbeitet werden sollen?</source>
        <translation>要处理哪些数据?</translation>
    </message>
    <message>
        <source>Liste anzeigen</source>
        <translation>显示列表</translation>
    </message>
    <message>
        <source>Quelle Verzeichnis</source>
        <translation>源文件夹</translation>
    </message>
    <message>
        <source>Sprache:</source>
        <translation>语言:</translation>
    </message>
    <message>
        <source>EMail Adresse (An-&gt;):</source>
        <translation>电子邮箱地址 (收件人-&gt;):</translation>
    </message>
    <message>
        <source>Freilassen für inviduelle Empfänger</source>
        <translation>留空以单独指定收件人</translation>
    </message>
    <message>
        <source>Einstellungen für LIVE Übertragung</source>
        <translation>LIVE 传输设置</translation>
    </message>
    <message>
        <source>Aktualisierungszeit</source>
        <translation>刷新间隔</translation>
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
        <translation>数据记录</translation>
    </message>
    <message>
        <source>Basis Daten</source>
        <translation>基础数据</translation>
    </message>
    <message>
        <source>Wenn Sie Probleme bei der Verwendung
der Anwendung haben, kontaktieren Sie uns bitte.</source>
        <translation>如果您在使用本应用时遇到问题，
请与我们联系。</translation>
    </message>
    <message>
        <source>Geben Sie die Email Adresse ein</source>
        <translation>请输入电子邮箱地址</translation>
    </message>
    <message>
        <source>Trennen</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>aktuelle Verbindung mit</source>
        <translation>当前连接</translation>
    </message>
    <message>
        <source>Kein Terminal hat geantwortet. Bitte prüfen Sie die WLAN-Verbindung mit dem Terminal und versuchen Sie es erneut.</source>
        <translation>没有终端响应。请检查与终端的 WLAN 连接，然后重试。</translation>
    </message>
    <message>
        <source>Sie müssen das Quellverzeichnis wählen.</source>
        <translation>请选择源文件夹。</translation>
    </message>
    <message>
        <source>The change will be active after restart of the application.</source>
        <translation>更改将在应用重启后生效。</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>档案库</translation>
    </message>
    <message>
        <source>Abrechnung</source>
        <translation>结算</translation>
    </message>
</context>
<context>
    <name>cGrafischerUebersicht</name>
    <message>
        <source>Grafischer Vergleich</source>
        <translation>图形对比</translation>
    </message>
    <message>
        <source>Ansicht: Grafischer Vergleich</source>
        <translation>视图: 图形对比</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>任务</translation>
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
        <translation>m/ha 空驶</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>收获</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>料仓/ha</translation>
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
        <translation>Lindqvarth Landtechnik · Feldbrief · 您的收获数据随时在手</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>文件:</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>排序依据:</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>客户名称</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>任务编号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>司机编号</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>客户编号</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>已下载文件</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>从:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>到:</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>汇总</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Auftraege</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>司机</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>季节统计</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>机器统计</translation>
    </message>
    <message>
        <source>Wollen Sie den Eintrag wirklich löschen?</source>
        <translation>确定要删除此条目吗？</translation>
    </message>
    <message>
        <source>Liste öffnen</source>
        <translation>打开列表</translation>
    </message>
    <message>
        <source>Listen (*.csv)</source>
        <translation>列表 (*.csv)</translation>
    </message>
    <message>
        <source>Keine Datei vorhanden</source>
        <translation>没有文件</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Tabelle (CSV)</source>
        <translation>表格 (CSV)</translation>
    </message>
    <message>
        <source>Bericht (PDF)</source>
        <translation>报告 (PDF)</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge.</source>
        <translation>列表中没有任务。</translation>
    </message>
    <message>
        <source>ISOXML (Ackerschlagkartei)</source>
        <translation>ISOXML（农场管理软件）</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (PDF)</source>
        <translation>结算单 (PDF)</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage (CSV)</source>
        <translation>结算单 (CSV)</translation>
    </message>
    <message>
        <source>Fahrerstunden (PDF)</source>
        <translation>司机工时 (PDF)</translation>
    </message>
    <message>
        <source>Fahrerstunden (CSV)</source>
        <translation>司机工时 (CSV)</translation>
    </message>
    <message>
        <source>Die Preise konnten nicht aus dem Archiv %1 gelesen werden: %2</source>
        <translation>无法从档案库 %1 读取价格：%2</translation>
    </message>
    <message>
        <source>Die Liste zeigt keine Aufträge mit Kunde und Startdatum.</source>
        <translation>列表中没有包含客户和开始日期的任务。</translation>
    </message>
    <message>
        <source>Abrechnungsgrundlage</source>
        <translation>结算单</translation>
    </message>
    <message>
        <source>Fahrerstunden</source>
        <translation>司机工时</translation>
    </message>
</context>
<context>
    <name>cHauptUebersicht</name>
    <message>
        <source>Hauptübersicht</source>
        <translation>主概览</translation>
    </message>
    <message>
        <source>Ansicht: Hauptübersicht</source>
        <translation>视图: 主概览</translation>
    </message>
    <message>
        <source>Auftrag</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>平均值</translation>
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
        <translation>收获</translation>
    </message>
    <message>
        <source>m/ha leer</source>
        <translation>m/ha 空驶</translation>
    </message>
    <message>
        <source>l/ha</source>
        <translation>l/ha</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Bunker/ha</source>
        <translation>料仓/ha</translation>
    </message>
    <message>
        <source>Zusatzinfo</source>
        <translation>附加信息</translation>
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
        <translation>应用版本:</translation>
    </message>
</context>
<context>
    <name>cListController</name>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden: %2</source>
        <translation>无法打开文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>cListModelBuilder</name>
    <message>
        <source>Kunde</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Kunden Nummer</source>
        <translation>客户编号</translation>
    </message>
    <message>
        <source>Kunden Name</source>
        <translation>客户名称</translation>
    </message>
    <message>
        <source>Strasse</source>
        <translation>街道</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>邮编</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Fahrer Nummer</source>
        <translation>司机编号</translation>
    </message>
    <message>
        <source>Fahrer Name</source>
        <translation>司机姓名</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>电子邮箱</translation>
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
        <translation>客户:</translation>
    </message>
    <message>
        <source>Schlag:</source>
        <translation>地块:</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h Roden</source>
        <translation>h 收获</translation>
    </message>
    <message>
        <source>h Entladen</source>
        <translation>h 卸料</translation>
    </message>
    <message>
        <source>l/ha Roden</source>
        <translation>l/ha 收获</translation>
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
        <translation>空驶</translation>
    </message>
</context>
<context>
    <name>cOrderEntries</name>
    <message>
        <source>Auftrags Nummer</source>
        <translation>任务编号</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>司机</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>行距</translation>
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
        <translation>无任务数据</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>将报告保存为 PDF</translation>
    </message>
    <message>
        <source>Durchschnitt: %1</source>
        <translation>平均值：%1</translation>
    </message>
</context>
<context>
    <name>cPWRequest</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Passwort:</source>
        <translation>密码:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Terminal %1, Seriennummer %2</source>
        <translation>终端 %1，序列号 %2</translation>
    </message>
    <message>
        <source>Erster Kontakt mit diesem Terminal. Geben Sie das Passwort nur ein, wenn es Ihr Terminal ist.</source>
        <translation>首次与此终端连接。仅当这是您的终端时才输入密码。</translation>
    </message>
</context>
<context>
    <name>cQuelleVerzeichnis</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Datei auswählen</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Schlaege</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>司机</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>无权限</translation>
    </message>
</context>
<context>
    <name>cSSLClient</name>
    <message>
        <source>Zertifikat des Terminals geändert</source>
        <translation>终端证书已更改</translation>
    </message>
    <message>
        <source>Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%3

Jetzt:
%4

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>终端 %1（序列号 %2）出示的证书与之前不同。

之前：
%3

现在：
%4

只有在终端已被更换时才属正常。是否信任新证书并登录？</translation>
    </message>
    <message>
        <source>Das Terminal hat eine ungültige Nachricht gesendet. Die Verbindung wurde getrennt.</source>
        <translation>终端发送了无效消息。连接已断开。</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>无权限</translation>
    </message>
    <message>
        <source>Sie haben Datei erfolgreich importiert.</source>
        <translation>文件导入成功。</translation>
    </message>
    <message>
        <source>Beim Import ist ein Fehler aufgetreten</source>
        <translation>导入时出错</translation>
    </message>
    <message>
        <source>Die empfangene Datei hat keinen gültigen Namen und wurde nicht gespeichert.</source>
        <translation>收到的文件名称无效，未保存。</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden und wurde nicht gesendet.</source>
        <translation>无法读取文件 %1，未发送。</translation>
    </message>
    <message>
        <source>Die empfangene Datei %1 konnte nicht im Ordner %2 gespeichert werden: %3</source>
        <translation>无法将收到的文件 %1 保存到文件夹 %2：%3</translation>
    </message>
    <message>
        <source>Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher.

Bisher:
%2

Jetzt:
%3

Das ist nur richtig, wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?</source>
        <translation>终端 %1 使用了与之前不同的证书。

之前：
%2

现在：
%3

只有在终端已被更换时这才是正确的。信任新证书并登录吗？</translation>
    </message>
    <message>
        <source>Das Terminal %1 hat eine ungültige Seriennummer gesendet. Die Anmeldung wurde abgebrochen.</source>
        <translation>终端 %1 发送了无效的序列号。登录已中止。</translation>
    </message>
</context>
<context>
    <name>cSaisonData</name>
    <message>
        <source>Statistik</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>文件:</translation>
    </message>
    <message>
        <source>Betriebsstunden Motor</source>
        <translation>发动机工作小时</translation>
    </message>
    <message>
        <source>Betriebsstunden Roder</source>
        <translation>收获装置工作小时</translation>
    </message>
    <message>
        <source>heruntergeladene Dateien</source>
        <translation>已下载文件</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>行程</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>油耗</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>油耗 [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>油耗/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>油耗/km</translation>
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
        <translation>汇总</translation>
    </message>
    <message>
        <source>Rodefläche</source>
        <translation>收获面积</translation>
    </message>
    <message>
        <source>Feld</source>
        <translation>田间</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>道路</translation>
    </message>
    <message>
        <source>Möchten Sie die App schließen?</source>
        <translation>是否关闭应用？</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>将报告保存为 PDF</translation>
    </message>
    <message>
        <source>Keine Daten für einen Bericht</source>
        <translation>没有可用于报告的数据</translation>
    </message>
    <message>
        <source>Saisonbericht</source>
        <translation>季节报告</translation>
    </message>
</context>
<context>
    <name>cStreckeAufteilung</name>
    <message>
        <source>Streckenübersicht</source>
        <translation>行程概览</translation>
    </message>
    <message>
        <source>Ansicht: Streckenübersicht</source>
        <translation>视图: 行程概览</translation>
    </message>
    <message>
        <source>Leerfahrt</source>
        <translation>空驶</translation>
    </message>
    <message>
        <source>Roden</source>
        <translation>收获</translation>
    </message>
    <message>
        <source>Anfahrt</source>
        <translation>转场</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Wirklich alles löschen?</source>
        <translation>确定全部删除吗？</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>档案库</translation>
    </message>
</context>
<context>
    <name>cVerbrauch</name>
    <message>
        <source>Verbrauchsübersicht</source>
        <translation>油耗概览</translation>
    </message>
    <message>
        <source>Ansicht: Verbrauchsübersicht</source>
        <translation>视图: 油耗概览</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>行程</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Verbrauch</source>
        <translation>油耗</translation>
    </message>
    <message>
        <source>Verbrauch [l/h]</source>
        <translation>油耗 [l/h]</translation>
    </message>
    <message>
        <source>Verbrauch/ha</source>
        <translation>油耗/ha</translation>
    </message>
    <message>
        <source>Verbrauch/km</source>
        <translation>油耗/km</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Downloadmöglichkeiten:</source>
        <translation>下载选项:</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Schläge</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>司机</translation>
    </message>
    <message>
        <source>Statistik Saison</source>
        <translation>季节统计</translation>
    </message>
    <message>
        <source>Statistik Maschine</source>
        <translation>机器统计</translation>
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
        <translation>是</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>cZeitAufteilung</name>
    <message>
        <source>Zeitaufteilung</source>
        <translation>时间分配</translation>
    </message>
    <message>
        <source>Ansicht: Zeitaufteilung</source>
        <translation>视图: 时间分配</translation>
    </message>
    <message>
        <source>Auftrags Nummer</source>
        <translation>任务编号</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Schlag</source>
        <translation>地块</translation>
    </message>
    <message>
        <source>Fahrer</source>
        <translation>司机</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Reihenabstand</source>
        <translation>行距</translation>
    </message>
    <message>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <source>Zeit Rest</source>
        <translation>其他时间</translation>
    </message>
    <message>
        <source>Zeit Entladen</source>
        <translation>卸料时间</translation>
    </message>
    <message>
        <source>Zeit Roden</source>
        <translation>收获时间</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren Terminals:
(Erkennung durch das Fahrgestellnummer)</source>
        <translation>可用终端列表:
(按底盘号识别)</translation>
    </message>
</context>
</TS>
