#pragma once

#include <QString>
#include <QStringList>

// A list file as the main window keeps it: every line, header included, with
// the line number as index (0 = header). A file that ends with "\n" yields a
// last, empty element, so writing the lines joined by "\n" gives the same bytes.
struct ListFileContent {
    // How the file was encoded: plain Latin-1 (one byte, one character), or
    // UTF-8 behind a byte-order mark (every file the terminal link stores).
    enum class Encoding { Latin1, Utf8WithBom };

    QStringList slLines;
    Encoding encoding = Encoding::Latin1;
    // Every line ended with "\r\n"; written back the same way. A file with
    // mixed line ends keeps its "\r" characters inside the lines instead.
    bool bCrLf = false;
};

namespace ListFile
{

// Reads the whole file. Returns false (and leaves _content empty) when the
// file cannot be opened, with the system's reason in _pError.
bool bRead(const QString& _strPath, ListFileContent& _content, QString* _pError = nullptr);

// Splits the bytes of a list file into lines (what bRead does after opening).
void vDecode(const QByteArray& _baContent, ListFileContent& _content);

// Writes the lines back atomically (written beside the file, then renamed):
// if the new file cannot be written the old one stays untouched, and the
// function returns false with a translated, user-readable reason in _pError.
bool bWrite(const QString& _strPath, const ListFileContent& _content, QString* _pError = nullptr);

// The bytes bWrite would write: in the file's encoding, except that a text
// with characters beyond Latin-1 is written as UTF-8 behind a mark.
QByteArray baEncode(const ListFileContent& _content);

} // namespace ListFile
