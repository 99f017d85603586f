#include "app/messages.h"

#include "app/pageframe.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace Messages
{

namespace
{
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
    // The pages' black style sheet reaches a child box and outweighs a sheet
    // on the box itself, so the label and the button get their own sheets.
    const int s32Size = PageFrame::s32ScreenUnit() / 25;
    QMessageBox box(_pParent);
    box.setWindowTitle(QStringLiteral("Feldbrief"));
    box.setText(_strText);
    box.setStandardButtons(QMessageBox::Ok);
    box.setStyleSheet(Style::strBlackPage());
    if (auto* pLabel = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        pLabel->setStyleSheet(QStringLiteral("QLabel{ color: ") + Style::strLabelYellow() +
                              QStringLiteral("; font: ") + QString::number(s32Size) + QStringLiteral("px;}"));
    box.button(QMessageBox::Ok)->setStyleSheet(Style::strButton(s32Size));
    box.exec();
}

void vSetHook(const Hook& _hook)
{
    hook() = _hook;
}

} // namespace Messages
