// Links of a part to its car models.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

struct RunState;

int16_t LinkPartModels(RunState& st, int32_t partId, const std::array<QString, 12>& models);
int16_t FindModelID(RunState& st, const QString& text);
int16_t HasBrandCarLink(RunState& st, int32_t partId, int32_t brandId, int32_t modelId);
