#include "app/cdialogseite.h"

#include "app/pageframe.h"

#include <QKeyEvent>

cDialogSeite::cDialogSeite(QWidget* _pParent) : QDialog(_pParent) {}

void cDialogSeite::keyPressEvent(QKeyEvent* _pEvent)
{
    if (PageFrame::bIsBackKey(_pEvent)) {
        _pEvent->accept();
        return;
    }
    QDialog::keyPressEvent(_pEvent);
}

void cDialogSeite::keyReleaseEvent(QKeyEvent* _pEvent)
{
    if (PageFrame::bIsBackKey(_pEvent)) {
        vOnBackKey();
        return;
    }
    QDialog::keyReleaseEvent(_pEvent);
}
