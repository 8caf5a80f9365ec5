// The second transfer pass over the price list's PriceListAll.
#pragma once

struct RunState;

void TransferPriceListAll(RunState& st);
