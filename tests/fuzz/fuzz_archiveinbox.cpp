// The archive's inbox entries, read back from the program's own folder,
// where a damaged disk or a hand-edited file can leave anything: any bytes
// are read or refused without harm, and an entry that reads writes back as
// the same entry.
#include "fuzztarget.h"

#include "data/archiveinbox.h"

VEMO_FUZZ_TARGET(fuzzArchiveInbox)
{
    const QByteArray baEntry = Fuzz::baInput(data, size);
    ArchiveInput input;
    if (!ArchiveInboxEntry::bDecode(baEntry, input)) {
        FUZZ_CHECK(input.strFileName.isEmpty() && input.baContent.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!input.strFileName.isEmpty() && input.arrived.isValid());
    FUZZ_CHECK(baEntry.endsWith(input.baContent));
    ArchiveInput again;
    FUZZ_CHECK(ArchiveInboxEntry::bDecode(ArchiveInboxEntry::baEncode(input), again));
    FUZZ_CHECK(again.strFileName == input.strFileName &&
               again.machine.strChassis == input.machine.strChassis &&
               again.machine.strSerial == input.machine.strSerial && again.arrived == input.arrived &&
               again.baContent == input.baContent);
    return 0;
}
