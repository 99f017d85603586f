#include "terminal/ccopyinfothread.h"

#include <QLabel>
#include <QThread>
#include <QTimer>
#include <QTransform>

cCopyInfoThread::cCopyInfoThread(QObject* parent) : QObject(parent) {}

void cCopyInfoThread::vSetup(QLabel* _pLabel, QThread* _pThread)
{
    m_pLabel = _pLabel;
    m_u8Step = 0;
    // The indicator stays in the GUI thread, so both signals arrive queued and
    // the slots run where the label lives.
    connect(_pThread, &QThread::finished, this, &cCopyInfoThread::vStopTimer);
    connect(_pThread, &QThread::started, this, &cCopyInfoThread::vStartTimer);
}

void cCopyInfoThread::vStartTimer()
{
    if (m_pTimer)
        return;
    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &cCopyInfoThread::vSpinBeet);
    m_pTimer->start(TICK_MS);
}

void cCopyInfoThread::vStopTimer()
{
    if (!m_pTimer)
        return;
    m_pTimer->stop();
    m_pTimer->deleteLater();
    m_pTimer = nullptr;
}

void cCopyInfoThread::vSpinBeet()
{
    if (m_pLabel) {
        if (m_pixBeet.isNull())
            m_pixBeet.load(QStringLiteral(":/images/ruebe.png"));
        QTransform rotation;
        rotation.rotate(s32AngleOfStep(m_u8Step));
        const QPixmap pixTurned = m_pixBeet.transformed(rotation, Qt::FastTransformation);
        m_pLabel->setPixmap(pixTurned.isNull() ? pixTurned
                                               : pixTurned.scaled(m_pLabel->size(), Qt::KeepAspectRatio,
                                                                  Qt::FastTransformation));
        m_pLabel->repaint();
    }
    m_u8Step = quint8((m_u8Step + 1) % STEP_COUNT);
}

QThread* cCopyInfoThread::pStart(QLabel* _pLabel, QObject* _pOwner)
{
    auto* pThread = new QThread();
    auto* pIndicator = new cCopyInfoThread(_pOwner);
    pIndicator->vSetup(_pLabel, pThread);
    // Each use leaves nothing behind: the indicator goes after its stop.
    connect(pThread, &QThread::finished, pIndicator, &QObject::deleteLater);
    connect(pThread, &QThread::finished, pThread, &QObject::deleteLater);
    pThread->start(QThread::InheritPriority);
    return pThread;
}

void cCopyInfoThread::vStop(QThread* _pThread)
{
    if (!_pThread)
        return;
    _pThread->exit(0);
    _pThread->wait(100);
}
