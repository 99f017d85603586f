#include "data/listfile.h"

#include "data/filewriter.h"

#include <QFile>
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

// Takes the lines of a file as they are found. A file keeps "\r\n" only when
// every line ends so; a file with mixed line ends keeps its "\r" characters
// in the lines, so its bytes stay as they are.
class cLineCollector
{
public:
    explicit cLineCollector(ListFileContent& _content, int _s32ExpectedLines) : m_content(_content)
    {
        m_content.slLines.reserve(_s32ExpectedLines);
    }
    // A line that ended with a line feed.
    void vAddLine(QString&& _strLine)
    {
        if (!_strLine.endsWith(QLatin1Char('\r')))
            m_bAllCrLf = false;
        m_content.slLines.append(std::move(_strLine));
    }
    // The text after the last line feed.
    void vFinish(QString&& _strRest)
    {
        QStringList& slLines = m_content.slLines;
        m_content.bCrLf = m_bAllCrLf && !slLines.isEmpty();
        if (m_content.bCrLf) {
            // Every line so far ends with its "\r": cut off in place.
            for (QString& strLine : slLines)
                strLine.chop(1);
        }
        slLines.append(std::move(_strRest));
    }

private:
    ListFileContent& m_content;
    bool m_bAllCrLf = true;
};

// Splits Latin-1 bytes as they come, a block at a time: a large file is never
// held whole, and each line is made straight from the bytes.
class cLatin1Splitter
{
public:
    explicit cLatin1Splitter(cLineCollector& _collector) : m_collector(_collector) {}

    void vFeed(const char* _pBytes, int _s32Size)
    {
        int s32Start = 0;
        while (s32Start < _s32Size) {
            const void* pFound = memchr(_pBytes + s32Start, '\n', size_t(_s32Size - s32Start));
            if (!pFound)
                break;
            const int s32LineFeed = int(static_cast<const char*>(pFound) - _pBytes);
            const QLatin1String bytes(_pBytes + s32Start, s32LineFeed - s32Start);
            if (m_strPartial.isEmpty()) {
                m_collector.vAddLine(QString(bytes));
            } else {
                m_collector.vAddLine(QString(m_strPartial + bytes));
                m_strPartial.clear();
            }
            s32Start = s32LineFeed + 1;
        }
        // With its size, so that the terminal's NUL padding does not end the text.
        m_strPartial += QLatin1String(_pBytes + s32Start, _s32Size - s32Start);
    }
    void vFinish() { m_collector.vFinish(std::move(m_strPartial)); }

private:
    cLineCollector& m_collector;
    QString m_strPartial;
};

void vSplitText(const QString& _strText, ListFileContent& _content)
{
    cLineCollector collector(_content, _strText.size() / 256 + 1);
    int s32Start = 0;
    for (int s32LineFeed = _strText.indexOf(QLatin1Char('\n')); s32LineFeed >= 0;
         s32LineFeed = _strText.indexOf(QLatin1Char('\n'), s32Start)) {
        collector.vAddLine(_strText.mid(s32Start, s32LineFeed - s32Start));
        s32Start = s32LineFeed + 1;
    }
    collector.vFinish(_strText.mid(s32Start));
}

void vSplitLatin1(const char* _pBytes, int _s32Size, ListFileContent& _content)
{
    cLineCollector collector(_content, _s32Size / 256 + 1);
    cLatin1Splitter splitter(collector);
    splitter.vFeed(_pBytes, _s32Size);
    splitter.vFinish();
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
        vSplitText(strText, _content);
    } else {
        vSplitLatin1(_baContent.constData(), _baContent.size(), _content);
    }
}

bool bRead(const QString& _strPath, ListFileContent& _content, QString* _pError)
{
    _content = ListFileContent();
    QFile file(_strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (_pError)
            *_pError = file.errorString();
        return false;
    }
    // A file behind a byte-order mark is checked as a whole before it is
    // taken as UTF-8; any other is Latin-1 and read a block at a time.
    QByteArray baBlock(1 << 20, Qt::Uninitialized);
    qint64 s64Read = file.read(baBlock.data(), baBlock.size());
    if (s64Read < 0)
        s64Read = 0;
    if (QByteArray::fromRawData(baBlock.constData(), int(s64Read)).startsWith(baByteOrderMark())) {
        baBlock.resize(int(s64Read));
        vDecode(baBlock + file.readAll(), _content);
        return true;
    }
    cLineCollector collector(_content, int(qMin<qint64>(file.size() / 256 + 1, 1 << 24)));
    cLatin1Splitter splitter(collector);
    while (s64Read > 0) {
        splitter.vFeed(baBlock.constData(), int(s64Read));
        s64Read = file.read(baBlock.data(), baBlock.size());
    }
    splitter.vFinish();
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
    FileWriter::Failure failure = FileWriter::Failure::None;
    if (FileWriter::bWrite(_strPath, baEncode(_content), &failure))
        return true;
    if (_pError)
        *_pError = FileWriter::strCannotSave(_strPath, failure);
    return false;
}

} // namespace ListFile
