#include "bench/Floor.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "host/Encoding.h"

namespace {

void put(const std::optional<CStrPP>& text, auto&& setter) {
    if (text) setter(*text);
}

template <class Enum>
void rebuildClasses(const CDDClassBits& from, auto& to) {
    for (int value = 0; value < CDDClassBits::kCount; ++value)
        if (const auto on = from.get(value)) to.putClassInfo(Enum{value}, *on);
}

CDDDefinitionList* listFrom(const CDDDefinitionList* from) {
    if (!from) return nullptr;
    auto* list = new CDDDefinitionList();
    for (const auto& d : from->items()) list->Add(d, -1, -1);
    return list;
}

CDDVariableDefinitionSet* setFrom(const CDDVariableDefinitionSet* from) {
    if (!from) return nullptr;
    auto* set = new CDDVariableDefinitionSet();
    for (const auto& d : from->items()) set->Insert(d);
    return set;
}

CDDType* typeFrom(const CDDType& from) {
    auto* type = new CDDType(from.getType());
    if (from.getSize()) type->putSize(*from.getSize());
    if (from.getScalingFactor()) type->putScalingFactor(*from.getScalingFactor());
    put(from.getDisplayFormat(), [&](const CStrPP& t) { type->putDisplayFormat(t); });
    put(from.getEditFormat(), [&](const CStrPP& t) { type->putEditFormat(t); });
    if (from.getMaxRangeNo()) type->putMaxRangeNo(*from.getMaxRangeNo());
    for (const auto& [range, value] : from.getMinValues()) type->putMinValues(range, value);
    for (const auto& [range, value] : from.getMaxValues()) type->putMaxValues(range, value);
    if (from.getDefaultValue()) type->putDefaultValue(*from.getDefaultValue());
    if (from.getMaxEnumIndex()) type->putMaxEnumIndex(*from.getMaxEnumIndex());
    if (from.getMaxBitEnumIndex()) type->putMaxBitEnumIndex(*from.getMaxBitEnumIndex());
    for (const auto& e : from.enumerators().items()) {
        CDDEnumerator enumerator;
        enumerator.putValue(e.getValue());
        put(e.getDescription(), [&](const CStrPP& t) { enumerator.putDescription(t); });
        put(e.getHelp(), [&](const CStrPP& t) { enumerator.putHelp(t); });
        type->getEnumeratorSet()->Add(enumerator);
    }
    for (const auto& e : from.bitEnumerators().items()) {
        CDDBitEnumerator enumerator(e.getBit());
        put(e.getDescription(), [&](const CStrPP& t) { enumerator.putDescription(t); });
        put(e.getHelp(), [&](const CStrPP& t) { enumerator.putHelp(t); });
        if (e.getMethod()) enumerator.putMethod(*e.getMethod());
        type->getBitEnumeratorSet()->Add(enumerator);
    }
    return type;
}

void rebuildVariable(const CDDVariable& from, CDDVariable& to) {
    put(from.getLabel(), [&](const CStrPP& t) { to.putLabel(t); });
    put(from.getHelp(), [&](const CStrPP& t) { to.putHelp(t); });
    put(from.getConstantUnit(), [&](const CStrPP& t) { to.putConstantUnit(t); });
    rebuildClasses<enumDDVariableClassType>(from.classes(), *to.getClass());
    if (from.type()) to.setTypeInfo(typeFrom(*from.type()));
    for (const auto handling : {ddhWrite, ddhRead})
        if (const auto on = from.getHandling(handling)) to.putHandling(handling, *on);
    if (from.getPreEditActions()) to.setPreEditActions(listFrom(from.getPreEditActions()));
    if (from.getPostEditActions()) to.setPostEditActions(listFrom(from.getPostEditActions()));
    if (from.getPostReadActions()) to.setPostReadActions(listFrom(from.getPostReadActions()));
}

CDDDataItemList* dataItemsFrom(const CDDDataItemList* from) {
    if (!from) return nullptr;
    auto* list = new CDDDataItemList();
    for (const auto& d : from->items()) {
        CDDDataItem item;
        if (d.getKind()) item.putKind(*d.getKind());
        if (d.reference().getDefinition()) item.getReference()->putDefinition(*d.reference().getDefinition());
        if (d.getMask()) item.putMask(*d.getMask());
        if (d.getConstantValue()) item.putConstantValue(*d.getConstantValue());
        list->Add(item, -1, -1);
    }
    return list;
}

void rebuildCommand(const CDDCommand& from, CDDCommand& to) {
    if (from.getBlock()) to.putBlock(*from.getBlock());
    if (from.getIndex()) to.setIndex(new CDDIndex(from.getIndex()->getIndex()));
    if (from.getOperation()) to.putOperation(*from.getOperation());
    if (!from.transactionSet()) return;
    to.setTransactionSet(new CDDTransactionSet());
    for (const auto& t : from.transactionSet()->items()) {
        CDDTransaction transaction(t.getNumber());
        if (t.getRequest()) transaction.setRequest(dataItemsFrom(t.getRequest()));
        if (t.getReply()) transaction.setReply(dataItemsFrom(t.getReply()));
        to.getTransactionSet()->Insert(transaction);
    }
}

void rebuildMenu(const CDDMenu& from, CDDMenu& to) {
    put(from.getLabel(), [&](const CStrPP& t) { to.putLabel(t); });
    put(from.getHelp(), [&](const CStrPP& t) { to.putHelp(t); });
    if (from.getAccess()) to.putAccess(*from.getAccess());
    if (from.menuItems()) {
        to.setMenuItems(new CDDMenuItemList());
        for (const auto& i : from.menuItems()->items()) {
            CDDMenuItem entry;
            if (i.getDefinition()) entry.putDefinition(*i.getDefinition());
            put(i.getDescription(), [&](const CStrPP& t) { entry.putDescription(t); });
            put(i.getHelp(), [&](const CStrPP& t) { entry.putHelp(t); });
            for (const auto& [qualification, on] : i.getQualifications())
                entry.putQualification(enumDDMenuItemQualificationType{qualification}, on);
            to.getMenuItems()->Add(entry, -1, -1);
        }
    }
    if (from.getPreWriteActions()) to.setPreWriteActions(listFrom(from.getPreWriteActions()));
    if (from.getPostWriteActions()) to.setPostWriteActions(listFrom(from.getPostWriteActions()));
}

void rebuildMethod(const CDDMethod& from, CDDMethod& to) {
    rebuildClasses<enumDDMethodClass>(from.classes(), *to.getClass());
    if (from.getAccess()) to.putAccess(*from.getAccess());
    put(from.getLabel(), [&](const CStrPP& t) { to.putLabel(t); });
    if (from.getValidity()) to.putValidity(*from.getValidity());
}

void rebuildCollection(const CDDCollection& from, CDDCollection& to) {
    put(from.getLabel(), [&](const CStrPP& t) { to.putLabel(t); });
    if (!from.memberSet()) return;
    to.setMemberSet(new CDDMemberSet());
    for (const auto& m : from.memberSet()->items()) {
        CDDMember member(m.getName());
        if (m.getDefinition()) member.putDefinition(*m.getDefinition());
        if (m.hasDescription()) member.putDescription(m.getDescription());
        if (m.hasHelp()) member.putHelp(m.getHelp());
        to.getMemberSet()->Add(member);
    }
}

void rebuildBlock(const CDDBlock& from, CDDBlock& to) {
    if (from.getType()) to.putType(*from.getType());
    if (from.getNumber()) to.putNumber(*from.getNumber());
    to.putBlockKind(from.getBlockKind());
}

void rebuildUnit(const CDDUnit& from, CDDUnit& to) {
    if (from.getUnit()) to.putUnit(*from.getUnit());
    if (from.reread()) to.setReread(setFrom(from.reread()));
}

void rebuildRefresh(const CDDRefresh& from, CDDRefresh& to) {
    if (from.reread()) to.setReread(setFrom(from.reread()));
    if (from.changed()) to.setChanged(setFrom(from.changed()));
}

// Calls `each` with `from` and `to` as the class they both are.
template <class T>
void as(const CDDObject& from, CDDObject& to, void (*each)(const T&, T&)) {
    const auto* f = dynamic_cast<const T*>(&from);
    auto* t = dynamic_cast<T*>(&to);
    if (f && t) each(*f, *t);
}

}  // namespace

