#pragma once

#include <QObject>
#include <QPixmap>

class QLabel;
class QThread;
class QTimer;

// The busy indicator: turns the beet picture in a label by 36 degrees every
// 500 ms while a long operation runs. The indicator lives in the GUI thread
// as a child of its page; the thread it is bound to carries no work and only
// delivers the start (started) and stop (finished) signals.
class cCopyInfoThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int TICK_MS = 500;
    static constexpr int STEP_DEGREES = 36;
    static constexpr int STEP_COUNT = 10; // one turn: ten ticks, five seconds

    explicit cCopyInfoThread(QObject* parent = nullptr);

    // Binds the indicator to the label it animates and to the thread whose
    // started() starts and whose finished() stops it; the step starts at 0.
    void vSetup(QLabel* _pLabel, QThread* _pThread);

    // The step the next tick shows (0 to 9) and its angle in degrees.
    int s32Step() const { return m_u8Step; }
    static int s32AngleOfStep(int _s32Step) { return (_s32Step % STEP_COUNT) * STEP_DEGREES; }
    bool bRunning() const { return m_pTimer != nullptr; }

    // What every owner page does: creates the thread and an indicator (child
    // of _pOwner) bound to the label, lets both delete themselves once the
    // thread has finished, and starts the thread. Returns the thread, which
    // vStop() ends.
    static QThread* pStart(QLabel* _pLabel, QObject* _pOwner);
    // Ends the thread (exit, then up to 100 ms for it to finish).
    static void vStop(QThread* _pThread);

public slots:
    void vSpinBeet();
    void vStartTimer();
    void vStopTimer();

private:
    QLabel* m_pLabel = nullptr;
    quint8 m_u8Step = 0;
    QTimer* m_pTimer = nullptr;
    QPixmap m_pixBeet;
};
