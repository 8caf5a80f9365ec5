// New identifiers from the catalogue's LastID counters.
#pragma once

#include <QString>
#include <cstdint>

struct RunState;

// The next number of the counter, or 0 on failure (never throws).
int32_t NextLastID(RunState& st, const QString& name);
int32_t NextLastIDSql(RunState& st, const QString& name);
int32_t NextLastIDAccess(RunState& st, const QString& name);
