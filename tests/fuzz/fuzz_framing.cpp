// The byte stream of the terminal connection: the frame reader fed in chunks
// of any size, at a cost that grows with the bytes alone, and the dispatch
// decision for every message it yields with the readers of the message parts
// (login status, switches, files, live).
#include "fuzztarget.h"

#include "live/liverecord.h"
#include "terminal/dispatch.h"
#include "terminal/filemessage.h"
#include "terminal/framing.h"

#include <QDir>

namespace
{

struct Reading {
    QList<QByteArray> lMessages;
    bool bError = false;
};

// Feeds the stream in the given chunk sizes (the last chunk takes the rest)
// and takes every message as soon as it is complete, as the link does.
Reading readInChunks(const QByteArray& _baStream, const QList<int>& _ls32Chunks)
{
    Reading reading;
    cFrameReader reader;
    int s32Offset = 0;
    int s32Chunk = 0;
    while (s32Offset < _baStream.size() && !reading.bError) {
        const int s32Size = s32Chunk < _ls32Chunks.size() ? _ls32Chunks.at(s32Chunk++) : _baStream.size();
        reader.vAppend(_baStream.mid(s32Offset, s32Size));
        s32Offset += s32Size;
        QByteArray baMessage;
        for (;;) {
            const cFrameReader::eNext next = reader.eTakeNext(baMessage);
            if (next == cFrameReader::eNext::Message) {
                FUZZ_CHECK(!baMessage.isEmpty() && baMessage.size() <= MAX_FRAME_BYTES);
                reading.lMessages.append(baMessage);
                continue;
            }
            if (next == cFrameReader::eNext::Error) {
                reading.bError = true;
                FUZZ_CHECK(reader.bFailed() && reader.s32Buffered() == 0);
            }
            break;
        }
        // Never more buffered than what was given.
        FUZZ_CHECK(reader.s32Buffered() <= s32Offset);
        // The work grows with the bytes, not with the frames in them: each
        // byte is copied into its message once and moved to the buffer's
        // front at most once, however many frames one read carries.
        FUZZ_CHECK(reader.s64BytesMoved() <= 2 * qint64(s32Offset));
    }
    return reading;
}

void vDispatch(const QByteArray& _baMessage)
{
    const eAnswerRow row = eClassifyAnswer(_baMessage);
    const int s32Prefix = s32PrefixLength(row);
    FUZZ_CHECK(s32Prefix >= 0 && s32Prefix <= _baMessage.size());
    const QByteArray baRest = _baMessage.mid(s32Prefix);

    switch (row) {
    case eAnswerRow::PwRequestTrue:
    case eAnswerRow::ConnectionKnown:
    case eAnswerRow::ConnectionEstablished:
        statusFieldsFrom(baRest);
        break;
    case eAnswerRow::ExpertMode:
    case eAnswerRow::LightSwitch:
        eSwitchStateFrom(baRest);
        break;
    case eAnswerRow::LiveData: {
        for (const auto& pair : LiveRecord::decode(baRest))
            FUZZ_CHECK(pair.first.size() <= baRest.size() && pair.second.size() <= baRest.size());
        break;
    }
    default:
        if (bIsFileRow(row)) {
            // A received file is stored in the download folder and nowhere else.
            const FileMessage::ReceivedFile file = FileMessage::receivedFileFrom(baRest);
            const QString strName = FileMessage::strSafeFileName(file.strName);
            if (!strName.isEmpty()) {
                const QString strFolder = QStringLiteral("/downloads");
                const QString strPath = QDir::cleanPath(strFolder + QLatin1Char('/') + strName);
                FUZZ_CHECK(QFileInfo(strPath).path() == strFolder);
            }
        }
        break;
    }
}

} // namespace

VEMO_FUZZ_TARGET(fuzzFraming)
{
    // The first byte chooses how many of the next bytes are chunk sizes; the
    // rest is the stream.
    if (size < 1)
        return 0;
    const int s32ChunkCount = qMin<int>(data[0] % 16, int(size) - 1);
    QList<int> ls32Chunks;
    for (int i = 0; i < s32ChunkCount; ++i)
        ls32Chunks.append(data[1 + i] % 64 + 1);
    const QByteArray baStream = Fuzz::baInput(data + 1 + s32ChunkCount, size - 1 - size_t(s32ChunkCount));

    // However the stream is cut, the same messages come out.
    const Reading whole = readInChunks(baStream, {});
    const Reading chunked = readInChunks(baStream, ls32Chunks);
    FUZZ_CHECK(chunked.lMessages == whole.lMessages);
    FUZZ_CHECK(chunked.bError == whole.bError);

    for (const QByteArray& baMessage : whole.lMessages)
        vDispatch(baMessage);
    return 0;
}
