// The first transfer pass over the price list's groups, and the model list.
#pragma once

#include <QString>
#include <array>

struct RunState;

void TransferGroupedPriceList(RunState& st);
QString JoinModels(const std::array<QString, 12>& models);
