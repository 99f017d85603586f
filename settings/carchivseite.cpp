#include "settings/carchivseite.h"
#include "ui_carchivseite.h"

#include "app/messages.h"
#include "app/navigation.h"

#include <QDir>
#include <QKeyEvent>

namespace
{

const int DEFAULT_PORT = 5432;

// A path or a server name has no spaces to wrap at: a zero-width space after
// each separator lets a long one wrap there instead of widening the page.
QString strWrappable(const QString& _strText)
{
    QString strWrapped;
    for (const QChar c : _strText) {
        strWrapped += c;
        if (c == QLatin1Char('/') || c == QLatin1Char('@') || c == QLatin1Char(':'))
            strWrapped += QChar(0x200B);
    }
    return strWrapped;
}

// The port of the field, or 0 for a text that is no port.
int s32PortOf(const QString& _strPort)
{
    bool bNumber = false;
    const int s32Port = _strPort.trimmed().toInt(&bNumber);
    return bNumber && s32Port >= 1 && s32Port <= 65535 ? s32Port : 0;
}

} // namespace

cArchivSeite* cArchivSeite::instance()
{
    return PageFrame::tInstance<cArchivSeite>();
}

cArchivSeite::cArchivSeite() : QWidget(nullptr), ui(new Ui::cArchivSeite)
{
    ui->setupUi(this);
    PageFrame::vMakeKinetic(ui->scrollArea);
    m_pScreen = PageFrame::pFollowOrientation(this);
    const Qt::InputMethodHints plain = Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText;
    ui->lineEdit_Server->setInputMethodHints(plain | Qt::ImhUrlCharactersOnly);
    ui->lineEdit_Port->setInputMethodHints(Qt::ImhDigitsOnly);
    ui->lineEdit_Port->setMaxLength(5);
    ui->lineEdit_Datenbank->setInputMethodHints(plain);
    ui->lineEdit_Benutzer->setInputMethodHints(plain);
    ui->lineEdit_Passwort->setInputMethodHints(plain | Qt::ImhHiddenText | Qt::ImhSensitiveData);
    for (QLineEdit* pEdit : {ui->lineEdit_Server, ui->lineEdit_Port, ui->lineEdit_Datenbank,
                             ui->lineEdit_Benutzer, ui->lineEdit_Passwort}) {
        PageFrame::vHideKeyboardOnFinish(pEdit);
        connect(pEdit, &QLineEdit::textEdited, this, [this] { vSetApplied(QString()); });
    }
    vApplyStyle();
    vSetArchiveState(QString(), false, 0);
    vLoadSettings();
}

cArchivSeite::~cArchivSeite()
{
    delete ui;
}

void cArchivSeite::vApplyStyle()
{
    const int S = PageFrame::s32ScreenUnit();
    const int s32Text = S / 25;
    const int s32Field = S / 22;
    ui->label_ARCHIV->setStyleSheet(Style::strTitleLabel(S / 21));
    PageFrame::vSetupBackButton(ui->pushButton_back, S);
    // Labels and fields of a server that is not used are greyed out.
    const QString strGrey = QStringLiteral("rgb(110, 110, 110)");
    for (QLabel* pLabel :
         {ui->label_Archiv, ui->label_Warten, ui->label_Server, ui->label_Port, ui->label_Datenbank,
          ui->label_Benutzer, ui->label_Passwort, ui->label_Uebernommen})
        pLabel->setStyleSheet(Style::strLabelOnBlack(s32Text) + QStringLiteral(" QLabel:disabled{color: ") +
                              strGrey + QStringLiteral(";}"));
    for (QLineEdit* pEdit : {ui->lineEdit_Server, ui->lineEdit_Port, ui->lineEdit_Datenbank,
                             ui->lineEdit_Benutzer, ui->lineEdit_Passwort})
        pEdit->setStyleSheet(Style::strLineEdit(s32Field) +
                             QStringLiteral(" QLineEdit:disabled{background-color: ") + strGrey +
                             QStringLiteral("; color: rgb(40, 40, 40);}"));
    // The box is drawn by the sheet, so that it stays visible on black: a
    // yellow frame, filled yellow when ticked.
    ui->checkBox_Server->setStyleSheet(
        QStringLiteral(
            "QCheckBox{color: %3; font: bold %1px; spacing: %1px;} QCheckBox::indicator{width: %2px; "
            "height: %2px; border: 2px solid %3; background-color: rgb(0, 0, 0);}"
            " QCheckBox::indicator:checked{background-color: %3;}")
            .arg(QString::number(s32Text), QString::number(s32Field), Style::strYellow()));
    ui->pushButton_Uebernehmen->setStyleSheet(Style::strButton(s32Text));
    // The explanation is smaller than what the user acts on.
    ui->label_Hinweis->setStyleSheet(Style::strLabelOnBlack(S / 32));
}

