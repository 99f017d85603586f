#pragma once

#include "data/listkind.h"

#include <QDate>
#include <QString>

namespace Ui
{
class cHaupt;
}
class QHBoxLayout;
class QPushButton;
class QWidget;

// The main window's form as the window shows it: sizes, styles and icons,
// the start screen, the filter bar of a list kind and the order date fields.
// It holds no state of its own; the window tells it what to show.
class cMainWindowForm
{
public:
    // The form and the export button belong to the window; the button goes
    // beside the dates.
    cMainWindowForm(Ui::cHaupt* _pUi, QPushButton* _pExport);

    // The settings of the list, the selectors, the search field and the dates.
    void vSetUp();
    void vApplySizes(int _s32Screen, bool _bLichtschalter, bool _bExpertModus);
    // The list follows the window's width after a rotation; returns that width.
    int s32FitList(QWidget* _pWindow);
    // Upright, the customer selector has a row of its own, so that its names
    // can be read; lying, it shares the sort order's row.
    void vPlaceCustomerSelector(bool _bPortrait);

    // The start screen: the makers' logo and credit, no bars.
    void vShowStartScreen(bool _bSettings);
    void vEndStartScreen();
    void vHideFilterBar();
    void vShowFilterBarOfKind(ListKind _kind, bool _bFileRead);
    // The arrow button folds the filter bar away or shows it again.
    void vToggleFilterBar(ListKind _kind, bool _bFileRead);

    // Orders: the date fields span the file's start dates (invalid: the
    // fixed start range).
    void vSetOrderDates(const QDate& _dateMin, const QDate& _dateMax);
    // The two fields cannot cross: each one's limit follows the other.
    void vLimitDates();
    QDate dateFrom() const;
    QDate dateTo() const;

    // Lets the user pick a list file, starting in the folder of _strLast;
    // empty when none was picked.
    QString strChooseListFile(QWidget* _pWindow, const QString& _strLast) const;

private:
    Ui::cHaupt* m_pUi;
    QPushButton* m_pExport;
    QHBoxLayout* m_pCustomerRow = nullptr; // under the sort order's row
    int m_s32Screen = 0;
};
