#include "app/firstcontact.h"

#include "app/cyesnodialog.h"
#include "terminal/cpwrequest.h"
#include "terminal/fingerprint.h"

#include <QCoreApplication>
#include <QScreen>

namespace FirstContact
{

// Shown, not executed: the dialog is served by the application's event loop,
// and the link goes on reading while it waits for the user. It blocks the
// pages as a modal dialog does (open() would make it modal to its parent
// window only, and it has none); finished() carries the answer.
void vAskPassword(const cSSLClient::PasswordRequest& _request, const cSSLClient::PasswordAnswer& _fnAnswer)
{
    auto* pDialog = new cPWRequest(nullptr);
    pDialog->vShowMachine(_request.strChassis, _request.baSerial, _request.bFirstContact);
    pDialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(pDialog, &QDialog::finished, pDialog, [pDialog, _fnAnswer](int _s32Result) {
        pDialog->deleteLater();
        _fnAnswer(_s32Result == 1, pDialog->m_baPassword);
    });
    pDialog->show();
}

// Shown the same way as the password dialog. The text is longer than the
// dialog's usual question: a fingerprint takes two lines of sixteen bytes,
// about 1.1 times the screen's shorter side at the dialog's text size. The
// dialog widens to that as far as the screen allows (on a narrower one the
// lines wrap once more) and grows to the height of the text.
void vAskCertificateTrust(const cSSLClient::CertificateQuestion& _question,
                          const cSSLClient::CertificateAnswer& _fnAnswer)
{
    auto* pDialog = new cYesNoDialog(nullptr);
    pDialog->setWindowModality(Qt::ApplicationModal);
    pDialog->vSetTitle(QCoreApplication::translate("cSSLClient", "Zertifikat des Terminals geändert"));
    // A terminal that logs in without a serial number is named by its
    // chassis number alone.
    const QString strKept = Fingerprint::strFormat(_question.baKeptFingerprint, 16);
    const QString strShown = Fingerprint::strFormat(_question.baShownFingerprint, 16);
    pDialog->vSetText(
        _question.baSerial.isEmpty()
            ? QCoreApplication::translate(
                  "cSSLClient", "Das Terminal %1 weist sich mit einem anderen Zertifikat aus als bisher."
                                "\n\nBisher:\n%2\n\nJetzt:\n%3\n\nDas ist nur richtig, wenn das "
                                "Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?")
                  .arg(_question.strChassis, strKept, strShown)
            : QCoreApplication::translate(
                  "cSSLClient",
                  "Das Terminal %1 (Seriennummer %2) weist sich mit einem anderen Zertifikat "
                  "aus als bisher.\n\nBisher:\n%3\n\nJetzt:\n%4\n\nDas ist nur richtig, "
                  "wenn das Terminal ersetzt wurde. Dem neuen Zertifikat vertrauen und anmelden?")
                  .arg(_question.strChassis, QString::fromUtf8(_question.baSerial), strKept, strShown));
    pDialog->ensurePolished();
    const QScreen* pScreen = pDialog->screen();
    const QRect available = pScreen ? pScreen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int s32Side = qMin(available.width(), available.height());
    const int s32Width = qMin(available.width() * 19 / 20, qMax(pDialog->width(), s32Side * 11 / 10));
    const int s32Height =
        qMin(available.height() * 19 / 20, qMax(pDialog->height(), pDialog->heightForWidth(s32Width)));
    pDialog->setGeometry(available.x() + (available.width() - s32Width) / 2,
                         available.y() + (available.height() - s32Height) / 2, s32Width, s32Height);
    QObject::connect(pDialog, &QDialog::finished, pDialog, [pDialog, _fnAnswer](int _s32Result) {
        pDialog->deleteLater();
        _fnAnswer(_s32Result == 1);
    });
    pDialog->show();
}

} // namespace FirstContact
