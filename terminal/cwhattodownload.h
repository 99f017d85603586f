#pragma once

#include "app/pageframe.h"

#include <QString>
#include <QStringList>
#include <QWidget>

namespace Ui {
class cWhatToDownload;
}
class QScreen;

// The choice of data to download from the terminal: six kinds to tick; "OK"
// hands one request word per ticked kind to the page that opened it ("Haupt"
// the main window, "Statistik" the season page).
class cWhatToDownload : public QWidget
{
    Q_OBJECT

public:
    static cWhatToDownload* instance();
    ~cWhatToDownload() override;

    void vSetOrigin(const QString& _strOrigin);
    // The request words of the ticked kinds, always in the order "Auftraege",
    // "Schlaege", "Fahrer", "Kunden", "Saison", "Maschine".
    QStringList slChosenWords() const;

private slots:
    void onRotate(Qt::ScreenOrientation);
    void on_pushButton_OK_clicked();
    void on_pushButton_Close_clicked();

private:
    friend cWhatToDownload* PageFrame::tInstance<cWhatToDownload>();
    cWhatToDownload();
    void vApplyStyle();

    Ui::cWhatToDownload* ui;
    QString m_strOrigin;
    QScreen* m_pScreen = nullptr;
};
