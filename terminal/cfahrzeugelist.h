#pragma once

#include "app/pageframe.h"

#include <QModelIndex>
#include <QStringList>
#include <QWidget>

namespace Ui
{
class cfahrzeugelist;
}
class QStandardItemModel;

// The terminals found by a search, one chassis number per row; a tap
// connects to that terminal and returns to the settings page.
class cfahrzeugelist : public QWidget
{
    Q_OBJECT

public:
    static cfahrzeugelist* instance();
    ~cfahrzeugelist() override;

    QStandardItemModel* model() const { return m_pModel; }

public slots:
    // Entry i goes into row i; rows beyond the list stay as they are (the
    // found list of a run only grows).
    void vSetList(const QStringList& _slChassis);

protected:
    // Back (or Escape, or the back button) returns to the settings page without choosing, so an
    // empty list never leaves the user without a way out.
    void keyReleaseEvent(QKeyEvent* _pEvent) override;

signals:
    // A tap on a row: connect to that terminal.
    void terminalChosen(const QString& _strChassis);

private slots:
    void on_listView_clicked(const QModelIndex& index);
    // The header's back button does what the back key does.
    void on_pushButton_back_clicked();

private:
    friend cfahrzeugelist* PageFrame::tInstance<cfahrzeugelist>();
    cfahrzeugelist();

    Ui::cfahrzeugelist* ui;
    QStandardItemModel* m_pModel = nullptr;
};
