// The regrouping pass: rebuilds every alternate-number group of the brand.
#pragma once

struct RunState;

void RebuildAltGroups(RunState& st);
void RebuildAltGroupsPlain(RunState& st);
void RebuildAltGroupsPadded(RunState& st);
