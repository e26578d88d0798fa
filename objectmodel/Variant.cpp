#include "objectmodel/Variant.h"

#include <cmath>

using Kind = CDDCommonVariant::Kind;

CDDCommonVariant::CDDCommonVariant() = default;
CDDCommonVariant::CDDCommonVariant(int value) : kind_(Kind::Int), integer_(value) {}
CDDCommonVariant::CDDCommonVariant(unsigned value) : kind_(Kind::Unsigned), integer_(value) {}
CDDCommonVariant::CDDCommonVariant(long value) : kind_(Kind::Long), integer_(value) {}
CDDCommonVariant::CDDCommonVariant(bool value) : kind_(Kind::Bool), integer_(value ? 1 : 0) {}
CDDCommonVariant::CDDCommonVariant(float value) : kind_(Kind::Float), real_(value) {}
CDDCommonVariant::CDDCommonVariant(double value) : kind_(Kind::Double), real_(value) {}
CDDCommonVariant::CDDCommonVariant(const char* text) : kind_(Kind::Text), text_(text ? text : "") {}
CDDCommonVariant::CDDCommonVariant(const std::int32_t* ids, std::size_t count) : kind_(Kind::IdList) {
    if (ids) ids_.assign(ids, ids + count);
}
CDDCommonVariant::CDDCommonVariant(const CDDCommonVariant& other) = default;
CDDCommonVariant::CDDCommonVariant(CDDCommonVariant&& other) noexcept = default;
CDDCommonVariant& CDDCommonVariant::operator=(const CDDCommonVariant& other) = default;
CDDCommonVariant& CDDCommonVariant::operator=(CDDCommonVariant&& other) noexcept = default;
CDDCommonVariant::~CDDCommonVariant() = default;

Kind CDDCommonVariant::kind() const { return kind_; }
bool CDDCommonVariant::isEmpty() const { return kind_ == Kind::Empty; }

bool CDDCommonVariant::isNumeric() const {
    switch (kind_) {
    case Kind::Int:
    case Kind::Unsigned:
    case Kind::Long:
    case Kind::Bool:
    case Kind::Float:
    case Kind::Double: return true;
    default: return false;
    }
}

static bool isReal(Kind k) { return k == Kind::Float || k == Kind::Double; }

double CDDCommonVariant::asDouble() const {
    if (!isNumeric()) return 0.0;
    return isReal(kind_) ? real_ : static_cast<double>(integer_);
}

std::int64_t CDDCommonVariant::asInt64() const {
    if (!isNumeric()) return 0;
    if (!isReal(kind_)) return integer_;
    // Out-of-range and NaN doubles have no integer value; clamp instead of UB.
    if (std::isnan(real_)) return 0;
    if (real_ >= 9.2e18) return INT64_MAX;
    if (real_ <= -9.2e18) return INT64_MIN;
    return static_cast<std::int64_t>(real_);
}

const std::string& CDDCommonVariant::text() const { return text_; }
const std::vector<std::int32_t>& CDDCommonVariant::ids() const { return ids_; }

// Three-way comparison of two numeric variants; integers compare exactly.
static int compareNumeric(const CDDCommonVariant& a, const CDDCommonVariant& b) {
    if (!isReal(a.kind()) && !isReal(b.kind())) {
        const auto x = a.asInt64(), y = b.asInt64();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const double x = a.asDouble(), y = b.asDouble();
    if (x < y) return -1;
    if (x > y) return 1;
    return x == y ? 0 : 2;  // 2: unordered (NaN)
}

bool operator==(const CDDCommonVariant& a, const CDDCommonVariant& b) {
    if (a.isNumeric() && b.isNumeric()) return compareNumeric(a, b) == 0;
    if (a.kind_ != b.kind_) return false;
    switch (a.kind_) {
    case Kind::Empty: return true;
    case Kind::Text: return a.text_ == b.text_;
    case Kind::IdList: return a.ids_ == b.ids_;
    default: return false;
    }
}

bool operator!=(const CDDCommonVariant& a, const CDDCommonVariant& b) { return !(a == b); }

bool operator<(const CDDCommonVariant& a, const CDDCommonVariant& b) {
    if (a.isNumeric() && b.isNumeric()) return compareNumeric(a, b) == -1;
    if (a.kind_ == Kind::Text && b.kind_ == Kind::Text) return a.text_ < b.text_;
    return false;
}

bool operator>(const CDDCommonVariant& a, const CDDCommonVariant& b) { return b < a; }

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Empty: return "empty";
    case Kind::Int: return "int";
    case Kind::Unsigned: return "unsigned";
    case Kind::Long: return "long";
    case Kind::Bool: return "bool";
    case Kind::Float: return "float";
    case Kind::Double: return "double";
    case Kind::Text: return "text";
    case Kind::IdList: return "ids";
    }
    return "empty";
}
