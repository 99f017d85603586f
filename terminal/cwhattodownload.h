#pragma once

#include "app/navigation.h"
#include "app/pageframe.h"

#include <QString>
#include <QStringList>
#include <QWidget>

namespace Ui
{
class cWhatToDownload;
}
class QScreen;

// The choice of data to download from the terminal: six kinds to tick; "OK"
// hands one request word per ticked kind to the page that opened it (the
// main window, or the season page as "Statistik").
class cWhatToDownload : public QWidget
{
    Q_OBJECT

public:
    static cWhatToDownload* instance();
    ~cWhatToDownload() override;

    void vSetOrigin(Navigation::Caller _origin);
    Navigation::Caller origin() const { return m_origin; }
    // The request words of the ticked kinds, always in the order "Auftraege",
    // "Schlaege", "Fahrer", "Kunden", "Saison", "Maschine".
    QStringList slChosenWords() const;

signals:
    // "OK" with at least one kind ticked: the words for the page that opened
    // the selection.
    void requestWordsChosen(Navigation::Caller _origin, const QStringList& _slWords);

private slots:
    void onRotate(Qt::ScreenOrientation);
    void on_pushButton_OK_clicked();
    void on_pushButton_Close_clicked();

private:
    friend cWhatToDownload* PageFrame::tInstance<cWhatToDownload>();
    cWhatToDownload();
    void vApplyStyle();

    Ui::cWhatToDownload* ui;
    Navigation::Caller m_origin = Navigation::Caller::Main;
    QScreen* m_pScreen = nullptr;
};
