#include "app/datefield.h"

#include "app/pageframe.h"
#include "app/settingsstore.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace DateField
{

namespace
{

// Rows of the calendar: the month bar, the day names and six weeks.
constexpr int CALENDAR_ROWS = 8;
constexpr int CALENDAR_COLUMNS = 7;

// The calendar in the interface language, with cells a finger can hit.
void vPrepareCalendar(QDateEdit* _pField)
{
    QCalendarWidget* pCalendar = _pField->calendarWidget();
    if (!pCalendar)
        return;
    const QLocale locale = SettingsStore::interfaceLocale();
    pCalendar->setLocale(locale);
    pCalendar->setFirstDayOfWeek(locale.firstDayOfWeek());
    pCalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    const int s32Screen = PageFrame::s32ScreenUnit();
    const int s32Cell = s32CellSize(s32Screen);
    QFont font = pCalendar->font();
    font.setPixelSize(qMax(1, s32Screen / 25));
    pCalendar->setFont(font);
    pCalendar->setMinimumSize(CALENDAR_COLUMNS * s32Cell, CALENDAR_ROWS * s32Cell);
}

// A tap only places the cursor, and digits typed there are added to the
// part's digits ("105.09.2023"), which the field refuses. After the tap the
// part under the cursor is selected instead, as Tab does, and a separator
// typed behind a full part is not taken for a skip. Before a press
// opens the calendar, the calendar takes the interface language and sizes.
class cTapWatcher : public QObject
{
public:
    explicit cTapWatcher(QDateEdit* _pField) : QObject(_pField), m_pField(_pField) {}

protected:
    bool eventFilter(QObject*, QEvent* _pEvent) override
    {
        if (_pEvent->type() == QEvent::KeyPress && bSkipsSeparator(static_cast<QKeyEvent*>(_pEvent)))
            return true;
        if (_pEvent->type() == QEvent::MouseButtonPress) {
            vPrepareCalendar(m_pField);
        } else if (_pEvent->type() == QEvent::MouseButtonRelease) {
            // After the field has placed the cursor and found its part.
            QTimer::singleShot(0, m_pField, [pField = m_pField] {
                if (pField->hasFocus())
                    pField->setSelectedSection(pField->currentSection());
            });
        }
        return false;
    }

private:
    // A full part moves on to the next by itself, so the separator typed
    // after it ("12.10.2023") would skip the month. Right behind a separator
    // it is not needed and taken away.
    bool bSkipsSeparator(const QKeyEvent* _pKey) const
    {
        const QLineEdit* pLine = m_pField->findChild<QLineEdit*>();
        if (!pLine || _pKey->text().size() != 1 || _pKey->text().at(0).isDigit())
            return false;
        const QString strText = pLine->text();
        const int s32Position = pLine->hasSelectedText() ? pLine->selectionStart() : pLine->cursorPosition();
        return s32Position > 0 && strText.at(s32Position - 1) == _pKey->text().at(0);
    }

    QDateEdit* m_pField;
};

} // namespace

int s32CellSize(int _s32Screen)
{
    return _s32Screen / 12;
}

void vSetup(QDateEdit* _pField)
{
    auto* pWatcher = new cTapWatcher(_pField);
    _pField->installEventFilter(pWatcher);
    // Taps land on the field's text line.
    if (QLineEdit* pLine = _pField->findChild<QLineEdit*>())
        pLine->installEventFilter(pWatcher);
    vPrepareCalendar(_pField);
}

} // namespace DateField
