#include "host/StandInHost.h"

#include "host/Encoding.h"
#include "host/MethodInterface.h"

namespace {

const char* kindWord(enumDDObjectKind kind) {
    switch (kind) {
    case ddkVariable: return "variable";
    case ddkCommand: return "command";
    case ddkMenu: return "menu";
    case ddkEditDisplay: return "edit-display";
    case ddkMethod: return "method";
    case ddkRefresh: return "refresh";
    case ddkUnit: return "unit";
    case ddkWriteAsOne: return "write-as-one";
    case ddkArray: return "array";
    case ddkCollection: return "collection";
    case ddkItemArray: return "item-array";
    case ddkConnection: return "connection";
    case ddkBlock: return "block";
    case ddkRecord: return "record";
    case ddkVariableList: return "variable-list";
    case ddkResponseCodes: return "response-codes";
    }
    return "object";
}

std::vector<std::string> names(const StandInHost& host, const CDDDefinitionSet* set) {
    std::vector<std::string> out;
    if (set)
        for (const auto& d : set->items()) out.push_back(host.nameOf(&d));
    return out;
}

std::string joined(const std::string& head, const std::vector<std::string>& tail) {
    std::string line = head;
    for (const auto& t : tail) line += " " + t;
    return line;
}

}  // namespace

// ---------------------------------------------------------------- store

bool StandInStore::AddObject(CDDObject* object) {
    if (!object) return false;
    const CDDDefinition* d = object->getcDefinition();
    host_.log_.note([&] { return std::string("AddObject ") + kindWord(d->getKind()) + " " + host_.nameOf(d); });
    host_.byName_[d->getName().str()] = d->getID();
    host_.objects_[d->getID()].reset(object->clone());
    host_.kept_.erase(d->getID());
    return true;
}

bool StandInStore::PutRequestSet(CDDTransactionRef* transaction, CDDDefinitionSet* set) {
    if (!transaction) return false;
    host_.log_.note(
        [&] { return joined("PutRequestSet " + host_.nameOf(&transaction->getCommand()), names(host_, set)); });
    return true;
}

bool StandInStore::PutReplySet(CDDTransactionRef* transaction, CDDDefinitionSet* set) {
    if (!transaction) return false;
    host_.log_.note(
        [&] { return joined("PutReplySet " + host_.nameOf(&transaction->getCommand()), names(host_, set)); });
    return true;
}

bool StandInStore::PutVariableSet(CDDDefinition* variable, CDDDefinitionSet* set) {
    const std::size_t size = set ? set->items().size() : 0;
    host_.log_.note([&] { return "PutVariableSet " + host_.nameOf(variable) + " " + std::to_string(size); });
    return variable != nullptr;
}

CDDBlock* StandInStore::GetBlock(ContextWord context, const CDDDefinition* block) {
    host_.log_.note([&] { return "GetBlock " + host_.nameOf(block); });
    if (!block || host_.answersNull("GetBlock")) return nullptr;
    auto filled = host_.calculated(block->getID(), context);
    auto* typed = dynamic_cast<CDDBlock*>(filled.get());
    return typed ? host_.handOut<CDDBlock>(std::move(*typed)) : nullptr;
}

CDDCollection* StandInStore::GetCollection(ContextWord context, const CDDDefinition* collection) {
    host_.log_.note([&] { return "GetCollection " + host_.nameOf(collection); });
    if (!collection || host_.answersNull("GetCollection")) return nullptr;
    const std::int32_t id = collection->getID();
    if (host_.keepsCollections_) {
        auto& kept = host_.kept_[id];
        if (!kept) kept = host_.calculated(id, context);
        const auto* typed = dynamic_cast<const CDDCollection*>(kept.get());
        return typed ? host_.handOut<CDDCollection>(*typed) : nullptr;
    }
    auto filled = host_.calculated(id, context);
    auto* typed = dynamic_cast<CDDCollection*>(filled.get());
    return typed ? host_.handOut<CDDCollection>(std::move(*typed)) : nullptr;
}

