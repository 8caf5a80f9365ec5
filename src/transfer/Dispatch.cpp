#include "transfer/Dispatch.h"
#include "app/RunState.h"
#include "transfer/PartValues.h"
#include "common/Text.h"
#include "db/Database.h"

const char* const kVersionLabels[28] = {
    "Ver 3.1 SQL", "V.31", "V.32", "V.33", "V.34", "V.41", "V.42", "V.43", "V.45", "V.46 (Bar)",
    "V.51", "V.61", "P.42", "P.43", "P.44 (Bar)", "P.45 (Bar)", "P.46 (Bar)", "P.47001 (Bar)",
    "P.48 (Bar)", "P.49 (Bar)", "P.52", "P.61 (Bar)", "P.62 (Bar)", "P.64 (Bar)", "P.65 (Bar)",
    "P.66 (Bar)", "P.68 (Bar)", "D.47 (Bar)",
};

bool IsPaddedLayout(const QString& ver)
{
    const QString v = Trim(ver);
    return v == QLatin1String("P.66 (Bar)") || v == QLatin1String("P.68 (Bar)");
}

int16_t UpdatePartByVersion(RunState& st, const PartValues& v)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("UpdatePartByVersion"));
}

int16_t AddNewPartsByVersion(RunState& st, int16_t groupNo)
{
    throw db::DbError(QStringLiteral("not built yet"), QStringLiteral("AddNewPartsByVersion"));
}
