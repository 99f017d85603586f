#include "data/statisticsfile.h"

#include "data/fieldreaders.h"
#include "data/listfile.h"

QString StatisticsRecord::strField(int _s32Index) const
{
    return FieldReaders::strField(slFields, _s32Index);
}

bool StatisticsRecord::bRead(const QString& _strPath, StatisticsRecord& _record)
{
    // Same encoding rules as the list files: Latin-1, or UTF-8 behind a mark.
    ListFileContent content;
    if (!ListFile::bRead(_strPath, content))
        return false;
    _record = StatisticsRecord();
    // A file ending after its header's line feed has no record either.
    if (content.slLines.size() > 1 && !content.slLines.at(1).isEmpty())
        _record.slFields = FieldReaders::slSplit(content.slLines.at(1));
    return true;
}
