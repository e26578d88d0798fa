// Request: what one calculator, condition or method body run has at hand:
// the calculator, the host's context word and the run's TemporaryKeeper.
// Every read goes to the host anew; nothing outlives the run.
#pragma once

#include <cstdint>

#include "engine/AttributeCalculation.h"
#include "engine/TemporaryKeeper.h"

class Request {
public:
    Request(CDeviceAttributeCalculation& calculator, ContextWord context)
        : calculator_(calculator), context_(context) {}

    CDeviceAttributeCalculation& calculator() const { return calculator_; }
    ContextWord context() const { return context_; }
    const CDDDefinition* definition(std::int32_t id) const { return calculator_.definition(id); }
    const ItemEntry* item(std::int32_t id) const { return calculator_.item(id); }

    template <class T>
    T* keep(T* p) {
        return keeper_.keep(p);
    }

    // The host's store, fetched anew; null when no host is attached.
    CObjectStore* store() const;
    // The item's current value, kept until the run ends; null when the host
    // cannot give one.
    CDDCommonVariant* currentValue(std::int32_t id);
    // A value test: reads the item anew and compares it with an int.
    bool equals(std::int32_t id, int value);

private:
    CDeviceAttributeCalculation& calculator_;
    ContextWord context_;
    TemporaryKeeper keeper_;
};
