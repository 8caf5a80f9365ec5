// Merges of a newer supplier list (table PriceList_New of the price-list
// database) into the first import table PriceNew_1 or into the built groups
// PriceList_<n>. Both run on cnPriceList, which the caller has opened.
#pragma once

#include "tools/ToolState.h"

struct RunState;

// Replaces the Nulls of PriceList_New, then for each of its rows: nothing
// when PriceNew_1 holds the part at the same Price and Sale, the row's
// prices into the part's rows when it holds the part at other prices, and
// the list's rows of the part copied in when it is missing.
void MergeNewListIntoPriceNew(RunState& st, ToolArrays& arr);

// For each row of PriceList_New: the prices into the part's rows of the
// first listed group that holds it (by Kind and FPartNew), or the whole row
// appended to the group with the highest number.
void MergeNewListIntoGroups(RunState& st, ToolArrays& arr);
