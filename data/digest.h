#pragma once

#include <QByteArray>

// SHA-256 digests of the archive's files and lines, from OpenSSL's libcrypto:
// it uses the processor's SHA instructions where there are some, about ten
// times as fast as Qt's own implementation on a large list.
namespace Digest
{

QByteArray baSha256(const char* _pData, int _s32Size);
inline QByteArray baSha256(const QByteArray& _baData)
{
    return baSha256(_baData.constData(), _baData.size());
}

} // namespace Digest