void cArchivSeite::vLoadSettings()
{
    const ArchiveServer server = ArchiveServer::load();
    ui->lineEdit_Server->setText(server.strHost);
    ui->lineEdit_Port->setText(QString::number(server.s32Port));
    ui->lineEdit_Datenbank->setText(server.strDatabase);
    ui->lineEdit_Benutzer->setText(server.strUser);
    ui->lineEdit_Passwort->setText(server.strPassword);
    // A long name shows its beginning.
    for (QLineEdit* pEdit : {ui->lineEdit_Server, ui->lineEdit_Datenbank, ui->lineEdit_Benutzer})
        pEdit->setCursorPosition(0);
    ui->checkBox_Server->setChecked(server.bUse);
    // A box that was ticked already sends no toggle: the fields follow here.
    on_checkBox_Server_toggled(server.bUse);
    vSetApplied(QString());
}

ArchiveServer cArchivSeite::serverOfFields() const
{
    ArchiveServer server;
    server.bUse = ui->checkBox_Server->isChecked();
    server.strHost = ui->lineEdit_Server->text().trimmed();
    // A port that is no port is kept from being used by strProblem(); a
    // server that is not used keeps the usual one.
    const int s32Port = s32PortOf(ui->lineEdit_Port->text());
    server.s32Port = s32Port ? s32Port : DEFAULT_PORT;
    server.strDatabase = ui->lineEdit_Datenbank->text().trimmed();
    server.strUser = ui->lineEdit_Benutzer->text().trimmed();
    server.strPassword = ui->lineEdit_Passwort->text();
    return server;
}

QString cArchivSeite::strProblem(const ArchiveServer& _server, const QString& _strPort)
{
    if (!_server.bUse)
        return QString();
    if (_server.strHost.trimmed().isEmpty())
        return tr("Bitte geben Sie den Archivserver ein: seinen Namen oder seine Adresse.");
    if (!s32PortOf(_strPort))
        return tr("Bitte geben Sie als Port eine Zahl von 1 bis 65535 ein (meist 5432).");
    if (_server.strDatabase.trimmed().isEmpty())
        return tr("Bitte geben Sie die Datenbank des Archivs auf dem Server ein.");
    return QString();
}

void cArchivSeite::vSetArchiveState(const QString& _strArchive, bool _bServer, int _s32Waiting)
{
    if (_strArchive.isEmpty()) {
        ui->label_Archiv->setText(tr("Archiv: noch nicht geöffnet"));
        ui->label_Warten->clear();
        return;
    }
    ui->label_Archiv->setText(
        _bServer ? tr("Archiv: Server %1").arg(strWrappable(_strArchive))
                 : tr("Archiv: %1").arg(strWrappable(QDir::toNativeSeparators(_strArchive))));
    ui->label_Warten->setText(_s32Waiting > 0
                                  ? tr("Listen, die auf die Übernahme ins Archiv warten: %1").arg(_s32Waiting)
                                  : tr("Alle Listen sind im Archiv."));
}

void cArchivSeite::on_checkBox_Server_toggled(bool _bChecked)
{
    for (QWidget* pWidget : std::initializer_list<QWidget*>{
             ui->label_Server, ui->lineEdit_Server, ui->label_Port, ui->lineEdit_Port, ui->label_Datenbank,
             ui->lineEdit_Datenbank, ui->label_Benutzer, ui->lineEdit_Benutzer, ui->label_Passwort,
             ui->lineEdit_Passwort})
        pWidget->setEnabled(_bChecked);
    vSetApplied(QString());
}

void cArchivSeite::on_pushButton_Uebernehmen_clicked()
{
    const ArchiveServer server = serverOfFields();
    const QString strWhy = strProblem(server, ui->lineEdit_Port->text());
    if (!strWhy.isEmpty()) {
        Messages::vShow(this, strWhy);
        return;
    }
    server.vSave();
    ui->lineEdit_Port->setText(QString::number(server.s32Port));
    vSetApplied(server.bUse
                    ? tr("Übernommen: Die Listen gehen von jetzt an auf den Server %1.")
                          .arg(strWrappable(server.strDisplayName()))
                    : tr("Übernommen: Die Listen gehen von jetzt an in das Archiv auf diesem Gerät."));
    emit archiveServerChanged(server);
}

void cArchivSeite::vSetApplied(const QString& _strText)
{
    // Without a text the line takes no room.
    ui->label_Uebernommen->setText(_strText);
    ui->label_Uebernommen->setVisible(!_strText.isEmpty());
}

void cArchivSeite::showEvent(QShowEvent* _pEvent)
{
    // What is stored, not what was typed and left without applying.
    vLoadSettings();
    QWidget::showEvent(_pEvent);
}

void cArchivSeite::keyReleaseEvent(QKeyEvent* _pEvent)
{
    if (PageFrame::bIsBackKey(_pEvent))
        on_pushButton_back_clicked();
}

void cArchivSeite::on_pushButton_back_clicked()
{
    hide();
    Navigation::vShowPage(Navigation::Caller::Settings);
}

void cArchivSeite::onRotate(Qt::ScreenOrientation)
{
    PageFrame::vRelayoutAvailable(this);
}
