#pragma once

#include <QDialog>

namespace Ui
{
class cYesNoDialog;
}
class QScreen;

// The application's modal question box in the black-and-yellow style:
// exec() returns 1 for "Ja" and 0 for "Nein" (or any other way of closing).
class cYesNoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit cYesNoDialog(QWidget* parent = nullptr);
    ~cYesNoDialog() override;

    void vSetTitle(const QString& _strTitle);
    void vSetText(const QString& _strText);

    // The text size of the title, text and buttons in whole pixels: S / 27.43,
    // rounded (a style sheet takes no fractional pixel size and would fall
    // back to the default font).
    static int s32TextSize(int _s32Screen);

private slots:
    void on_pushButton_nein_clicked();
    void on_pushButton_ja_clicked();
    void onRotate(Qt::ScreenOrientation);

private:
    Ui::cYesNoDialog* ui;
    QScreen* m_pScreen = nullptr;
};
