#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Reads Qt's binary JSON format (what QJsonDocument::toBinaryData() writes)
// without Qt's own reader. Live records arrive from anyone on the WLAN, and
// Qt's validator of this format trusts offsets and lengths it has not
// checked, so a crafted document can make it read outside its buffer. This
// reader checks every offset, length and size against the enclosing value and
// the bytes given before it reads them.
namespace BinaryJson
{

// The members of the top-level object of the document in _pData (_s64Size
// bytes) as (key, text) pairs in stored order; values that are no string give
// the empty text. A member whose key repeats the one before it replaces that
// member's text, as QJsonObject does. A document whose top level is an array
// gives no pair, and so does any document that breaks the format anywhere,
// nested values included. Never reads outside the given bytes.
QList<QPair<QString, QString>> listObjectTexts(const char* _pData, qint64 _s64Size);

} // namespace BinaryJson
