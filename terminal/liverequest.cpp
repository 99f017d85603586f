#include "terminal/liverequest.h"

#include "terminal/protocol.h"

namespace LiveRequest
{

quint16 u16IntervalForIndex(int _s32Index)
{
    static const quint16 intervals[] = {500, 1000, 2000, 3000, 4000, 5000};
    if (_s32Index < 0 || _s32Index >= int(sizeof(intervals) / sizeof(intervals[0])))
        return 0;
    return intervals[_s32Index];
}

QByteArray baStart(quint16 _u16IntervalMs)
{
    QByteArray message(Protocol::START_LIVE);
    message.append(char(_u16IntervalMs & 0xFF));
    message.append(char(_u16IntervalMs >> 8));
    return message;
}

} // namespace LiveRequest
