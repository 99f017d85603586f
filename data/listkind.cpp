#include "data/listkind.h"

#include <QCoreApplication>

// The terminal names its exports in the language set on it, so a file is
// recognised by these names whatever language this program shows. Entries
// occur twice where the terminal's own tables have them twice, and the tabs
// are part of the entries.
namespace ListNames
{

const QStringList& orderNames()
{
    static const QStringList s_sl{
        QStringLiteral("Aufträge"),   QStringLiteral("Auftraege"), QStringLiteral("orders"),
        QStringLiteral("Contrats"),   QStringLiteral("Задания"),   QStringLiteral("Nalogi"),
        QStringLiteral("Feladatok"),  QStringLiteral("Zlecenia"),  QStringLiteral("Opgaver"),
        QStringLiteral("zakázky"),    QStringLiteral("任务"),      QStringLiteral("uppgifter"),
        QStringLiteral("Zakázky"),    QStringLiteral("Uppdrag"),   QStringLiteral("Ordini"),
        QStringLiteral("Opdrachten"), QStringLiteral("Cometidos"), QStringLiteral("Siparişler")};
    return s_sl;
}

const QStringList& fieldNames()
{
    static const QStringList s_sl{
        QStringLiteral("Schläge"),   QStringLiteral("Schlaege"), QStringLiteral("fields"),
        QStringLiteral("Parcelles"), QStringLiteral("Поля"),     QStringLiteral("Táblák"),
        QStringLiteral("Pola"),      QStringLiteral("Marker"),   QStringLiteral("Pole"),
        QStringLiteral("地块"),      QStringLiteral("Fält"),     QStringLiteral("Appezzamenti"),
        QStringLiteral("Velden"),    QStringLiteral("Parcelas"), QStringLiteral("Vuruşlar")};
    return s_sl;
}

const QStringList& driverNames()
{
    static const QStringList s_sl{
        QStringLiteral("Fahrer"),       QStringLiteral("driver"),       QStringLiteral("Chauffeur"),
        QStringLiteral("Водитель"),     QStringLiteral("Voznik"),       QStringLiteral("Gépkezelő"),
        QStringLiteral("Operator"),     QStringLiteral("Fører\třidič"), QStringLiteral("司机"),
        QStringLiteral("förare"),       QStringLiteral("Conducteur"),   QStringLiteral("Водители"),
        QStringLiteral("Fører\tŘidič"), QStringLiteral("Förare"),       QStringLiteral("Operatore"),
        QStringLiteral("Chauffeur"),    QStringLiteral("Conductores"),  QStringLiteral("Sürücü")};
    return s_sl;
}

const QStringList& customerNames()
{
    static const QStringList s_sl{
        QStringLiteral("Kunden"),   QStringLiteral("clients"),   QStringLiteral("Clients"),
        QStringLiteral("Клиенты"),  QStringLiteral("Vevők"),     QStringLiteral("Klienci"),
        QStringLiteral("Kunder"),   QStringLiteral("Zákazníci"), QStringLiteral("客户"),
        QStringLiteral("Kunder"),   QStringLiteral("Clienti"),   QStringLiteral("Klanten"),
        QStringLiteral("Clientes"), QStringLiteral("Müşteriler")};
    return s_sl;
}

const QStringList& seasonNames()
{
    static const QStringList s_sl{
        QStringLiteral("Statistik Saison"),   QStringLiteral("statistcs season"),
        QStringLiteral("Statistique Saison"), QStringLiteral("Статистика сезона"),
        QStringLiteral("Statistika sezone"),  QStringLiteral("Szezon statisztika"),
        QStringLiteral("Statystyka sezonu"),  QStringLiteral("Statistik sæson"),
        QStringLiteral("sezónní statistika"), QStringLiteral("季节统计数据"),
        QStringLiteral("statistik säsong"),   QStringLiteral("Statistica stagione"),
        QStringLiteral("Seizoenstatistiek"),  QStringLiteral("Estatísticas de campaña"),
        QStringLiteral("Sezon istatistiği")};
    return s_sl;
}

const QStringList& machineNames()
{
    static const QStringList s_sl{
        QStringLiteral("Statistik Maschine"),    QStringLiteral("statistics machine"),
        QStringLiteral("Statistique Machine"),   QStringLiteral("Статистика машины"),
        QStringLiteral("Statistika stroja"),     QStringLiteral("Gép statisztika"),
        QStringLiteral("Statystyka maszyny"),    QStringLiteral("Statistik maskine"),
        QStringLiteral("statistika stroje"),     QStringLiteral("机器统计数据"),
        QStringLiteral("statistik maskin"),      QStringLiteral("Statistica macchina"),
        QStringLiteral("Makinenin istatistiği"), QStringLiteral("Machinestatistieken"),
        QStringLiteral("Statistik Maschine")};
    return s_sl;
}

bool bContainsAny(const QString& _strFileName, const QStringList& _slNames)
{
    for (const QString& strName : _slNames) {
        if (_strFileName.contains(strName, Qt::CaseSensitive))
            return true;
    }
    return false;
}

namespace
{

// Only the name decides, never the folders above it.
QString strNameOf(const QString& _strPath)
{
    return _strPath.mid(_strPath.lastIndexOf(QLatin1Char('/')) + 1);
}

bool bContainsWord(const QString& _strName, const QString& _strWord)
{
    return !_strWord.isEmpty() && _strName.contains(_strWord, Qt::CaseSensitive);
}

} // namespace

bool bIsOrderList(const QString& _strFileName)
{
    const QString strName = strNameOf(_strFileName);
    return bContainsWord(strName, QCoreApplication::translate("cHaupt", "Aufträge")) ||
           bContainsWord(strName, QCoreApplication::translate("cHaupt", "Auftraege")) ||
           bContainsAny(strName, orderNames());
}

bool bIsFieldList(const QString& _strFileName)
{
    const QString strName = strNameOf(_strFileName);
    return bContainsWord(strName, QCoreApplication::translate("cHaupt", "Schläge")) ||
           bContainsWord(strName, QCoreApplication::translate("cHaupt", "Schlaege")) ||
           bContainsAny(strName, fieldNames());
}

bool bIsDriverList(const QString& _strFileName)
{
    const QString strName = strNameOf(_strFileName);
    return bContainsWord(strName, QCoreApplication::translate("cHaupt", "Fahrer")) ||
           bContainsAny(strName, driverNames());
}

bool bIsCustomerList(const QString& _strFileName)
{
    const QString strName = strNameOf(_strFileName);
    return bContainsWord(strName, QCoreApplication::translate("cHaupt", "Kunden")) ||
           bContainsAny(strName, customerNames());
}

bool bIsSeasonList(const QString& _strFileName)
{
    const QString strName = strNameOf(_strFileName);
    return bContainsWord(strName, QCoreApplication::translate("cHaupt", "Statistik Saison")) ||
           bContainsAny(strName, seasonNames());
}

bool bIsMachineList(const QString& _strFileName)
{
    const QString strName = strNameOf(_strFileName);
    return bContainsWord(strName, QCoreApplication::translate("cHaupt", "Statistik Maschine")) ||
           bContainsAny(strName, machineNames());
}

ListKind kindOfFile(const QString& _strPath)
{
    if (bIsOrderList(_strPath))
        return ListKind::Orders;
    if (bIsFieldList(_strPath))
        return ListKind::Fields;
    if (bIsDriverList(_strPath))
        return ListKind::Drivers;
    if (bIsCustomerList(_strPath))
        return ListKind::Customers;
    if (bIsSeasonList(_strPath))
        return ListKind::Season;
    if (bIsMachineList(_strPath))
        return ListKind::Machine;
    return ListKind::None;
}

} // namespace ListNames
