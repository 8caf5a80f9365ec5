// FORD price lists: the merge of the list held in the tables PriceLast_<n>
// into the first import table, and the search form of every part number of
// the import tables.
#pragma once

struct RunState;
struct ToolArrays;

// Cleans each table listed in PriceLast_Count and merges its rows into
// PriceNew_1, finding rows there by the search form of the part number:
// present parts take the non-blank texts and always Price and Sale, missing
// parts are added. Refills LastGroupNos.
void MergeFordLastList(RunState& st, ToolArrays& ta);

// Rewrites PartNO and AltNO_1 ... AltNO_5 of every row of every table listed
// in PriceNew_Count in their search form. Refills NewGroupNos.
void CompactFordPartNos(RunState& st, ToolArrays& ta);
