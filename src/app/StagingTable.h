// The catalogue's staging table PriceList.
#pragma once

#include <cstdint>

struct RunState;

void CreatePriceListTableAccess(RunState& st);
void CreatePriceListTableSqlServer(RunState& st);
int32_t CountStagedParts(RunState& st);
int16_t OpenStagedParts(RunState& st);
