#include "data/digest.h"

#include <openssl/sha.h>

namespace Digest
{

QByteArray baSha256(const char* _pData, int _s32Size)
{
    QByteArray baDigest(SHA256_DIGEST_LENGTH, Qt::Uninitialized);
    SHA256(reinterpret_cast<const unsigned char*>(_pData), size_t(qMax(0, _s32Size)),
           reinterpret_cast<unsigned char*>(baDigest.data()));
    return baDigest;
}

} // namespace Digest
