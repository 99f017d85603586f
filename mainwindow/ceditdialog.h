#pragma once

#include "app/cdialogseite.h"

#include <QDialog>
#include <QStringList>

namespace Ui
{
class cEditDialog;
}
class QKeyEvent;
class QLineEdit;
class QScreen;

// Edits one record of the drivers list or creates a new one: fifteen fields
// in labelled line edits. Saving hands the joined line to the main window,
// which replaces or appends it and writes the file; the editor itself touches
// no file and checks nothing.
class cEditDialog : public cDialogSeite
{
    Q_OBJECT

public:
    static constexpr int FIELD_COUNT = 15;

    static cEditDialog* instance();
    // Use instance(): there is one editor per run.
    cEditDialog();
    ~cEditDialog() override;

    // A new driver: all fields empty.
    void vNewDriver();
    // The record on line _s32Index of the main window's list (numbered as the
    // list was built): parts 0 to 14 of the line, missing parts empty, parts
    // beyond 14 dropped.
    void vEditDriver(QString _strLine, int _s32Index);

    // The fifteen fields joined by ";" (fourteen separators, none at the end);
    // line breaks in a field become blanks.
    QString strJoinedLine() const;
    bool bNewDriver() const { return m_bNewDriver; }
    int s32DriverIndex() const { return m_s32DriverIndex; }

    // The fields of a record line, padded or cut to fifteen.
    static QStringList slFieldsOfLine(const QString& _strLine);

signals:
    // "Speichern": the line of a new driver, or the new line of the driver
    // on line _s32Index as the list was built.
    void driverAdded(const QString& _strLine);
    void driverReplaced(const QString& _strLine, int _s32Index);
    // Left without saving.
    void editLeft();

public slots:
    void reject() override;

private slots:
    void onRotate(Qt::ScreenOrientation);
    void on_pushButton_clicked();
    void on_pushButton_Speichern_clicked();
    void on_lineEdit_FahrerNummer_textEdited(QString arg1);
    void on_lineEdit_Fahrername1_textEdited(QString arg1);
    void on_lineEdit_FahrerName2_textEdited(QString arg1);
    void on_lineEdit_Strasse_textEdited(QString arg1);
    void on_lineEdit_PLZ_textEdited(QString arg1);
    void on_lineEdit_Ort_textEdited(QString arg1);
    void on_lineEdit_Telefon1_textEdited(QString arg1);
    void on_lineEdit_Telefon2_textEdited(QString arg1);
    void on_lineEdit_eMail_textEdited(QString arg1);
    void on_lineEdit_FreiVerwendbar1_textEdited(QString arg1);
    void on_lineEdit_FreiVerwendbar2_textEdited(QString arg1);
    void on_lineEdit_FreiVerwendbar3_textEdited(QString arg1);
    void on_lineEdit_FreiVerwendbar4_textEdited(QString arg1);
    void on_lineEdit_FreiVerwendbar5_textEdited(QString arg1);
    void on_lineEdit_FreiVerwendbar6_textEdited(QString arg1);

protected:
    void vOnBackKey() override;

private:
    void vApplySizes();
    void vShowFields();
    void vLeaveWithoutSaving(bool _bMaximized);

    Ui::cEditDialog* ui;
    QScreen* m_pScreen = nullptr;
    QList<QLineEdit*> m_lEdits; // in field order
    QStringList m_slFields;     // the record's fields 0 to 14
    bool m_bNewDriver = false;
    int m_s32DriverIndex = 0;
};
