#pragma once

#include "app/navigation.h"
#include "data/statisticsfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace Ui
{
class cSaisonData;
}
class QKeyEvent;
class QLabel;
class QPushButton;
class QScreen;
class cYesNoDialog;

// The season page: the figures of a season or machine statistics file as
// written (file mode), or the totals of the loaded orders file ("Summe",
// totals mode), in one layout of a field and a road column. Its bottom bar
// carries the terminal actions of the main window.
class cSaisonData : public QWidget
{
    Q_OBJECT

public:
    static cSaisonData* instance();
    // Use instance(): there is one page per run.
    cSaisonData();
    ~cSaisonData() override;

    // Targets (app/navigation.h) handed to the navigation hook, with the
    // caller. Before every page except the download selection the season
    // page has hidden itself; the hook sets the caller (or origin) and shows
    // the page (the download selection over this one, the others maximised).

    using Navigator = std::function<void(Navigation::Target _target, Navigation::Caller _caller)>;
    using MessageSender = std::function<void(const QByteArray&)>;
    // While no navigator is set, the settings and downloaded-files buttons and
    // the terminal buttons stay hidden.
    void vSetNavigator(const Navigator& _fnNavigate);
    // Sends a message to the terminal; without it messages are dropped.
    void vSetMessageSender(const MessageSender& _fnSend);

    // label_FileName = " " + name.
    void vSetFileName(const QString& _strFileName);
    // File mode: shows the record of a season or machine statistics file under
    // the view name; an unreadable file changes nothing.
    void vReadStatisticsFile(const QString& _strPath, const QString& _strViewName);
    // Totals mode: the totals of the main window's orders file.
    void vShowOrderTotals();
    bool bFileMode() const { return m_bFileMode; }

    // The product logo and, when connected, the terminal buttons.
    void vSetConnectionState(bool _bConnected);
    void vSetLichtschalterIcon(const QString& _strIcon);
    void vSetExpertModusIcon(const QString& _strIcon);
    // The download selection's chosen request words: back to the main window,
    // then each word goes to the terminal as UTF-8, in list order.
    void vTakeRequestWords(const QStringList& _slWords);

    // Writes the shown figures as a one-page PDF report to the reports folder
    // and offers it (the report button).
    void vSaveReport();

    // The "mailto:" link of the e-mail button: the stored address, the view
    // and file name as subject, the shown figures as body.
    QUrl mailUrl() const;

public slots:
    void onRotate(Qt::ScreenOrientation);

signals:
    // The switch buttons: the main window switches and shows the state.
    void lightSwitchToggleRequested();
    void expertModeToggleRequested();
    // Back to the list: the main window shows its list again.
    void backToListRequested();

private slots:
    void on_pushButton_SendEmail_clicked();
    void on_pushButton_SendToTerminal_clicked();
    void on_pushButton_Download_clicked();
    void on_pushButton_Lichtschalter_clicked();
    void on_pushButton_ExpertModus_clicked();
    void on_pushButton_Einstellungen_clicked();
    void on_pushButton_heruntergeladeneDateien_clicked();
    void on_pushButton_back_clicked();

protected:
    void keyReleaseEvent(QKeyEvent* _pEvent) override;
    void resizeEvent(QResizeEvent* _pEvent) override;

private:
    void vApplySizes();
    void vUpdateButtons();
    void vNavigate(Navigation::Target _target, Navigation::Caller _caller, bool _bHideFirst);
    void vSetMachineHoursVisible(bool _bVisible);
    QString strMailBody() const;

    Ui::cSaisonData* ui;
    QScreen* m_pScreen = nullptr;
    int m_s32Screen = 0;
    QString m_strPath;
    QString m_strFileName;
    StatisticsRecord m_record; // file mode: the record shown
    QString m_strViewName;     // file mode: the view it is shown under
    bool m_bFileMode = false;
    QPushButton* m_pReport = nullptr;
    bool m_bConnected = false;
    cYesNoDialog* m_pYesNo = nullptr;
    Navigator m_fnNavigate;
    MessageSender m_fnSend;
};
