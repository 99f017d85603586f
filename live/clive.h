#pragma once

#include "app/cdialogseite.h"

#include <QDialog>
#include <QHash>
#include <QRect>

#include <functional>

namespace Ui
{
class cLive;
}
class QScreen;

// The live dashboard: shows the running harvester's values as the terminal
// reports them. Every value goes straight into the widget of its name; the
// page keeps no model of its own. The back key closes it and stops the flow.
class cLive : public cDialogSeite
{
    Q_OBJECT

public:
    static cLive* instance();
    cLive();
    ~cLive() override;

    // Decodes one live data record and applies each of its values.
    void vReceiveLiveData(const QByteArray& _baRecord);
    // Applies one value: a status symbol, a sensor-group switch, or the text,
    // position or level of the widget named _strKey.
    void vSetLiveValue(const QString& _strKey, const QString& _strText);

    // Where the page sends its commands to the terminal ("StopLIVE" when it
    // closes). Without a sender nothing is sent.
    void vSetMessageSender(std::function<void(const QByteArray&)> _fnSender);

public slots:
    void onRotate(Qt::ScreenOrientation);

private slots:
    // The back button in the corner does what the back key does.
    void on_pushButton_back_clicked();

protected:
    void vOnBackKey() override;
    void resizeEvent(QResizeEvent* _pEvent) override;

private:
    void vRescale();
    void vFitCaptions();
    void vSwitchGroup(const QString& _strKey, int _s32Value);
    void vSetBarValue(const QString& _strBar, int _s32Value);
    QRect rectForWidget(QWidget* _pWidget, int _s32F29) const;

    Ui::cLive* ui;
    QScreen* m_pScreen = nullptr;
    int m_s32Width = 0;
    int m_s32Height = 0;
    double m_dSx = 1.0;
    double m_dSy = 1.0;
    // Each widget's rectangle in the reference design, read from the form.
    QHash<QWidget*, QRect> m_hashDesignRects;
    // Design rectangles of the widgets that a sensor-group switch has moved.
    QHash<QString, QRect> m_hashToggledRects;
    std::function<void(const QByteArray&)> m_fnSendMessage;
};
