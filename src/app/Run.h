// The button's run: checks, connections, and the passes in their order.
#pragma once

struct RunState;

void cmdUpDate_Click(RunState& st);
void RunTransfer(RunState& st);
