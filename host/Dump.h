// The machine-readable view of one item: what its calculator set, and its
// validity, as one line of JSON.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/StandInHost.h"

std::string dumpItem(StandInHost& host, CAttributeCalculation& module, std::int32_t id);
// The same for an object at hand, with the validity where its kind has one.
std::string dumpObject(const CDDObject& object, std::optional<bool> valid);
std::string variantJson(const CDDCommonVariant& value);
