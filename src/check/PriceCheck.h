// The price check passes: collect what still differs into PriceListAll, and
// list what still differs in the result grid.
#pragma once

struct RunState;

void CheckPricesByVersion(RunState& st);
void ReportPricesByVersion(RunState& st);
