#include "host/Dump.h"

#include "host/Encoding.h"
#include "host/Json.h"

namespace {

std::string utf8(const CStrPP& text) { return cp1252ToUtf8(text.str()); }
std::string nameOf(const CDDDefinition& d) { return utf8(d.getName()); }

template <class List>
std::string array(const List& items, auto&& each) {
    std::string out = "[";
    bool first = true;
    for (const auto& i : items) {
        if (!first) out += ',';
        out += each(i);
        first = false;
    }
    return out + "]";
}

std::string names(const CDDDefinitionList* list) {
    return array(list->items(), [](const CDDDefinition& d) { return jsonString(nameOf(d)); });
}

std::string namesOfSet(const CDDDefinitionSet* set) {
    return array(set->items(), [](const CDDDefinition& d) { return jsonString(nameOf(d)); });
}

void optionalText(JsonObject& json, const char* key, const std::optional<CStrPP>& text) {
    if (text) json.text(key, utf8(*text));
}

void dumpVariable(JsonObject& json, const CDDVariable& v) {
    if (const CDDType* t = v.type()) json.number("type", t->getType());
    json.raw("classes", array(v.classes().setBits(), [](int c) { return std::to_string(c); }));
    optionalText(json, "label", v.getLabel());
    optionalText(json, "help", v.getHelp());
    if (const CDDType* t = v.type()) {
        if (t->getSize()) json.number("size", *t->getSize());
        if (t->getScalingFactor()) json.real("scaling", *t->getScalingFactor());
        optionalText(json, "display_format", t->getDisplayFormat());
        optionalText(json, "edit_format", t->getEditFormat());
        if (t->getMaxRangeNo()) json.number("max_range", *t->getMaxRangeNo());
        if (!t->getMinValues().empty())
            json.raw("min", array(t->getMinValues(), [](const auto& p) { return variantJson(p.second); }));
        if (!t->getMaxValues().empty())
            json.raw("max", array(t->getMaxValues(), [](const auto& p) { return variantJson(p.second); }));
        if (t->getDefaultValue()) json.raw("default", variantJson(*t->getDefaultValue()));
    }
    optionalText(json, "unit", v.getConstantUnit());
    const auto read = v.getHandling(ddhRead), write = v.getHandling(ddhWrite);
    if (read || write) {
        std::string handling = "[";
        if (read.value_or(false)) handling += "\"read\"";
        if (write.value_or(false)) handling += std::string(read.value_or(false) ? "," : "") + "\"write\"";
        json.raw("handling", handling + "]");
    }
    if (v.getPreEditActions()) json.raw("pre_edit", names(v.getPreEditActions()));
    if (v.getPostEditActions()) json.raw("post_edit", names(v.getPostEditActions()));
    if (v.getPostReadActions()) json.raw("post_read", names(v.getPostReadActions()));
    const CDDType* t = v.type();
    if (!t) return;
    if (t->getMaxEnumIndex()) json.number("max_enum_index", *t->getMaxEnumIndex());
    if (t->getMaxBitEnumIndex()) json.number("max_bit_enum_index", *t->getMaxBitEnumIndex());
    if (!t->enumerators().items().empty())
        json.raw("enumerators", array(t->enumerators().items(), [](const CDDEnumerator& e) {
                     JsonObject o;
                     o.number("value", e.getValue());
                     optionalText(o, "description", e.getDescription());
                     optionalText(o, "help", e.getHelp());
                     return o.str();
                 }));
    if (!t->bitEnumerators().items().empty())
        json.raw("enumerators", array(t->bitEnumerators().items(), [](const CDDBitEnumerator& e) {
                     JsonObject o;
                     o.number("value", static_cast<std::uint32_t>(e.getBit()));
                     optionalText(o, "description", e.getDescription());
                     optionalText(o, "help", e.getHelp());
                     if (e.getMethod() && !e.getMethod()->isEmpty()) o.text("method", nameOf(*e.getMethod()));
                     return o.str();
                 }));
}

std::string dataItems(const CDDDataItemList& list) {
    return array(list.items(), [](const CDDDataItem& d) {
        JsonObject o;
        if (d.getKind() == dddConstant) {
            o.raw("constant", d.getConstantValue() ? variantJson(*d.getConstantValue()) : "null");
        } else {
            o.text("item", d.reference().getDefinition() ? nameOf(*d.reference().getDefinition()) : "");
            o.number("mask", d.getMask().value_or(0));
        }
        return o.str();
    });
}

void dumpCommand(JsonObject& json, const CDDCommand& c) {
    if (c.getBlock()) json.text("block", nameOf(*c.getBlock()->getcDefinition()));
    if (c.getIndex()) json.number("index", c.getIndex()->getIndex());
    if (c.getOperation()) json.number("operation", *c.getOperation());
    if (c.transactionSet())
        json.raw("transactions", array(c.transactionSet()->items(), [](const CDDTransaction& t) {
                     JsonObject o;
                     o.number("number", t.getNumber());
                     if (t.getRequest()) o.raw("request", dataItems(*t.getRequest()));
                     if (t.getReply()) o.raw("reply", dataItems(*t.getReply()));
                     return o.str();
                 }));
}

void dumpMenu(JsonObject& json, const CDDMenu& m) {
    optionalText(json, "label", m.getLabel());
    optionalText(json, "help", m.getHelp());
    if (m.getAccess()) json.number("access", *m.getAccess());
    if (m.menuItems())
        json.raw("items", array(m.menuItems()->items(), [](const CDDMenuItem& i) {
                     JsonObject o;
                     o.text("item", i.getDefinition() ? nameOf(*i.getDefinition()) : "");
                     optionalText(o, "description", i.getDescription());
                     optionalText(o, "help", i.getHelp());
                     if (!i.getQualifications().empty())
                         o.raw("qualification", array(i.getQualifications(), [](const auto& q) {
                                   return std::to_string(q.first) + (q.second ? "" : "-off");
                               }));
                     return o.str();
                 }));
    if (m.getPreWriteActions()) json.raw("pre_write", names(m.getPreWriteActions()));
    if (m.getPostWriteActions()) json.raw("post_write", names(m.getPostWriteActions()));
}

void dumpMethod(JsonObject& json, const CDDMethod& m) {
    json.raw("classes", array(m.classes().setBits(), [](int c) { return std::to_string(c); }));
    if (m.getAccess()) json.number("access", *m.getAccess());
    optionalText(json, "label", m.getLabel());
    if (m.getValidity()) json.boolean("validity", *m.getValidity());
}

void dumpCollection(JsonObject& json, const CDDCollection& c) {
    optionalText(json, "label", c.getLabel());
    if (c.memberSet())
        json.raw("members", array(c.memberSet()->items(), [](const CDDMember& m) {
                     JsonObject o;
                     o.text("name", utf8(m.getName()));
                     if (m.getDefinition()) o.text("item", nameOf(*m.getDefinition()));
                     if (m.hasDescription()) o.text("description", utf8(m.getDescription()));
                     if (m.hasHelp()) o.text("help", utf8(m.getHelp()));
                     return o.str();
                 }));
}

void dumpBlock(JsonObject& json, const CDDBlock& b) {
    if (b.getType()) json.number("block_type", *b.getType());
    if (b.getNumber()) json.number("number", *b.getNumber());
    json.number("block_kind", b.getBlockKind());
}

}  // namespace

