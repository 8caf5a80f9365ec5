// Alternate-number groups, stored as the full mesh of (PartID, AltID) pairs.
#pragma once

#include <cstdint>

struct RunState;

int32_t AltCount(RunState& st, int32_t brandId, int32_t partId);
int32_t AltCountPlain(RunState& st, int32_t brandId, int32_t partId);
int32_t AltCountPadded(RunState& st, int32_t partId);
int16_t AltFind(RunState& st, int32_t brandId, int32_t partId);
int16_t AltFindPlain(RunState& st, int32_t brandId, int32_t partId);
int16_t AltFindPadded(RunState& st, int32_t partId);
int32_t FacCount(RunState& st, int32_t brandId, int32_t partId);
int16_t FacFind(RunState& st, int32_t brandId, int32_t partId);
void DedupAltGroup(RunState& st);
void DedupFac(RunState& st);
int16_t LinkAltGroup(RunState& st, int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6);
int16_t LinkAltGroupPlain(RunState& st, int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6);
int16_t LinkAltGroupPadded(RunState& st, int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6);
