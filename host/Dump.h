// The machine-readable view of one item: what its calculator set, and its
// validity, as one line of JSON.
#pragma once

#include <cstdint>
#include <string>

#include "host/StandInHost.h"

std::string dumpItem(StandInHost& host, CAttributeCalculation& module, std::int32_t id);
std::string variantJson(const CDDCommonVariant& value);