std::string variantJson(const CDDCommonVariant& value) {
    using Kind = CDDCommonVariant::Kind;
    JsonObject o;
    switch (value.kind()) {
    case Kind::Empty: return "{\"empty\":null}";
    case Kind::Text: o.text("text", cp1252ToUtf8(value.text())); break;
    case Kind::Float:
    case Kind::Double: o.real(kindName(value.kind()), value.asDouble()); break;
    case Kind::Bool: o.boolean("bool", value.asInt64() != 0); break;
    case Kind::IdList: o.raw("ids", array(value.ids(), [](std::int32_t i) { return std::to_string(i); })); break;
    default: o.number(kindName(value.kind()), value.asInt64()); break;
    }
    return o.str();
}

std::string dumpItem(StandInHost& host, CAttributeCalculation& module, std::int32_t id) {
    const std::unique_ptr<CDDObject> object = host.calculated(id);
    if (!object) return "{}";
    return dumpObject(*object, validity(module, *object));
}

std::string dumpObject(const CDDObject& object, std::optional<bool> valid) {
    const CDDDefinition& d = *object.getcDefinition();
    JsonObject json;
    json.number("id", d.getID()).text("name", nameOf(d)).number("kind", d.getKind());
    if (const auto* v = dynamic_cast<const CDDVariable*>(&object)) {
        dumpVariable(json, *v);
    } else if (const auto* c = dynamic_cast<const CDDCommand*>(&object)) {
        dumpCommand(json, *c);
    } else if (const auto* m = dynamic_cast<const CDDMenu*>(&object)) {
        dumpMenu(json, *m);
    } else if (const auto* mt = dynamic_cast<const CDDMethod*>(&object)) {
        dumpMethod(json, *mt);
    } else if (const auto* col = dynamic_cast<const CDDCollection*>(&object)) {
        dumpCollection(json, *col);
    } else if (const auto* b = dynamic_cast<const CDDBlock*>(&object)) {
        dumpBlock(json, *b);
    } else if (const auto* u = dynamic_cast<const CDDUnit*>(&object)) {
        if (u->getUnit()) json.text("unit", nameOf(*u->getUnit()));
        if (u->reread()) json.raw("reread", namesOfSet(u->reread()));
    } else if (const auto* r = dynamic_cast<const CDDRefresh*>(&object)) {
        if (r->changed()) json.raw("changed", namesOfSet(r->changed()));
        if (r->reread()) json.raw("reread", namesOfSet(r->reread()));
    }
    if (valid) json.boolean("valid", *valid);
    if (object.getAttributesAvailable()) json.boolean("available", *object.getAttributesAvailable());
    return json.str();
}