void rebuild(const CDDObject& from, CDDObject& to) {
    switch (from.getcDefinition()->getKind()) {
    case ddkVariable: as(from, to, rebuildVariable); break;
    case ddkCommand: as(from, to, rebuildCommand); break;
    case ddkMenu: as(from, to, rebuildMenu); break;
    case ddkMethod: as(from, to, rebuildMethod); break;
    case ddkCollection: as(from, to, rebuildCollection); break;
    case ddkBlock: as(from, to, rebuildBlock); break;
    case ddkUnit: as(from, to, rebuildUnit); break;
    case ddkRefresh: as(from, to, rebuildRefresh); break;
    default: break;
    }
    if (const auto available = from.getAttributesAvailable()) to.putAttributesAvailable(*available);
}

std::unique_ptr<CDDObject> rebuilt(const CDDObject& model) {
    const CDDDefinition& d = *model.getcDefinition();
    std::unique_ptr<CDDObject> object;
    switch (d.getKind()) {
    case ddkVariable: object = std::make_unique<CDDVariable>(d); break;
    case ddkCommand: object = std::make_unique<CDDCommand>(d); break;
    case ddkMenu: object = std::make_unique<CDDMenu>(d); break;
    case ddkMethod: object = std::make_unique<CDDMethod>(d); break;
    case ddkCollection: object = std::make_unique<CDDCollection>(d); break;
    case ddkBlock: object = std::make_unique<CDDBlock>(d, enumDDBlockKind{0}); break;
    case ddkUnit: object = std::make_unique<CDDUnit>(d); break;
    case ddkRefresh: object = std::make_unique<CDDRefresh>(d); break;
    default: throw std::runtime_error("no floor for the kind of " + d.getName().str());
    }
    rebuild(model, *object);
    return object;
}

