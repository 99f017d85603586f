#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <vector>

// The searchable text of every row of a list, case-folded once and kept as
// UTF-8 in one block, so that a search through 100,000 entries is a plain
// byte search per row instead of a case-insensitive comparison of every
// character. A text contains a typed text, ignoring case, exactly when its
// folded form contains the folded typed text.
class cSearchIndex
{
public:
    // Appends the folded form of a text.
    static void vAppendFolded(QByteArray& _baOut, const QChar* _pText, int _s32Length);
    // Writes the folded form at _pOut, which has room for three bytes per
    // UTF-16 unit, and returns the byte after it.
    static char* pWriteFolded(char* _pOut, const QChar* _pText, int _s32Length);
    static QByteArray baFolded(const QString& _strText);

    void vClear();
    void vReserve(int _s32Rows, int _s32BytesPerRow);

    // A row is built from texts folded here; vEndRow() closes it.
    void vAppend(const QChar* _pText, int _s32Length) { vAppendFolded(m_baText, _pText, _s32Length); }
    void vAppend(const QString& _strText) { vAppend(_strText.constData(), _strText.size()); }
    void vEndRow() { m_offsets.append(m_baText.size()); }
    void vAppendRow(const QString& _strText);
    // A row written directly: room for up to _s32MaxBytes, closed at the
    // byte after the last one written (nothing else may be appended between).
    char* pOpenRow(int _s32MaxBytes);
    void vCloseRow(const char* _pEnd);

    int s32Rows() const { return m_offsets.size() - 1; }
    // For every row whether it contains the folded text: one scan through all
    // rows' texts, so that a text that few rows hold costs one pass.
    std::vector<char> rowsContaining(const QByteArray& _baFoldedNeedle) const;
    // The folded text of a row, for searches that need a regular expression.
    QString strRowText(int _s32Row) const;

private:
    QByteArray m_baText;
    QVector<int> m_offsets{0}; // row r is [m_offsets[r], m_offsets[r + 1])
};
