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

void vApplyStyle(QMessageBox& _box)
{
    // The pages' black style sheet reaches a child box and outweighs a sheet
    // on the box itself, so the label and the buttons get their own sheets.
    const int s32Size = PageFrame::s32ScreenUnit() / 25;
    _box.setWindowTitle(QStringLiteral("Feldbrief"));
    _box.setStyleSheet(Style::strBlackPage());
    if (auto* pLabel = _box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        pLabel->setStyleSheet(QStringLiteral("QLabel{ color: ") + Style::strLabelYellow() +
                              QStringLiteral("; font: ") + QString::number(s32Size) + QStringLiteral("px;}"));
    // The box lays its buttons out by the sizes they had before their sheets
    // made the text larger; each is held as wide as its text now needs, in
    // whichever language.
    for (QAbstractButton* pButton : _box.buttons()) {
        pButton->setStyleSheet(Style::strButton(s32Size));
        pButton->ensurePolished();
        pButton->setMinimumWidth(pButton->sizeHint().width());
    }
}

void vShow(QWidget* _pParent, const QString& _strText)
{
    if (hook()) {
        hook()(_pParent, _strText);
        return;
    }
    QMessageBox box(_pParent);
    box.setText(_strText);
    box.setStandardButtons(QMessageBox::Ok);
    vApplyStyle(box);
    box.exec();
}

void vSetHook(const Hook& _hook)
{
    hook() = _hook;
}

} // namespace Messages
