// Child program of tst_crashsafety: rewrites one list file with
// ListFile::bWrite again and again, alternating between the two lists of
// rewritelists.h, until the test kills it.
//
//   listrewriter <file> <first variant 0|1> [--count N] [--named-temporary]
//
// Before each write it prints "W <write> <variant>", after it
// "D <write> <variant> <microseconds>", each line flushed at once, so the test
// knows whether a kill landed inside a write. A failed write prints
// "E <reason>" and ends the program with 1.
//
// The file's bytes go out in pieces of 512 KiB with a short pause after each,
// as on a slow memory card, so that kills also land while data is being
// written and not only while it is encoded or flushed to the disk.
//
// --named-temporary makes the program behave as on a file system without
// unnamed temporary files (O_TMPFILE; FAT memory cards, many network shares):
// the new content is then written to a named file beside the list for the
// whole write, which is what a kill can leave behind.

#include "rewritelists.h"

#include "data/listfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace
{
bool g_bNoUnnamedTemporary = false;
}

// Qt opens every file through open64; this definition in the program comes
// before the C library's and refuses unnamed temporary files when asked to,
// as such a file system does, so that Qt takes its named fallback.
extern "C" int open64(const char* _pcPath, int _s32Flags, ...)
{
    int s32Mode = 0;
    if ((_s32Flags & O_CREAT) || (_s32Flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, _s32Flags);
        s32Mode = va_arg(args, int);
        va_end(args);
    }
    if (g_bNoUnnamedTemporary && (_s32Flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    using OpenFunction = int (*)(const char*, int, ...);
    static const OpenFunction s_pfnOpen = reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, "open64"));
    return s_pfnOpen(_pcPath, _s32Flags, s32Mode);
}

// Qt writes files through write(); this one passes each piece on to the C
// library's with the pause of a slow medium (standard output and error as
// they are).
extern "C" ssize_t write(int _s32Fd, const void* _pvData, size_t _uSize)
{
    using WriteFunction = ssize_t (*)(int, const void*, size_t);
    static const WriteFunction s_pfnWrite = reinterpret_cast<WriteFunction>(dlsym(RTLD_NEXT, "write"));
    if (_s32Fd <= 2)
        return s_pfnWrite(_s32Fd, _pvData, _uSize);
    const size_t uPiece = 512 * 1024;
    const char* pcData = static_cast<const char*>(_pvData);
    size_t uWritten = 0;
    while (uWritten < _uSize) {
        const ssize_t s64Result = s_pfnWrite(_s32Fd, pcData + uWritten, std::min(uPiece, _uSize - uWritten));
        if (s64Result < 0)
            return uWritten > 0 ? ssize_t(uWritten) : s64Result;
        uWritten += size_t(s64Result);
        usleep(1000);
    }
    return ssize_t(uWritten);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList slArgs = app.arguments().mid(1);
    g_bNoUnnamedTemporary = slArgs.removeAll(QStringLiteral("--named-temporary")) > 0;
    long long s64Count = -1; // until killed
    const int s32CountAt = slArgs.indexOf(QStringLiteral("--count"));
    if (s32CountAt >= 0 && s32CountAt + 1 < slArgs.size()) {
        s64Count = slArgs.at(s32CountAt + 1).toLongLong();
        slArgs.erase(slArgs.begin() + s32CountAt, slArgs.begin() + s32CountAt + 2);
    }
    if (slArgs.size() != 2) {
        std::fputs("usage: listrewriter <file> <first variant 0|1> [--count N] [--named-temporary]\n",
                   stderr);
        return 2;
    }
    const QString strPath = slArgs.at(0);
    const int s32First = slArgs.at(1).toInt() != 0 ? 1 : 0;

    // Each list is built just before its first write, so the first write
    // starts soon after the program.
    ListFileContent aContents[2];
    for (long long s64Write = 1; s64Count < 0 || s64Write <= s64Count; ++s64Write) {
        const int s32Variant = (s32First + int((s64Write - 1) % 2)) % 2;
        if (aContents[s32Variant].slLines.isEmpty())
            aContents[s32Variant] = RewriteLists::contentOf(s32Variant);
        std::printf("W %lld %d\n", s64Write, s32Variant);
        std::fflush(stdout);
        QElapsedTimer timer;
        timer.start();
        QString strError;
        if (!ListFile::bWrite(strPath, aContents[s32Variant], &strError)) {
            std::printf("E %s\n", qPrintable(strError));
            std::fflush(stdout);
            return 1;
        }
        std::printf("D %lld %d %lld\n", s64Write, s32Variant, timer.nsecsElapsed() / 1000);
        std::fflush(stdout);
    }
    return 0;
}
