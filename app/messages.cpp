#include "app/messages.h"

#include "app/pageframe.h"

#include <QMessageBox>

namespace Messages {

namespace {
Hook& hook()
{
    static Hook s_hook;
    return s_hook;
}
} // namespace

void vShow(QWidget* _pParent, const QString& _strText)
{
    if (hook()) {
        hook()(_pParent, _strText);
        return;
    }
    // The pages' black style sheet is inherited by a child box, so its text
    // and button need their own colours to stay readable.
    const int s32Size = PageFrame::s32ScreenUnit() / 25;
    QMessageBox box(_pParent);
    box.setWindowTitle(QStringLiteral("Feldbrief"));
    box.setText(_strText);
    box.setStandardButtons(QMessageBox::Ok);
    box.setStyleSheet(QStringLiteral("QMessageBox{ background-color: rgb(0, 0, 0);}"
                                     "QLabel{ background-color: rgb(0, 0, 0); color: rgb(243, 215, 4); font: ")
                      + QString::number(s32Size) + QStringLiteral("px;}") + Style::strButton(s32Size));
    box.exec();
}

void vSetHook(const Hook& _hook)
{
    hook() = _hook;
}

} // namespace Messages