std::vector<HostCall> parseCalls(const StandInHost& host, const std::vector<std::string>& lines) {
    using Op = HostCall::Op;
    static const std::pair<const char*, Op> kOps[] = {
        {"GetObjectStore", Op::GetObjectStore},
        {"GetCurrentValue", Op::GetCurrentValue},
        {"GetBlock", Op::GetBlock},
        {"GetCollection", Op::GetCollection},
        {"GetMemberObject", Op::GetMemberObject},
        {"AddObject", Op::AddObject},
        {"PutRequestSet", Op::PutRequestSet},
        {"PutReplySet", Op::PutReplySet},
        {"PutVariableSet", Op::PutVariableSet},
    };
    auto stored = [&](const std::string& name) {
        const CDDObject* object = host.objectNamed(utf8ToCp1252(name));
        if (!object) throw std::runtime_error("the floor knows no item " + name);
        return object;
    };
    std::vector<HostCall> calls;
    for (const auto& line : lines) {
        std::istringstream in(line);
        std::string operation, word;
        in >> operation;
        const auto* known =
            std::find_if(std::begin(kOps), std::end(kOps), [&](const auto& o) { return operation == o.first; });
        if (known == std::end(kOps)) throw std::runtime_error("the floor cannot make the call " + line);
        HostCall call{known->second, {}, {}, {}};
        if (call.op == Op::AddObject) {
            in >> word >> word;  // the kind word, then the name
            call.object.reset(stored(word)->clone());
        } else if (call.op == Op::GetMemberObject) {
            in >> word;
            call.items.push_back(*stored(word)->getcDefinition());
            in >> word;
            call.member = CStrPP(utf8ToCp1252(word).c_str());
        } else if (call.op == Op::PutVariableSet) {
            in >> word;
            call.items.push_back(*stored(word)->getcDefinition());
            if (in >> word; word != "0") throw std::runtime_error("the floor puts only empty sets: " + line);
        } else {
            while (in >> word) call.items.push_back(*stored(word)->getcDefinition());
        }
        calls.push_back(std::move(call));
    }
    return calls;
}

void replay(StandInHost& host, std::vector<HostCall>& calls) {
    using Op = HostCall::Op;
    const ContextWord context{0};
    CObjectStore* store = nullptr;
    std::unique_ptr<CDDCollection> collection;  // the last one asked for: member requests name it; one at a time
    for (HostCall& call : calls) {
        switch (call.op) {
        case Op::GetObjectStore: store = host.GetObjectStore(); break;
        case Op::GetCurrentValue: delete store->GetCurrentValue(context, &call.items[0]); break;
        case Op::GetBlock: delete store->GetBlock(context, &call.items[0]); break;
        case Op::GetCollection:
            collection.reset();
            collection.reset(store->GetCollection(context, &call.items[0]));
            break;
        case Op::GetMemberObject: delete store->GetMemberObject(context, collection.get(), call.member); break;
        case Op::AddObject: store->AddObject(rebuilt(*call.object).get()); break;
        case Op::PutRequestSet:
        case Op::PutReplySet: {
            CDDTransactionRef transaction(0, call.items[0]);
            CDDDefinitionSet set;
            for (std::size_t i = 1; i < call.items.size(); ++i) set.Insert(call.items[i]);
            if (call.op == Op::PutRequestSet)
                store->PutRequestSet(&transaction, &set);
            else
                store->PutReplySet(&transaction, &set);
            break;
        }
        case Op::PutVariableSet: {
            CDDDefinitionSet empty;
            store->PutVariableSet(&call.items[0], &empty);
            break;
        }
        }
    }
}
