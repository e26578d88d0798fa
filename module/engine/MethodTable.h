// The method bodies that ExecuteMethod reaches by item ID.
#pragma once

#include <cstdint>
#include <optional>

#include "interfaces/HostInterfaces.h"

class CDeviceAttributeCalculation;

// Runs the body of method item `id` with the host added (the method's stub);
// no value when `id` is no method of the module. Defined with the bodies.
std::optional<std::int32_t> runMethodStub(CDeviceAttributeCalculation& calculator, std::int32_t id,
                                          ContextWord context, CDDObject* method, std::int32_t argument,
                                          bool ignoreFailures, CCalculationHost* host);
