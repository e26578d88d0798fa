// CDDCommonVariant: a value that keeps its kind. Numeric kinds compare by
// value across kinds (an unsigned 9361 equals the int 9361); text compares
// only with text; an empty variant equals only another empty one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "objectmodel/Export.h"

class DDOM_API CDDCommonVariant {
public:
    enum class Kind { Empty, Int, Unsigned, Long, Bool, Float, Double, Text, IdList };

    CDDCommonVariant();
    CDDCommonVariant(int value);         // NOLINT(google-explicit-constructor)
    CDDCommonVariant(unsigned value);    // NOLINT(google-explicit-constructor)
    CDDCommonVariant(long value);        // NOLINT(google-explicit-constructor)
    CDDCommonVariant(bool value);        // NOLINT(google-explicit-constructor)
    CDDCommonVariant(float value);       // NOLINT(google-explicit-constructor)
    CDDCommonVariant(double value);      // NOLINT(google-explicit-constructor)
    CDDCommonVariant(const char* text);  // NOLINT(google-explicit-constructor): null gives ""
    // A list of 32-bit identifiers; the variant copies `count` values and
    // never reads beyond them.
    CDDCommonVariant(const std::int32_t* ids, std::size_t count);
    CDDCommonVariant(const CDDCommonVariant& other);
    CDDCommonVariant(CDDCommonVariant&& other) noexcept;
    CDDCommonVariant& operator=(const CDDCommonVariant& other);
    CDDCommonVariant& operator=(CDDCommonVariant&& other) noexcept;
    virtual ~CDDCommonVariant();

    Kind kind() const;
    bool isEmpty() const;
    bool isNumeric() const;
    // Numeric value as a double (0 for non-numeric kinds).
    double asDouble() const;
    // Numeric value truncated to a 64-bit integer (0 for non-numeric kinds).
    std::int64_t asInt64() const;
    const std::string& text() const;
    const std::vector<std::int32_t>& ids() const;

private:
    Kind kind_ = Kind::Empty;
    std::int64_t integer_ = 0;  // Int, Unsigned, Long, Bool
    double real_ = 0.0;         // Float, Double
    std::string text_;
    std::vector<std::int32_t> ids_;

    friend DDOM_API bool operator==(const CDDCommonVariant&, const CDDCommonVariant&);
    friend DDOM_API bool operator<(const CDDCommonVariant&, const CDDCommonVariant&);
};

DDOM_API bool operator==(const CDDCommonVariant& a, const CDDCommonVariant& b);
DDOM_API bool operator!=(const CDDCommonVariant& a, const CDDCommonVariant& b);
// Ordering is defined between numeric variants and between texts; any other
// pair compares false both ways.
DDOM_API bool operator<(const CDDCommonVariant& a, const CDDCommonVariant& b);
DDOM_API bool operator>(const CDDCommonVariant& a, const CDDCommonVariant& b);

DDOM_API const char* kindName(CDDCommonVariant::Kind kind);
