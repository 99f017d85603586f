#pragma once

#include "data/archiveschema.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <QVector>

// The list browser's search over entries it does not hold: an entry's
// searchable text is fixed texts (labels, brackets, line breaks) with the
// record's values between them, all folded (data/searchindex.h), and a row
// is found when that text contains the folded search text. The archive keeps
// the folded values only; this turns a search text into conditions on the
// values that hold exactly when the composed text contains it, also where
// it runs from one value over a fixed text into the next. Pure, for any
// bytes.
namespace ArchiveSearch
{

// fixed[0] value[0] fixed[1] value[1] ... value[n-1] fixed[n].
struct Layout {
    QVector<QByteArray> fixed; // one more than there are values
    int s32Values() const { return qMax(0, fixed.size() - 1); }
};

// Where a value of an entry comes from: a field of the record's line,
// without the terminal's zero-byte padding (bClean) or as it stands.
struct ValueSource {
    int s32Field = 0;
    bool bClean = true;
    bool operator==(const ValueSource& _other) const
    {
        return s32Field == _other.s32Field && bClean == _other.bClean;
    }
};

// A field's text folded as the list's search folds it (data/searchindex.h).
QByteArray baFoldedValue(const QStringRef& _strField, bool _bClean);

struct Condition {
    enum class Kind { Contains, Equals, StartsWith, EndsWith };
    int s32Value = 0;
    Kind kind = Kind::Contains;
    QByteArray baText;

    bool operator==(const Condition& _other) const
    {
        return s32Value == _other.s32Value && kind == _other.kind && baText == _other.baText;
    }
};

// Conditions that must all hold.
using Alternative = QVector<Condition>;

// Found when bEveryRow or any alternative holds. A search text inside a
// fixed text finds every row; an empty one too.
struct Plan {
    bool bEveryRow = false;
    QVector<Alternative> alternatives;
};

Plan plan(const Layout& _layout, const QByteArray& _baNeedle);

bool bHolds(const Condition& _condition, const QVector<QByteArray>& _values);
bool bMatches(const Plan& _plan, const QVector<QByteArray>& _values);

// The plan as an SQL condition over byte columns (BLOB, bytea) holding the
// folded values, named by _slColumns in the layout's order; the texts go in
// as bound values, in the order of the "?" in strSql.
struct SqlCondition {
    QString strSql;
    QVariantList binds;
};
SqlCondition sqlCondition(const Plan& _plan, ArchiveSchema::Dialect _dialect, const QStringList& _slColumns);

// The composed text, as the list shows it folded.
QByteArray baCompose(const Layout& _layout, const QVector<QByteArray>& _values);

} // namespace ArchiveSearch
