#pragma once

#include <QByteArray>

// The request that starts the flow of live records: "StartLIVE" and the
// refresh interval in milliseconds, unsigned 16-bit, low byte first.
namespace LiveRequest
{

// The interval of the refresh selector's entries "0,5 s" ... "5 s"
// (indexes 0 to 5); any other index gives 0.
quint16 u16IntervalForIndex(int _s32Index);
QByteArray baStart(quint16 _u16IntervalMs);

} // namespace LiveRequest
