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
    _record = fromContent(content);
    return true;
}

StatisticsRecord StatisticsRecord::fromContent(const ListFileContent& _content)
{
    StatisticsRecord record;
    // A file ending after its header's line feed has no record either.
    if (_content.slLines.size() > 1 && !_content.slLines.at(1).isEmpty())
        record.slFields = FieldReaders::slSplit(_content.slLines.at(1));
    return record;
}