CDDObject* StandInStore::GetMemberObject(ContextWord, CDDCollection* collection, CStrPP member) {
    host_.log_.note([&] {
        return "GetMemberObject " + (collection ? host_.nameOf(collection->getcDefinition()) : "?") + " " +
               cp1252ToUtf8(member.str());
    });
    if (!collection || !collection->getMemberSet() || host_.answersNull("GetMemberObject")) return nullptr;
    const CDDMember* found = collection->getMemberSet()->getItem(member);
    if (!found || !found->getDefinition()) return nullptr;
    const CDDObject* stored = host_.object(found->getDefinition()->getID());
    if (!stored) return nullptr;
    // The module reads only the object's definition.
    return host_.handOut<CDDObject>(*stored);
}

CDDCommonVariant* StandInStore::GetCurrentValue(ContextWord, const CDDDefinition* variable) {
    host_.log_.note([&] { return "GetCurrentValue " + host_.nameOf(variable); });
    if (!variable || host_.answersNull("GetCurrentValue")) return nullptr;
    return host_.handOut<CDDCommonVariant>(host_.value(variable->getID()));
}

void StandInErrorOutput::PutError(const CStrPP& text) {
    host_.log_.note([&] { return "PutError " + cp1252ToUtf8(text.str()); });
    host_.errors_.push_back(text.str());
}

// ---------------------------------------------------------------- host

StandInHost::StandInHost() : store_(*this), errorOutput_(*this) {}
StandInHost::~StandInHost() = default;

CMethodInterface* StandInHost::CreateMethodInterface(ContextWord) {
    log_.add("CreateMethodInterface");
    if (answersNull("CreateMethodInterface")) return nullptr;
    return handOut<SimulatedMethodInterface>(*this);
}

CObjectStore* StandInHost::GetObjectStore() {
    log_.add("GetObjectStore");
    return answersNull("GetObjectStore") ? nullptr : &store_;
}

CErrorOutput* StandInHost::GetErrorOutput() {
    log_.add("GetErrorOutput");
    return answersNull("GetErrorOutput") ? nullptr : &errorOutput_;
}

const CDDObject* StandInHost::object(std::int32_t id) const {
    const auto found = objects_.find(id);
    return found == objects_.end() ? nullptr : found->second.get();
}

const CDDObject* StandInHost::objectNamed(const std::string& name) const { return object(idOf(name)); }

std::int32_t StandInHost::idOf(const std::string& name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? 0 : found->second;
}

std::vector<std::int32_t> StandInHost::ids() const {
    std::vector<std::int32_t> all;
    for (const auto& [id, object] : objects_) all.push_back(id);
    return all;
}

std::unique_ptr<CDDObject> StandInHost::calculated(std::int32_t id, ContextWord context) {
    const CDDObject* stored = object(id);
    if (!stored) return nullptr;
    std::unique_ptr<CDDObject> copy(stored->clone());
    if (module_) module_->CalculateAttributes05(context, copy.get());
    return copy;
}

void StandInHost::setValue(std::int32_t id, const CDDCommonVariant& value) { values_[id] = value; }
void StandInHost::clearValue(std::int32_t id) { values_.erase(id); }

CDDCommonVariant StandInHost::value(std::int32_t id) const {
    const auto found = values_.find(id);
    return found == values_.end() ? CDDCommonVariant() : found->second;
}

void StandInHost::setDeviceValue(std::int32_t id, const CDDCommonVariant& value) { device_[id] = value; }

CDDCommonVariant StandInHost::deviceValue(std::int32_t id) const {
    const auto found = device_.find(id);
    return found == device_.end() ? CDDCommonVariant() : found->second;
}

void StandInHost::startFromDefaults() {
    // The defaults pass is the host's own business: it leaves no trace.
    const bool tracing = log_.enabled();
    log_.enable(false);
    values_.clear();
    std::map<std::int32_t, CDDCommonVariant> defaults;
    for (const auto& [id, stored] : objects_) {
        if (stored->getcDefinition()->getKind() != ddkVariable) continue;
        const auto filled = calculated(id);
        const auto* variable = dynamic_cast<const CDDVariable*>(filled.get());
        if (variable && variable->type() && variable->type()->getDefaultValue())
            defaults[id] = *variable->type()->getDefaultValue();
    }
    values_ = defaults;
    device_ = defaults;
    log_.enable(tracing);
}

std::string StandInHost::nameOf(const CDDDefinition* definition) const {
    return definition ? cp1252ToUtf8(definition->getName().str()) : std::string("?");
}
