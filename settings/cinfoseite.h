#pragma once

#include "app/pageframe.h"

#include <QWidget>

namespace Ui
{
class cInfoSeite;
}

// What the application is: its version, the version of the GUI library it
// runs on with the library's about box, and the maker's credit line. Opened
// from the settings page; the back key returns there.
class cInfoSeite : public QWidget
{
    Q_OBJECT

public:
    static cInfoSeite* instance();
    ~cInfoSeite() override;

    static QString strVersion();

protected:
    void keyReleaseEvent(QKeyEvent* _pEvent) override;

private slots:
    void on_pushButton_AboutQt_clicked();
    // The header's back button does what the back key does.
    void on_pushButton_back_clicked();

private:
    friend cInfoSeite* PageFrame::tInstance<cInfoSeite>();
    cInfoSeite();

    Ui::cInfoSeite* ui;
    int m_s32Screen = 0;
};
