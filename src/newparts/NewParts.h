// New-part writers: drain the brand's staged rows into the catalogue, one
// transaction per part. groupNo is used only in the progress text.
#pragma once

#include <cstdint>

struct RunState;

void AddNewPartsSql31(RunState& st, int16_t groupNo);
void AddNewPartsV31(RunState& st, int16_t groupNo);
void AddNewPartsV33(RunState& st, int16_t groupNo);
void AddNewPartsV34(RunState& st, int16_t groupNo);
void AddNewPartsV42(RunState& st, int16_t groupNo);
void AddNewPartsV43(RunState& st, int16_t groupNo);
void AddNewPartsV45(RunState& st, int16_t groupNo);
void AddNewPartsV46Bar(RunState& st, int16_t groupNo);
void AddNewPartsP43(RunState& st, int16_t groupNo);
void AddNewPartsP44Bar(RunState& st, int16_t groupNo);
void AddNewPartsP45Bar(RunState& st, int16_t groupNo);
void AddNewPartsP46Bar(RunState& st, int16_t groupNo);
void AddNewPartsP48Bar(RunState& st, int16_t groupNo);
void AddNewPartsP49Bar(RunState& st, int16_t groupNo);
void AddNewPartsP52(RunState& st, int16_t groupNo);
void AddNewPartsP61Bar(RunState& st, int16_t groupNo);
void AddNewPartsP64Bar(RunState& st, int16_t groupNo);
void AddNewPartsP66Bar(RunState& st, int16_t groupNo);
void AddNewPartsP68Bar(RunState& st, int16_t groupNo);
