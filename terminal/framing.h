#pragma once

#include <QByteArray>

// Frames of the terminal connection: a 4-byte signed big-endian length, then
// that many payload bytes. No terminator, no type, no checksum.

// The largest payload the link accepts. The biggest export of a season is a
// few megabytes; anything above this is a broken or hostile peer, and the
// connection is closed instead of growing the buffer without end.
constexpr int MAX_FRAME_BYTES = 64 * 1024 * 1024;

// The 4-byte header for a payload of the given length.
QByteArray baLengthHeader(int _s32Length);
// The length written in a header (the first 4 bytes); 0 when fewer are given.
int s32LengthFromHeader(const QByteArray& _baHeader);
// Header plus payload.
QByteArray baFrame(const QByteArray& _baPayload);

// Cuts the received byte stream back into payloads. Two states: waiting for
// a header (expected size 0) or waiting for the payload of a known size.
// A message is taken out of the buffer before the caller dispatches it, so a
// dispatch that runs a nested event loop (a modal dialog) and reads more data
// continues with the next message in order.
//
// Messages are taken from a read offset, and the bytes before it are dropped
// once per append: removing each message from the front would move the rest
// of the buffer every time, and a burst of many small frames in one read
// would cost time in the square of their number.
class cFrameReader
{
public:
    enum class eNext {
        Message,  // a complete payload was returned
        NeedMore, // the buffer holds no complete frame yet
        Error     // a negative or oversized length: the stream cannot be trusted
    };

    // Back to the initial state; only done when a new connection is opened.
    void vReset();
    void vAppend(const QByteArray& _baBytes);
    // Takes the next complete payload. Empty frames are consumed silently.
    // Once an error is reported, every further call reports it again until
    // vReset().
    eNext eTakeNext(QByteArray& _baMessage);

    int s32ExpectedSize() const { return m_s32ExpectedSize; }
    // The bytes received and not yet taken.
    int s32Buffered() const { return m_baReceiveBuffer.size() - m_s32ReadOffset; }
    bool bFailed() const { return m_bFailed; }
    // The bytes copied so far: into the messages taken and when the buffer
    // was compacted. Grows with the bytes received, never faster, whatever
    // the number of frames in them.
    qint64 s64BytesMoved() const { return m_s64BytesMoved; }

private:
    int m_s32ExpectedSize = 0;
    QByteArray m_baReceiveBuffer;
    // Where the next header or payload starts in the buffer.
    int m_s32ReadOffset = 0;
    bool m_bFailed = false;
    qint64 m_s64BytesMoved = 0;
};
