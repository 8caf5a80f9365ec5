// The routines of each version label.
#pragma once

#include <QString>
#include <cstdint>

struct RunState;
struct PartValues;

// The 28 labels the version check accepts, in the dispatch's order.
extern const char* const kVersionLabels[28];
bool IsPaddedLayout(const QString& ver);   // "P.66 (Bar)" or "P.68 (Bar)"

int16_t UpdatePartByVersion(RunState& st, const PartValues& v);
int16_t AddNewPartsByVersion(RunState& st, int16_t groupNo);
