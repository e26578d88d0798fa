// The menu template and the collection template.
#include <memory>
#include <optional>
#include <vector>

#include "engine/Request.h"
#include "engine/TextJoin.h"
#include "items/menus/Menu.h"

namespace menus {

namespace {

// A member entry takes its item, description and help from the collection
// the host holds. A collection or member the host cannot give leaves the
// entry out, reported, rather than adding an entry that names nothing. What
// the host hands out is freed as soon as it has been read: a menu of many
// member entries never holds more than one collection.
std::optional<CDDMenuItem> memberEntry(Request& r, const Entry& e) {
    const CDDDefinition* collectionDefinition = r.definition(e.item);
    if (!collectionDefinition) return std::nullopt;
    auto missing = [&]() -> std::optional<CDDMenuItem> {
        r.calculator().reportError(CStrPP(":   0,  0 : missing collection member ") + collectionDefinition->getName() +
                                   CStrPP(".") + CStrPP(e.member));
        return std::nullopt;
    };
    std::optional<CDDMenuItem> menuItem;
    CObjectStore* store = r.store();
    {
        const std::unique_ptr<CDDCollection> collection(store ? store->GetCollection(r.context(), collectionDefinition)
                                                              : nullptr);
        if (!collection) return missing();
        store = r.store();
        const std::unique_ptr<CDDObject> object(
            store ? store->GetMemberObject(r.context(), collection.get(), CStrPP(e.member)) : nullptr);
        if (!object || !object->getDefinition()) return missing();
        menuItem.emplace(*object->getDefinition());
    }
    store = r.store();
    const std::unique_ptr<CDDCollection> second(store ? store->GetCollection(r.context(), collectionDefinition)
                                                      : nullptr);
    CDDMemberSet* members = second ? second->getMemberSet() : nullptr;
    const CDDMember* member = members ? members->getItem(CStrPP(e.member)) : nullptr;
    if (!member) return missing();
    menuItem->putDescription(member->getDescription());
    menuItem->putHelp(member->getHelp());
    return menuItem;
}

void addEntries(Request& r, CDDMenuItemList& list, std::span<const Entry> entries) {
    for (const Entry& e : entries) {
        if (e.kind == Entry::Kind::Group) {
            if (r.equals(e.item, e.value)) addEntries(r, list, e.group);
            continue;
        }
        std::optional<CDDMenuItem> menuItem;
        if (e.kind == Entry::Kind::Member) {
            menuItem = memberEntry(r, e);
        } else if (const CDDDefinition* definition = r.definition(e.item)) {
            menuItem.emplace(*definition);
        }
        if (!menuItem) continue;
        if (e.qualified) menuItem->putQualification(enumDDMenuItemQualificationType{1}, true);
        list.Add(*menuItem, -1, -1);
    }
}

CDDMemberSet buildMemberSet(Request& r, const Collection& d) {
    CDDMemberSet set;
    for (const Member& m : d.members) {
        CDDMember member{CStrPP(m.name)};
        if (const ItemEntry* entry = r.item(m.item))
            member.putDefinition(CDDDefinition(entry->id, CStrPP(entry->name), entry->kind));
        member.putDescription(CStrPP(m.description));
        member.putHelp(CStrPP(m.help));
        set.Add(member);
    }
    return set;
}

// A collection's members never change (their definitions are the catalogue's,
// the same in every build): each set is built once, on first use, and every
// collection filled gets a copy.
const CDDMemberSet& memberSet(Request& r, const Collection& d) {
    static const std::vector<std::pair<std::int32_t, CDDMemberSet>> sets = [&r] {
        std::vector<std::pair<std::int32_t, CDDMemberSet>> built;
        for (const ItemEntry& entry : r.calculator().index())
            if (entry.name && entry.kind == ddkCollection)
                built.emplace_back(entry.id, buildMemberSet(r, *static_cast<const Collection*>(entry.descriptor)));
        return built;
    }();
    std::size_t at = 0;
    while (at < sets.size() && sets[at].first != d.id) ++at;
    return sets.at(at).second;
}

template <void (CDDMenu::*Attach)(CDDDefinitionList*)>
void writeActions(Request& r, CDDMenu& menu, const IdList<4>& methods) {
    if (methods.empty()) return;
    auto list = std::make_unique<CDDDefinitionList>();
    for (item::Id method : methods)
        if (const CDDDefinition* definition = r.definition(method)) list->Add(*definition, -1, -1);
    (menu.*Attach)(list.release());
}

}  // namespace

void fillMenu(Request& r, CDDMenu& menu, const Menu& d, const ItemEntry&) {
    menu.putLabel(CStrPP(""));
    if (d.label) menu.putLabel(CStrPP(d.label));
    if (d.help) {
        menu.putHelp(CStrPP(""));
        menu.putHelp(CStrPP(d.help));
    }
    menu.putAccess(enumDDAccessType{static_cast<std::int32_t>(d.access)});
    // The entries are gathered before the menu gets them: a host may hand the
    // menu to another calculator from inside a callback, which would replace
    // a list the menu already held.
    auto entries = std::make_unique<CDDMenuItemList>();
    addEntries(r, *entries, d.entries);
    menu.setMenuItems(entries.release());
    writeActions<&CDDMenu::setPreWriteActions>(r, menu, d.preWrite);
    writeActions<&CDDMenu::setPostWriteActions>(r, menu, d.postWrite);
}

void fillCollection(Request& r, CDDCollection& collection, const Collection& d, const ItemEntry&) {
    collection.putLabel(CStrPP(""));
    collection.setMemberSet(new CDDMemberSet(memberSet(r, d)));
}

}  // namespace menus
