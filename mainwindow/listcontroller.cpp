#include "mainwindow/listcontroller.h"

#include "app/settingsstore.h"

#include <QDir>
#include <QFileInfo>

cListController::cListController()
{
    m_strPfad = SettingsStore::LIST_PATH.tValue();
    m_strWhichTypeOfList = SettingsStore::LIST_TYPE.tValue();
    m_kind = ListNames::kindOfFile(m_strWhichTypeOfList);
}

ListState cListController::listState() const
{
    ListState state;
    state.slLines = m_content.slLines;
    state.slSortedOrderLines = m_slSortedOrderLines;
    state.orderTotals = m_orderTotals;
    state.strCurrentOrderLine = m_strCurrentOrderLine;
    state.strFileName = m_strWhichTypeOfList;
    return state;
}

// ---- opening files --------------------------------------------------------------------------

QString cListController::strOpened()
{
    return QStringLiteral("good job");
}

bool cListController::bDefer(const QString& _strPath)
{
    if (!m_bLoading && !m_bEditPending)
        return false;
    m_strPendingPath = _strPath;
    return true;
}

void cListController::vClear()
{
    m_content = ListFileContent();
    m_slSortedOrderLines.clear();
    m_ls32SortedOrderLineNumbers.clear();
    m_ls32LineOfRow.clear();
    m_lDeletedLines.clear();
    m_orderTotals.vReset();
    m_strCurrentOrderLine.clear();
}

void cListController::vShowArchive(ListKind _kind, const QStringList& _slLines, const QString& _strName)
{
    vClear();
    m_content.slLines = _slLines;
    m_kind = _kind;
    m_strWhichTypeOfList = _strName;
    m_bFileRead = true;
    m_bArchive = true;
}

void cListController::vForget()
{
    vClear();
    m_kind = ListKind::None;
    m_strWhichTypeOfList.clear();
    m_bFileRead = false;
    m_bArchive = false;
}

QString cListController::strRead(const QString& _strPath)
{
    m_bArchive = false;
    ListFileContent content;
    QString strError;
    m_bFileRead = ListFile::bRead(_strPath, content, &strError);
    if (!m_bFileRead) {
        // Nothing of another file may be edited or written under this one.
        m_kind = ListKind::None;
        return tr("Die Datei %1 konnte nicht geöffnet werden: %2")
            .arg(QDir::toNativeSeparators(_strPath), strError);
    }
    m_content = content;
    m_strWhichTypeOfList = _strPath.mid(_strPath.lastIndexOf(QLatin1Char('/')) + 1);
    m_strPfad = _strPath;
    SettingsStore::LIST_PATH.vSet(m_strPfad);
    SettingsStore::LIST_TYPE.vSet(m_strWhichTypeOfList);
    m_kind = ListNames::kindOfFile(m_strWhichTypeOfList);
    return strOpened();
}

QString cListController::strTakePendingPath()
{
    const QString strPath = m_strPendingPath;
    m_strPendingPath.clear();
    return strPath;
}

void cListController::vTakeReceivedName(const QString& _strName)
{
    if (!m_bLoading && !m_bEditPending)
        m_strWhichTypeOfList = _strName;
}

bool cListController::bRequestRead(const QString& _strPath)
{
    m_bReadRequested = true;
    if (_strPath.isEmpty())
        return false;
    m_strRequestedPath = _strPath;
    return true;
}

bool cListController::bOpenLastAtStart() const
{
    return !m_bReadRequested && !m_bLoading && !m_strPfad.isEmpty() && QFileInfo::exists(m_strPfad);
}

// ---- orders ---------------------------------------------------------------------------------

void cListController::vTakeOrderBuild(const cOrderTotals& _totals, const QDate& _dateMin,
                                      const QDate& _dateMax, const QVector<int>& _ls32LineOfRow)
{
    m_orderTotals = _totals;
    m_dateMin = _dateMin;
    m_dateMax = _dateMax;
    m_ls32LineOfRow = _ls32LineOfRow;
}

