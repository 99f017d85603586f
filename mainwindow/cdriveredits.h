#pragma once

#include <QString>

#include <functional>

class QWidget;
class cListController;
class cListDisplay;

// The line edits of the drivers list as the main window makes them: the
// controller changes the lines, the list shows them and the file is written at
// once. When writing fails the user is told; the edit stays in memory.
class cDriverEdits
{
public:
    // _fnChanged hands the changed list state on; _fnEditEnded runs when an
    // edit has ended, to open a file that arrived meanwhile.
    cDriverEdits(QWidget* _pWindow, cListController& _list, cListDisplay* _pDisplay,
                 const std::function<void()>& _fnChanged, const std::function<void()>& _fnEditEnded);

    void vDelete(int _s32Line, int _s32Row);
    // Replace and add end the edit, also when they are refused.
    void vReplace(const QString& _strLine, int _s32Line);
    void vAdd(const QString& _strLine);
    void vBegin();
    void vEnd();

private:
    bool bWrite();

    QWidget* m_pWindow;
    cListController& m_list;
    cListDisplay* m_pDisplay;
    std::function<void()> m_fnChanged;
    std::function<void()> m_fnEditEnded;
};
