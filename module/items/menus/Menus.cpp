// The menu template and the collection template.
#include <memory>

#include "engine/Request.h"
#include "engine/TextJoin.h"
#include "items/menus/Menu.h"

namespace menus {

namespace {

const std::span<const Menu> kFamilies[] = {
    kRootAndStandard,       kOnlineStandardTabs,          kOfflineTabs,
    kProfileAndIdentificationTabs, kUploadDownload,       kDiagnosisDisplayResetCalibration,
    kMeasuredValueMenus,    kLimitCalibrationSystemDialogs, kDeviceDialogs,
    kAnalogInputDisplay,    kAnalogInputAlarms,           kAnalogInputAlarmOverview,
    kAnalogInputSimulation, kAnalogInputTabs,
};

// A member entry takes its item, description and help from the collection
// the host holds. A collection or member the host cannot give leaves the
// entry out, reported, rather than adding an entry that names nothing.
std::unique_ptr<CDDMenuItem> memberEntry(Request& r, const Entry& e) {
    const CDDDefinition* collectionDefinition = r.definition(e.item);
    if (!collectionDefinition) return nullptr;
    auto missing = [&]() -> std::unique_ptr<CDDMenuItem> {
        r.calculator().reportError(CStrPP(":   0,  0 : missing collection member ") +
                                   collectionDefinition->getName() + CStrPP(".") + CStrPP(e.member));
        return nullptr;
    };
    CObjectStore* store = r.store();
    CDDCollection* collection = store ? r.keep(store->GetCollection(r.context(), collectionDefinition)) : nullptr;
    if (!collection) return missing();
    store = r.store();
    CDDObject* object = store ? r.keep(store->GetMemberObject(r.context(), collection, CStrPP(e.member))) : nullptr;
    if (!object || !object->getDefinition()) return missing();
    auto menuItem = std::make_unique<CDDMenuItem>();
    menuItem->putDefinition(*object->getDefinition());
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

void addEntries(Request& r, CDDMenu& menu, std::span<const Entry> entries) {
    for (const Entry& e : entries) {
        if (e.kind == Entry::Kind::Group) {
            if (r.equals(e.item, e.value)) addEntries(r, menu, e.group);
            continue;
        }
        std::unique_ptr<CDDMenuItem> menuItem;
        if (e.kind == Entry::Kind::Member) {
            menuItem = memberEntry(r, e);
        } else if (const CDDDefinition* definition = r.definition(e.item)) {
            menuItem = std::make_unique<CDDMenuItem>(*definition);
        }
        if (!menuItem) continue;
        if (e.qualified) menuItem->putQualification(enumDDMenuItemQualificationType{1}, true);
        menu.getMenuItems()->Add(*menuItem, -1, -1);
    }
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

void fillMenu(Request& r, CDDMenu& menu, const Menu& d) {
    menu.putLabel(CStrPP(""));
    if (d.label) menu.putLabel(CStrPP(d.label));
    if (d.help) {
        menu.putHelp(CStrPP(""));
        menu.putHelp(CStrPP(d.help));
    }
    menu.putAccess(enumDDAccessType{d.access});
    menu.setMenuItems(new CDDMenuItemList());
    addEntries(r, menu, d.entries);
    writeActions<&CDDMenu::setPreWriteActions>(r, menu, d.preWrite);
    writeActions<&CDDMenu::setPostWriteActions>(r, menu, d.postWrite);
}

void fillCollection(Request& r, CDDCollection& collection, const Collection& d) {
    collection.putLabel(CStrPP(""));
    collection.setMemberSet(new CDDMemberSet());
    for (const Member& m : d.members) {
        CDDMember member{CStrPP(m.name)};
        if (const CDDDefinition* definition = r.definition(m.item)) member.putDefinition(*definition);
        member.putDescription(CStrPP(m.description));
        member.putHelp(CStrPP(m.help));
        collection.getMemberSet()->Add(member);
    }
}

void enter(CalculationTable& table) {
    enterFamily<CDDCollection, Collection, fillCollection>(table, kCollections);
    for (const auto& family : kFamilies) enterFamily<CDDMenu, Menu, fillMenu>(table, family);
}

}  // namespace menus
