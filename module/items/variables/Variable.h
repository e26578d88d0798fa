// Variables as data. One descriptor per variable, read by one template that
// serves every variable type (plain and enumerated). Type and class mask come
// from the catalogue. An omitted field means the item has no such attribute.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "engine/ItemIndex.h"
#include "items/DeviceCodes.h"
#include "items/Items.h"

namespace variables {

// A default, bound or case value, with the kind of variant it is made as.
struct Value {
    enum class Kind : std::uint8_t { None, Int, Double, Text };
    Kind kind = Kind::None;
    std::int32_t i = 0;
    double d = 0.0;
    const char* s = nullptr;
};
constexpr Value integer(std::int32_t v) { return {Value::Kind::Int, v, 0.0, nullptr}; }
constexpr Value real(double v) { return {Value::Kind::Double, 0, v, nullptr}; }
constexpr Value text(const char* s) { return {Value::Kind::Text, 0, 0.0, s}; }

// A value test: the current value of `item`, read anew, equals the int `value`.
struct Test {
    item::Id item = item::none;
    std::int32_t value = 0;
};

inline constexpr Test kUnlocked{item::parWriteLocking, code::kWriteUnlock};

struct Handling {
    enum class Kind : std::uint8_t { None, Read, ReadWrite, Tests };
    Kind kind = Kind::None;
    // Kind Tests: read and write while every test holds (left to right, a
    // later test read only when the earlier ones held), read only otherwise.
    Test tests[3] = {};
};
inline constexpr Handling read{Handling::Kind::Read};
inline constexpr Handling readWrite{Handling::Kind::ReadWrite};
inline constexpr Handling locked{Handling::Kind::Tests, {kUnlocked}};
constexpr Handling lockedAnd(item::Id other, std::int32_t value) {
    return {Handling::Kind::Tests, {kUnlocked, {other, value}}};
}
constexpr Handling lockedAnd(Test second, Test third) { return {Handling::Kind::Tests, {kUnlocked, second, third}}; }
constexpr Handling when(item::Id other, std::int32_t value) { return {Handling::Kind::Tests, {{other, value}}}; }

// A table chosen by a unit code: rows compared in order, the fallback when
// none is equal.
struct CodeRow {
    std::int32_t code;
    const char* text;
    Value lower = {};  // lower bound of a level-empty variable
    Value upper = {};  // upper bound of a level-full variable
};
struct CodeTable {
    std::span<const CodeRow> rows;
    CodeRow fallback;
};
struct Unit {
    const char* text = nullptr;    // a fixed unit text
    item::Id codeOf = item::none;  // or the text chosen by this item's code
    const CodeTable* table = nullptr;
};
constexpr Unit unit(const char* text) { return {text, item::none, nullptr}; }
constexpr Unit unitByCode(item::Id codeOf, const CodeTable& table) { return {nullptr, codeOf, &table}; }

struct Bound {
    enum class Kind : std::uint8_t { Constant, ValueOf, LowerByCode, UpperByCode };
    Kind kind = Kind::Constant;
    Value constant = {};
    item::Id item = item::none;
    const CodeTable* table = nullptr;
};
constexpr Bound bound(Value v) { return {Bound::Kind::Constant, v, item::none, nullptr}; }
// The current value of another variable, kind kept.
constexpr Bound valueOf(item::Id other) { return {Bound::Kind::ValueOf, {}, other, nullptr}; }
// The level-empty lower or level-full upper bound of the row chosen by a code.
constexpr Bound lowerByCode(item::Id codeOf, const CodeTable& table) {
    return {Bound::Kind::LowerByCode, {}, codeOf, &table};
}
constexpr Bound upperByCode(item::Id codeOf, const CodeTable& table) {
    return {Bound::Kind::UpperByCode, {}, codeOf, &table};
}

struct Range {
    bool present = false;
    Bound lower = {};
    Bound upper = {};
};
constexpr Range range(Bound lower, Bound upper) { return {true, lower, upper}; }

// An action list. With a test, the list is attached in every case but holds
// its methods only while the test holds.
struct Actions {
    IdList<4> methods = {};
    Test when = {};
    constexpr Actions() = default;
    constexpr Actions(std::initializer_list<item::Id> list) : methods(list) {}
    constexpr Actions(Test test, std::initializer_list<item::Id> list) : methods(list), when(test) {}
    constexpr bool present() const { return !methods.empty(); }
};
constexpr Actions onlyWhen(Test test, std::initializer_list<item::Id> list) { return Actions(test, list); }

struct Enumerator {
    std::int32_t value;
    const char* description;
    const char* help = "";
};
struct BitEnumerator {
    std::int32_t bit;
    const char* description;
    const char* help = "";
};
using Enumerators = std::span<const Enumerator>;

// A whole enumerator set chosen at run time. A test chain tests each branch
// in turn (each test reads anew); a selector chain reads `selector` once and
// compares it with each branch's value.
struct EnumBranch {
    Test test;
    Enumerators set;
};
struct EnumChoice {
    std::span<const EnumBranch> branches;
    Enumerators otherwise = {};
    item::Id selector = item::none;  // set: a selector chain on this item
};

// A display format chosen at run time from current values: returns the text.
using FormatRule = const char* (*)(Request&, item::Id self);

struct Variable {
    item::Id id;
    const char* label = nullptr;          // null: only the empty label
    const char* help = nullptr;           // null: no help at all
    int size = 0;                         // bytes; 0 for float and time stamp
    const char* displayFormat = nullptr;  // replaces the base format
    const char* editFormat = nullptr;
    FormatRule displayFormatRule = nullptr;
    Range range = {};
    Value defaultValue = {};
    Handling handling = {};
    Unit unit = {};
    Actions preEdit = {};
    Actions postEdit = {};
    Actions postRead = {};
    // Enumerated and bit-enumerated variables.
    std::int32_t maxEnumIndex = 0;
    const EnumChoice* chosenEnumerators = nullptr;  // added before `enumerators`
    Enumerators enumerators = {};
    std::span<const BitEnumerator> bitEnumerators = {};
    // A value-dependent validity; null: always valid.
    Condition valid = nullptr;
};

// The one variable template: fills a variable from its descriptor, with the
// type and classes the catalogue gives the item.
void fillVariable(Request& request, CDDVariable& variable, const Variable& descriptor, const ItemEntry& item);

}  // namespace variables
