// A file message from the terminal and a file payload sent to it: the stored
// name never leaves the download folder, the parts read back as written.
#include "fuzztarget.h"

#include "terminal/filemessage.h"

#include <QDir>
#include <QFileInfo>

VEMO_FUZZ_TARGET(fuzzFileMessage)
{
    const QByteArray baInput = Fuzz::baInput(data, size);

    const FileMessage::ReceivedFile file = FileMessage::receivedFileFrom(baInput);
    // The name ends at a zero byte; the text keeps the terminal's zero padding.
    FUZZ_CHECK(!file.strName.contains(QChar(0)));
    FUZZ_CHECK(!file.bEmpty || file.strText.isEmpty());

    const QString strName = FileMessage::strSafeFileName(file.strName);
    if (!strName.isEmpty()) {
        FUZZ_CHECK(!strName.contains(QLatin1Char('/')) && !strName.contains(QLatin1Char('\\')));
        FUZZ_CHECK(strName != QLatin1String(".") && strName != QLatin1String(".."));
        // The stored path is the download folder's child of that name.
        const QString strFolder = QStringLiteral("/home/user/Downloads");
        const QString strPath = QDir::cleanPath(strFolder + QLatin1Char('/') + strName);
        FUZZ_CHECK(QFileInfo(strPath).path() == strFolder);
        FUZZ_CHECK(FileMessage::strSafeFileName(strName) == strName);
    }

    // A part built from the received name and text reads back the same,
    // except that a leading U+FEFF is read as a byte-order mark again.
    const QByteArray baName = file.strName.toUtf8();
    if (!file.bEmpty && baName.size() <= 255 && !file.strText.isEmpty()) {
        const auto strWithoutMark = [](const QString& _str) {
            return _str.startsWith(QChar(0xFEFF)) ? _str.mid(1) : _str;
        };
        const FileMessage::ReceivedFile again =
            FileMessage::receivedFileFrom(FileMessage::baFilePart(baName, file.strText.toUtf8()));
        FUZZ_CHECK(again.strName == strWithoutMark(file.strName));
        FUZZ_CHECK(again.strText == strWithoutMark(file.strText) && !again.bEmpty);
    }

    // The terminal's reading of a payload sent to it.
    QByteArray baKind;
    QByteArray baContent;
    if (FileMessage::bParseSendFilePayload(baInput, baKind, baContent)) {
        FUZZ_CHECK(!baKind.contains(' '));
        FUZZ_CHECK(baKind.size() + baContent.size() < baInput.size());
    }
    const QString strText = QString::fromUtf8(baInput);
    QByteArray baKindBack;
    QByteArray baContentBack;
    FUZZ_CHECK(FileMessage::bParseSendFilePayload(FileMessage::baSendFilePayload("Fahrer", strText),
                                                  baKindBack, baContentBack));
    FUZZ_CHECK(baKindBack == "Fahrer" && baContentBack == strText.toUtf8());
    return 0;
}
