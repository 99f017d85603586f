#include "mainwindow/clistentrytaps.h"

#include "app/cyesnodialog.h"
#include "mainwindow/ceditdialog.h"
#include "mainwindow/chaupt.h"
#include "mainwindow/clistmodelbuilder.h"
#include "mainwindow/listcolumns.h"
#include "mainwindow/listcontroller.h"

#include <QDesktopServices>
#include <QPersistentModelIndex>
#include <QUrl>

cListEntryTaps::cListEntryTaps(cHaupt* _pWindow, const cListController& _list,
                               const std::function<void(const QModelIndex&)>& _fnOpenOrder)
    : m_pWindow(_pWindow), m_list(_list), m_fnOpenOrder(_fnOpenOrder)
{
}

void cListEntryTaps::vTap(const QModelIndex& _index)
{
    if (!_index.isValid())
        return;
    switch (m_list.kind()) {
    case ListKind::Orders:
        m_fnOpenOrder(_index);
        break;
    case ListKind::Customers:
        vDialCustomer(_index);
        break;
    case ListKind::Drivers:
        // Drivers are edited in their file; the archive is read-only.
        if (!m_list.bArchive())
            vDriverTapped(_index);
        break;
    default:
        break;
    }
}

void cListEntryTaps::vDialCustomer(const QModelIndex& _index)
{
    const QString strText = _index.sibling(_index.row(), ListColumns::ENTRY).data().toString();
    const QString strPhoneLine =
        strText.split(QLatin1Char('\n')).value(cListModelBuilder::CUSTOMER_PHONE_LINE);
    const QString strNumber = strPhoneLine.split(QLatin1Char(':')).value(1).mid(1);
    if (!strNumber.trimmed().isEmpty())
        QDesktopServices::openUrl(QUrl(QStringLiteral("tel:") + strNumber));
}

void cListEntryTaps::vDriverTapped(const QModelIndex& _index)
{
    const int s32Line = _index.sibling(_index.row(), ListColumns::DRIVER_LINE).data().toInt();
    if (_index.column() == ListColumns::ENTRY) {
        if (m_list.bHasRecordLine(s32Line))
            vOpenDriverEditor(m_list.strLineAsBuilt(s32Line), s32Line);
    } else if (_index.column() == ListColumns::DRIVER_DELETE) {
        cYesNoDialog dialog(m_pWindow);
        dialog.vSetTitle(QString());
        dialog.vSetText(cHaupt::tr("Wollen Sie den Eintrag wirklich löschen?"));
        // The row stays the one asked about while the question is open.
        const QPersistentModelIndex row(_index);
        m_pWindow->vBeginDriverEdit();
        if (dialog.exec() == 1 && row.isValid())
            m_pWindow->vDeleteEntry(s32Line, row.row());
        m_pWindow->vEndDriverEdit();
    }
}

void cListEntryTaps::vOpenDriverEditor(const QString& _strLine, int _s32Line)
{
    m_pWindow->hide();
    m_pWindow->vBeginDriverEdit();
    cEditDialog* pEditor = cEditDialog::instance();
    if (_s32Line > 0)
        pEditor->vEditDriver(_strLine, _s32Line);
    else
        pEditor->vNewDriver();
    pEditor->showMaximized();
}
