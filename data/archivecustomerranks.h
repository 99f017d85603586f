#pragma once

#include <QCollator>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVector>

// The customers' places in the interface language's order, as orders
// arrive: a customer the archive does not know yet gets a place between its
// neighbours, so that its orders sort by customer through an index at once
// and no other customer moves. Where no room is left between two places the
// customer stays without one; the list browser then places all anew
// (ArchiveView::bEnsureCustomerRanks).
class cCustomerRanks
{
public:
    explicit cCustomerRanks(QSqlDatabase& _database);

    // Reads the places kept; false with the driver's error.
    bool bLoad(QSqlError& _error);
    // Places _strKey (known keys are left as they are); false with the
    // driver's error.
    bool bPlace(const QString& _strKey, QSqlError& _error);

private:
    struct Place {
        QString strKey;
        double dRank = 0;
    };

    QSqlDatabase& m_database;
    QVector<Place> m_places; // by rank
    QHash<QString, double> m_known;
    QCollator m_collator;
    bool m_bLocaleKept = false;
    QSqlQuery m_insert;
};
