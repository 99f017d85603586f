#include "mainwindow/cdriveredits.h"

#include "app/messages.h"
#include "mainwindow/clistdisplay.h"
#include "mainwindow/listcontroller.h"

namespace
{

// Ends the edit of a driver when the edit has been applied (or refused).
class EditEnd
{
public:
    explicit EditEnd(cDriverEdits* _pEdits) : m_pEdits(_pEdits) {}
    ~EditEnd() { m_pEdits->vEnd(); }
    EditEnd(const EditEnd&) = delete;
    EditEnd& operator=(const EditEnd&) = delete;

private:
    cDriverEdits* m_pEdits;
};

} // namespace

cDriverEdits::cDriverEdits(QWidget* _pWindow, cListController& _list, cListDisplay* _pDisplay,
                           const std::function<void()>& _fnChanged, const std::function<void()>& _fnEditEnded)
    : m_pWindow(_pWindow), m_list(_list), m_pDisplay(_pDisplay), m_fnChanged(_fnChanged),
      m_fnEditEnded(_fnEditEnded)
{
}

void cDriverEdits::vBegin()
{
    m_list.vBeginDriverEdit();
}

void cDriverEdits::vEnd()
{
    m_list.vEndDriverEdit();
    m_fnEditEnded();
}

bool cDriverEdits::bWrite()
{
    m_fnChanged();
    QString strError;
    if (m_list.bWrite(&strError))
        return true;
    Messages::vShow(m_pWindow, strError);
    return false;
}

void cDriverEdits::vDelete(int _s32Line, int _s32Row)
{
    if (!m_list.bDeleteLine(_s32Line))
        return;
    m_pDisplay->vRemoveRowOfLine(_s32Line, _s32Row);
    bWrite();
}

void cDriverEdits::vReplace(const QString& _strLine, int _s32Line)
{
    const EditEnd end(this);
    if (!m_list.bReplaceLine(_strLine, _s32Line))
        return;
    m_pDisplay->vBuild();
    bWrite();
}

void cDriverEdits::vAdd(const QString& _strLine)
{
    const EditEnd end(this);
    if (!m_list.bAddDriver(_strLine))
        return;
    m_pDisplay->vBuild();
    bWrite();
}
