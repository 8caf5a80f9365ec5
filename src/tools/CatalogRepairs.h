// Two repairs of the catalogue: one part linked to one car model of the
// brand, and the purge of the brand's parts without a part number.
#pragma once

#include <QString>
#include <cstdint>

struct RunState;

// Links the part to the model (added to Pta_ModelID under a new ModelID
// when missing) in Pta_BrandCar and Pta_Model, each row only when missing.
// A blank model records the part without a model (ModelID 0) unless the part
// already has a Pta_BrandCar row for the brand.
void LinkPartModelSingle(RunState& st, int32_t partId, const QString& modelText);

// Deletes every part of Pta<BrandID> whose PartNO is '' with its Alt<BrandID>
// row and its AltG<BrandID> pairs, then sets the LastID counter
// "Pta<BrandID>" to the highest PartID left (unchanged when none is left).
void PurgeEmptyParts(RunState& st);
