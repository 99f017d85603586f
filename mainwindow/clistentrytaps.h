#pragma once

#include <QString>

#include <functional>

class QModelIndex;
class cHaupt;
class cListController;

// What a tap on an entry of the main window's list does, by the list's kind:
// an order opens its statistics pages, a customer's telephone number is
// dialled, a driver goes to the driver editor or, from the delete column, is
// deleted once the user agreed.
class cListEntryTaps
{
public:
    // _fnOpenOrder opens the order of the tapped row.
    cListEntryTaps(cHaupt* _pWindow, const cListController& _list,
                   const std::function<void(const QModelIndex&)>& _fnOpenOrder);

    void vTap(const QModelIndex& _index);
    // An empty line and no line number: a new driver.
    void vOpenDriverEditor(const QString& _strLine, int _s32Line);

private:
    static void vDialCustomer(const QModelIndex& _index);
    void vDriverTapped(const QModelIndex& _index);

    cHaupt* m_pWindow;
    const cListController& m_list;
    std::function<void(const QModelIndex&)> m_fnOpenOrder;
};
