// Column repairs of the import tables PriceNew_<n>: kind values, unusable
// name and model texts of PriceNew_1, and comma lists of alternate numbers.
#pragma once

struct RunState;
struct ToolArrays;

// Kinds cut to their first character, row by row, in PriceNew_<n> for every
// n listed in PriceList_Count. Refills GroupNos.
void TruncateKinds(RunState& st);
// Null, "0.00" and "1.00" kinds of PriceNew_1 written as 0, "0" and "1".
void NormaliseKindValues(RunState& st);
// "0.00" and "1.00" kinds of every table listed in PriceNew_Count written as
// "0" and "1". Refills NewGroupNos.
void NormaliseIsuzuKinds(RunState& st, ToolArrays& ta);

// PriceNew_1: a TName of four question marks cleared.
void ClearUnreadableTName(RunState& st);
// PriceNew_1: an EName that begins with the misread Thai pair U+0E40 U+0E18
// cleared, then TName = EName in every row. Refills ListRows.
void ClearMisreadEName(RunState& st, ToolArrays& ta);
// PriceNew_1: a model of one full stop cleared.
void ClearDotModels(RunState& st);
// PriceNew_1: a TName beginning with "2018" or one of 23 Latin letters cleared.
void ClearCodedTNames(RunState& st);

// For every table listed in PriceNew_Count: alternate kinds emptied, and a
// comma list in AltNO_1 spread over AltNO_1 ... AltNO_5. Refills GroupNos.
void SplitAltNoList(RunState& st);
