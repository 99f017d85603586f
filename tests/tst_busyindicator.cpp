#include "terminal/ccopyinfothread.h"
#include "testsupport.h"

#include <QLabel>
#include <QThread>
#include <QtTest>

class tst_BusyIndicator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSupport::vIsolate(); }
    void anglesCycle();
    void threadStartsAndStops();
};

void tst_BusyIndicator::anglesCycle()
{
    QLabel label;
    label.resize(40, 30);
    QThread thread; // never started: only the binding is needed
    cCopyInfoThread indicator;
    indicator.vSetup(&label, &thread);

    QList<int> angles;
    for (int i = 0; i < 12; ++i) {
        angles << cCopyInfoThread::s32AngleOfStep(indicator.s32Step());
        indicator.vSpinBeet();
    }
    QCOMPARE(angles, (QList<int>{0, 36, 72, 108, 144, 180, 216, 252, 288, 324, 0, 36}));
    const QPixmap pixmap = label.pixmap(Qt::ReturnByValue);
    QVERIFY(!pixmap.isNull());
    QVERIFY(pixmap.width() <= 40 && pixmap.height() <= 30);
}

void tst_BusyIndicator::threadStartsAndStops()
{
    QWidget owner;
    auto* pLabel = new QLabel(&owner);
    pLabel->resize(40, 30);
    QPointer<QThread> pThread = cCopyInfoThread::pStart(pLabel, &owner);
    QVERIFY(pThread);
    auto indicator = [&] { return owner.findChild<cCopyInfoThread*>(); };
    QVERIFY(indicator());
    QTRY_VERIFY(indicator()->bRunning());
    // The timer turns the picture on the GUI thread.
    QTRY_VERIFY_WITH_TIMEOUT(indicator()->s32Step() > 0, 2000);

    cCopyInfoThread::vStop(pThread);
    // Thread and indicator delete themselves once the thread has finished.
    QTRY_VERIFY(!pThread);
    QTRY_VERIFY(!indicator());
}

QTEST_MAIN(tst_BusyIndicator)
#include "tst_busyindicator.moc"
