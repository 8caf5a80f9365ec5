// HONDA and ISUZU price lists: PartNew taken from the catalogue's spelling,
// short ISUZU part numbers dropped, and empty ISUZU kinds filled from the
// catalogue.
#pragma once

struct RunState;
struct ToolArrays;

// For every table listed in PriceNew_Count: Nulls repaired, then each row
// without a PartNew gets FPartNO (its search form) and PartNew (the part
// number as Pta<BrandID> spells it, found by FPartNO); the rest take their
// own PartNO. Refills NewGroupNos.
void FixHondaPartNew(RunState& st, ToolArrays& ta);

// For every table listed in PriceNew_Count: rows whose part number has 1 to
// 9 characters are deleted, alternates of 1 to 9 characters cleared (kind
// and number). Refills NewGroupNos and ListRows.
void DropShortIsuzuPartNos(RunState& st, ToolArrays& ta);

// For every table listed in PriceNew_Count: empty Kind and AKind_1 are taken
// from the catalogue part with the same number (and, when several, the same
// Thai name); what stays empty becomes 0. Refills NewGroupNos.
void FillIsuzuKindsFromCatalogue(RunState& st, ToolArrays& ta);
