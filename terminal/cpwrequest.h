#pragma once

#include <QByteArray>
#include <QDialog>

namespace Ui
{
class cPWRequest;
}
class QScreen;

// Asks for the password of a terminal. It finishes
// with 1 after "OK" (the text is then in m_baPassword, as Latin-1) and with 0
// after "Abbrechen". The link shows it without exec() and takes the answer
// from finished(), so that no event loop runs inside the link's handlers.
class cPWRequest : public QDialog
{
    Q_OBJECT

public:
    explicit cPWRequest(QWidget* parent = nullptr);
    ~cPWRequest() override;

    // Names the machine above the password field, and says when the link has
    // met it for the first time: the user should then make sure it is the
    // own terminal before typing its password.
    void vShowMachine(const QString& _strChassis, const QByteArray& _baSerial, bool _bFirstContact);

    QByteArray m_baPassword;

private slots:
    void onRotate(Qt::ScreenOrientation);
    void on_PWRequOkButton_clicked();
    void on_PWRequCloseButton_clicked();

private:
    // The height the form needs at that width, with the machine's lines.
    int s32NeededHeight(int _s32Width) const;

    Ui::cPWRequest* ui;
    QScreen* m_pScreen = nullptr;
};
