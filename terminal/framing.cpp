#include "terminal/framing.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

QByteArray baLengthHeader(int _s32Length)
{
    QByteArray header;
    QDataStream stream(&header, QIODevice::WriteOnly);
    stream << qint32(_s32Length);
    return header;
}

int s32LengthFromHeader(const QByteArray& _baHeader)
{
    if (_baHeader.size() < 4)
        return 0;
    // What QDataStream reads for an int, without a stream and a buffer made
    // for each frame of a burst.
    return qFromBigEndian<qint32>(_baHeader.constData());
}

QByteArray baFrame(const QByteArray& _baPayload)
{
    return baLengthHeader(_baPayload.size()) + _baPayload;
}

void cFrameReader::vReset()
{
    m_s32ExpectedSize = 0;
    m_baReceiveBuffer.clear();
    m_s32ReadOffset = 0;
    m_bFailed = false;
}

void cFrameReader::vAppend(const QByteArray& _baBytes)
{
    // Nothing is kept once the stream is broken: the connection goes away.
    if (m_bFailed)
        return;
    // The bytes taken since the last append go, in one move of what is left.
    if (m_s32ReadOffset > 0) {
        m_s64BytesMoved += m_baReceiveBuffer.size() - m_s32ReadOffset;
        m_baReceiveBuffer.remove(0, m_s32ReadOffset);
        m_s32ReadOffset = 0;
    }
    m_baReceiveBuffer.append(_baBytes);
}

cFrameReader::eNext cFrameReader::eTakeNext(QByteArray& _baMessage)
{
    if (m_bFailed)
        return eNext::Error;
    for (;;) {
        if (m_s32ExpectedSize == 0) {
            if (s32Buffered() < 4)
                return eNext::NeedMore;
            m_s32ExpectedSize = s32LengthFromHeader(
                QByteArray::fromRawData(m_baReceiveBuffer.constData() + m_s32ReadOffset, 4));
            m_s32ReadOffset += 4;
            if (m_s32ExpectedSize == 0)
                continue; // an empty frame carries nothing to dispatch
        }
        if (m_s32ExpectedSize < 0 || m_s32ExpectedSize > MAX_FRAME_BYTES) {
            m_bFailed = true;
            m_baReceiveBuffer.clear();
            m_s32ReadOffset = 0;
            return eNext::Error;
        }
        if (s32Buffered() < m_s32ExpectedSize)
            return eNext::NeedMore;
        _baMessage = m_baReceiveBuffer.mid(m_s32ReadOffset, m_s32ExpectedSize);
        m_s64BytesMoved += m_s32ExpectedSize;
        m_s32ReadOffset += m_s32ExpectedSize;
        m_s32ExpectedSize = 0;
        // All taken: the buffer starts again from its front at no cost.
        if (m_s32ReadOffset == m_baReceiveBuffer.size()) {
            m_baReceiveBuffer.clear();
            m_s32ReadOffset = 0;
        }
        return eNext::Message;
    }
}
