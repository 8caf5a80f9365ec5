// Part-update routines: bring one catalogue part into line with the price
// list, or stage it when the catalogue lacks it.
#pragma once

#include <cstdint>

struct RunState;
struct PartValues;

int16_t UpdatePartP45Bar(RunState& st, const PartValues& v);
int16_t UpdatePartP64Bar(RunState& st, const PartValues& v);
int16_t UpdatePartP65Bar(RunState& st, const PartValues& v);
int16_t UpdatePartP48Bar(RunState& st, const PartValues& v);
int16_t UpdatePartP49Bar(RunState& st, const PartValues& v);
int16_t UpdatePartDefault(RunState& st, const PartValues& v);
// Zero-padded layout.
int16_t UpdatePartP66Bar(RunState& st, const PartValues& v);
int16_t UpdatePartP68Bar(RunState& st, const PartValues& v);
