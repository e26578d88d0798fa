// Menus and collections as data. A menu row gives its access, texts, entries
// in order and write actions; a collection row its members.
#pragma once

#include <cstdint>
#include <span>

#include "engine/ItemIndex.h"
#include "items/Access.h"
#include "items/Items.h"

namespace menus {

using enum Access;

struct Entry {
    enum class Kind : std::uint8_t { Item, Member, Group };
    Kind kind = Kind::Item;
    item::Id item = item::none;         // Item: the entry; Member: the collection; Group: the variable tested
    const char* member = nullptr;       // Member: the member name
    bool qualified = false;             // qualification 1 set to true
    std::int32_t value = 0;             // Group: the value the variable must equal
    std::span<const Entry> group = {};  // Group: its entries
};

// A direct entry, and one with qualification 1.
constexpr Entry entry(item::Id id) { return {Entry::Kind::Item, id, nullptr, false, 0, {}}; }
constexpr Entry qualified(item::Id id) { return {Entry::Kind::Item, id, nullptr, true, 0, {}}; }
// An entry resolved through a collection member by name.
constexpr Entry member(const char* name, item::Id collection = item::collectionMapping) {
    return {Entry::Kind::Member, collection, name, false, 0, {}};
}
constexpr Entry qualifiedMember(const char* name, item::Id collection = item::collectionMapping) {
    return {Entry::Kind::Member, collection, name, true, 0, {}};
}
// IF variable = value { entries }: added only while the current value is equal.
constexpr Entry group(item::Id variable, std::int32_t value, std::span<const Entry> entries) {
    return {Entry::Kind::Group, variable, nullptr, false, value, entries};
}

struct Menu {
    item::Id id;
    Access access;
    const char* label = nullptr;  // null: only the empty label
    const char* help = nullptr;   // null: no help
    std::span<const Entry> entries = {};
    IdList<4> preWrite = {};
    IdList<4> postWrite = {};
};

struct Member {
    const char* name;
    item::Id item;
    const char* description;
    const char* help = "";
};

struct Collection {
    item::Id id;
    std::span<const Member> members;
};

// The menu template and the collection template.
void fillMenu(Request& request, CDDMenu& menu, const Menu& descriptor, const ItemEntry& item);
void fillCollection(Request& request, CDDCollection& collection, const Collection& descriptor, const ItemEntry& item);

}  // namespace menus
