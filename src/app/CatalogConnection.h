// Opening the catalogue, the version and brand checks, and the test of the
// price list's PriceListAll.
#pragma once

#include <QString>
#include <cstdint>

struct RunState;

// The Access driver text of both Access connections, chosen by whether the
// trimmed catalogue path ends in "accdb".
QString AccessDriverText(const RunState& st);

void OpenCatalog(RunState& st);
void OpenCatalogAccess(RunState& st);
int16_t CheckCatalogVersion(RunState& st);
void FindBrandID(RunState& st);
void FindBrandIDInBrand(RunState& st);
void FindBrandIDInPtaBrandID(RunState& st);
int16_t HasPriceListAllRows(RunState& st);

// Closes the catalogue connection when open, drops it and opens a new one.
void ReconnectCatalog(RunState& st);
