#include "data/listfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

#include <algorithm>
#include <cstring>

namespace
{

const QByteArray& baByteOrderMark()
{
    static const QByteArray s_ba("\xEF\xBB\xBF", 3);
    return s_ba;
}

// UTF-8 behind a byte-order mark, unless the bytes are no valid UTF-8; such a
// file is taken byte by byte as Latin-1, so that writing it back keeps it.
bool bDecodeUtf8(const QByteArray& _baContent, QString& _strText)
{
    QTextCodec* pCodec = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const int s32Size = _baContent.size() - baByteOrderMark().size();
    _strText = pCodec->toUnicode(_baContent.constData() + baByteOrderMark().size(), s32Size, &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

// Latin-1 holds the first 256 characters only.
bool bFitsLatin1(const QString& _strText)
{
    return std::all_of(_strText.cbegin(), _strText.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// The next line feed at or after _s32From, or -1 (memchr and qustrchr scan
// many characters at a time).
int s32NextLineFeed(QLatin1String _text, int _s32From)
{
    const char* pStart = _text.data();
    const void* pFound = memchr(pStart + _s32From, '\n', size_t(_text.size() - _s32From));
    return pFound ? int(static_cast<const char*>(pFound) - pStart) : -1;
}

int s32NextLineFeed(const QStringRef& _text, int _s32From)
{
    return _text.indexOf(QLatin1Char('\n'), _s32From);
}

ushort u16At(QLatin1String _text, int _s32Index)
{
    return uchar(_text.data()[_s32Index]);
}

ushort u16At(const QStringRef& _text, int _s32Index)
{
    return _text.at(_s32Index).unicode();
}

QString strPart(QLatin1String _text, int _s32Start, int _s32Length)
{
    return QString(_text.mid(_s32Start, _s32Length));
}

QString strPart(const QStringRef& _text, int _s32Start, int _s32Length)
{
    return _text.mid(_s32Start, _s32Length).toString();
}

// Splits a text into the lines of _content, in one pass. A file keeps "\r\n"
// only when every line ends so; a file with mixed line ends keeps its "\r"
// characters in the lines, so its bytes stay as they are.
template <class Text> void vSplitLines(const Text& _text, ListFileContent& _content)
{
    const int s32Size = _text.size();
    QStringList& slLines = _content.slLines;
    // About 300 characters per record line; the list grows if there are more.
    slLines.reserve(s32Size / 256 + 1);
    bool bAllCrLf = true;
    int s32Start = 0;
    for (int s32LineFeed = s32NextLineFeed(_text, 0); s32LineFeed >= 0;
         s32LineFeed = s32NextLineFeed(_text, s32Start)) {
        if (s32LineFeed == 0 || u16At(_text, s32LineFeed - 1) != '\r')
            bAllCrLf = false;
        slLines.append(strPart(_text, s32Start, s32LineFeed - s32Start));
        s32Start = s32LineFeed + 1;
    }
    _content.bCrLf = bAllCrLf && !slLines.isEmpty();
    if (_content.bCrLf) {
        // Every line so far ends with its "\r": cut off in place.
        for (QString& strLine : slLines)
            strLine.chop(1);
    }
    slLines.append(strPart(_text, s32Start, s32Size - s32Start));
}

} // namespace

namespace ListFile
{

void vDecode(const QByteArray& _baContent, ListFileContent& _content)
{
    _content = ListFileContent();
    QString strText;
    if (_baContent.startsWith(baByteOrderMark()) && bDecodeUtf8(_baContent, strText)) {
        _content.encoding = ListFileContent::Encoding::Utf8WithBom;
        vSplitLines(QStringRef(&strText), _content);
    } else {
        // Byte by byte, with the size, so that the terminal's NUL padding does
        // not end the text; each line is made straight from the bytes, without
        // a copy of the whole text in between.
        vSplitLines(QLatin1String(_baContent.constData(), _baContent.size()), _content);
    }
}

bool bRead(const QString& _strPath, ListFileContent& _content)
{
    _content = ListFileContent();
    QFile file(_strPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    vDecode(file.readAll(), _content);
    return true;
}

QByteArray baEncode(const ListFileContent& _content)
{
    const QString strText =
        _content.slLines.join(_content.bCrLf ? QStringLiteral("\r\n") : QStringLiteral("\n"));
    // A character that Latin-1 cannot hold (a name typed in the driver editor)
    // would be written as "?": such a text goes out as UTF-8 behind a mark,
    // which the reader recognises.
    if (_content.encoding == ListFileContent::Encoding::Utf8WithBom || !bFitsLatin1(strText))
        return baByteOrderMark() + strText.toUtf8();
    return strText.toLatin1();
}

bool bWrite(const QString& _strPath, const ListFileContent& _content, QString* _pError)
{
    // The new content goes to a file beside the old one, which replaces the
    // old one only once it is complete: a full disk or a missing write
    // permission leaves the old file as it was. Where the file system has no
    // unnamed temporary files, a process killed while writing leaves the
    // named one ("<name>.XXXXXX"): never a "*.csv", so no page lists it. It is
    // not cleaned up here, as a user's own "<name>.backup" looks the same.
    QSaveFile file(_strPath);
    bool bOk = file.open(QIODevice::WriteOnly);
    if (bOk) {
        const QByteArray baContent = baEncode(_content);
        if (file.write(baContent) != baContent.size())
            file.cancelWriting();
        bOk = file.commit();
    }
    if (!bOk && _pError) {
        *_pError = QCoreApplication::translate("cHaupt", "Die Datei %1 konnte nicht gespeichert werden: %2")
                       .arg(QDir::toNativeSeparators(_strPath), file.errorString());
    }
    return bOk;
}

} // namespace ListFile