void cListController::vTakeShownOrders(const std::function<bool(int)>& _fnShown, int _s32Generation)
{
    m_slSortedOrderLines.clear();
    m_ls32SortedOrderLineNumbers.clear();
    m_s32ShownGeneration = _s32Generation;
    if (m_kind != ListKind::Orders)
        return;
    // The model's rows are in the order shown; the filter only leaves some out.
    const int s32Rows = m_ls32LineOfRow.size();
    m_slSortedOrderLines.reserve(s32Rows);
    m_ls32SortedOrderLineNumbers.reserve(s32Rows);
    for (int r = 0; r < s32Rows; ++r) {
        const int s32Line = m_ls32LineOfRow.at(r);
        if (_fnShown(r) && s32Line > 0 && s32Line < slLines().size()) {
            m_slSortedOrderLines.append(slLines().at(s32Line));
            m_ls32SortedOrderLineNumbers.append(s32Line);
        }
    }
}

int cListController::s32OpenOrder(int _s32Number, int _s32Row)
{
    // A number that is no record line opens the order pages without order
    // data, never with the figures of an order opened before.
    if (_s32Number <= 0 || _s32Number >= slLines().size()) {
        m_strCurrentOrderLine.clear();
        return -1;
    }
    m_strCurrentOrderLine = slLines().at(_s32Number);
    // The order pages step from the order they show: in the file's lines that
    // is its number, in the sorted lines the place of that line.
    if (s32SortMode() == 0)
        return _s32Number;
    const int s32Place = m_ls32SortedOrderLineNumbers.indexOf(_s32Number);
    return s32Place < 0 ? _s32Row : s32Place; // its line is filtered out of the list
}

// ---- line edits of the drivers list ---------------------------------------------------------

int cListController::s32CurrentLineOf(int _s32LineAsBuilt) const
{
    int s32Before = 0;
    for (int s32Deleted : m_lDeletedLines) {
        if (s32Deleted < _s32LineAsBuilt)
            ++s32Before;
    }
    return _s32LineAsBuilt - s32Before;
}

bool cListController::bHasRecordLine(int _s32LineAsBuilt) const
{
    const int s32Current = s32CurrentLineOf(_s32LineAsBuilt);
    return s32Current > 0 && s32Current < slLines().size();
}

QString cListController::strLineAsBuilt(int _s32LineAsBuilt) const
{
    return bHasRecordLine(_s32LineAsBuilt) ? slLines().at(s32CurrentLineOf(_s32LineAsBuilt)) : QString();
}

bool cListController::bDeleteLine(int _s32LineAsBuilt)
{
    if (m_kind != ListKind::Drivers || m_bArchive || m_lDeletedLines.contains(_s32LineAsBuilt) ||
        !bHasRecordLine(_s32LineAsBuilt))
        return false;
    const int s32Current = s32CurrentLineOf(_s32LineAsBuilt);
    m_lDeletedLines.append(_s32LineAsBuilt);
    m_content.slLines.removeAt(s32Current);
    return true;
}

bool cListController::bReplaceLine(const QString& _strLine, int _s32LineAsBuilt)
{
    if (m_kind != ListKind::Drivers || m_bArchive || !bHasRecordLine(_s32LineAsBuilt))
        return false;
    m_content.slLines[s32CurrentLineOf(_s32LineAsBuilt)] = _strLine;
    return true;
}

bool cListController::bAddDriver(const QString& _strLine)
{
    if (m_kind != ListKind::Drivers || m_bArchive)
        return false;
    // A file ending with a line break keeps it: the new line goes before the
    // empty last element.
    QStringList& slFileLines = m_content.slLines;
    if (slFileLines.isEmpty())
        slFileLines.append(QString()); // line 0 is the header, never a driver
    if (slFileLines.size() >= 2 && slFileLines.last().isEmpty())
        slFileLines.insert(slFileLines.size() - 1, _strLine);
    else
        slFileLines.append(_strLine);
    return true;
}

bool cListController::bWrite(QString* _pError) const
{
    return ListFile::bWrite(m_strPfad, m_content, _pError);
}
