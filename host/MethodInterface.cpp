#include "host/MethodInterface.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "host/Encoding.h"

namespace {

// The shortest text that reads back as the same double, so that no two
// values print alike, and the same bytes on every system: printf's "%.9g"
// tells no double from its neighbours, and glibc gives a NaN's sign where
// MinGW does not.
std::string realText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// A value as a method takes it through GetIntegerValue or GetLongValue:
// beyond 32 bits the nearest, never other low bits that might unlock
// what the value itself does not.
std::int32_t asInt32(const CDDCommonVariant& value) {
    using Limits = std::numeric_limits<std::int32_t>;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value.asInt64(), Limits::min(), Limits::max()));
}

}  // namespace

std::string variantText(const CDDCommonVariant& value) {
    using Kind = CDDCommonVariant::Kind;
    switch (value.kind()) {
    case Kind::Empty: return "(empty)";
    case Kind::Text: return std::string(1, '"').append(cp1252ToUtf8(value.text())).append(1, '"');
    // A float as the double it holds: never alike a different double.
    case Kind::Float:
    case Kind::Double: return realText(value.asDouble());
    case Kind::IdList: {
        std::string out = "[";
        for (std::size_t i = 0; i < value.ids().size(); ++i)
            out.append(i ? "," : "").append(std::to_string(value.ids()[i]));
        return out + "]";
    }
    default: return std::to_string(value.asInt64());
    }
}

SimulatedMethodInterface::~SimulatedMethodInterface() = default;

bool SimulatedMethodInterface::attempt(const std::string& operation) {
    const int n = ++calls_[operation];
    failed_ = host_.failures_.count({operation, n}) > 0;
    return !failed_;
}

CDDCommonVariant SimulatedMethodInterface::runValue(const std::string& name) const {
    const auto found = run_.find(name);
    return found != run_.end() ? found->second : host_.value(host_.idOf(name));
}

void SimulatedMethodInterface::put(const std::string& name, const CDDCommonVariant& value) { run_[name] = value; }

void SimulatedMethodInterface::BeginMethod(ContextWord context, CCalculationHost*, const CDDDefinition& method,
                                           std::int32_t argument) {
    context_ = context;
    failed_ = false;
    host_.log_.add("BeginMethod " + host_.nameOf(&method) + " " + std::to_string(argument));
}

void SimulatedMethodInterface::PutMessageValues(CVBCollection* values) {
    namedValues_.reset(values);
    std::string line = "PutMessageValues";
    if (values)
        for (const auto& [name, value] : values->items())
            line.append(" ").append(cp1252ToUtf8(name.str())).append("=").append(variantText(value));
    host_.log_.add(line);
}

std::int32_t SimulatedMethodInterface::GetResult() {
    host_.log_.add("GetResult " + std::to_string(result_));
    return result_;
}

void SimulatedMethodInterface::SetResult(std::int32_t result) {
    result_ = result;
    host_.log_.add("SetResult " + std::to_string(result));
}

bool SimulatedMethodInterface::HasFailed() {
    host_.log_.add(std::string("HasFailed ") + (failed_ ? "true" : "false"));
    return failed_;
}

void SimulatedMethodInterface::AbortMethod(std::int32_t code) { host_.log_.add("AbortMethod " + std::to_string(code)); }

std::int32_t SimulatedMethodInterface::ShowMessage(const CStrPP& text, std::int32_t) {
    attempt("ShowMessage");
    host_.log_.add("ShowMessage " + cp1252ToUtf8(text.str()));
    host_.messages_.push_back(text.str());
    namedValues_.reset();
    return 0;
}

bool SimulatedMethodInterface::PutFloatValue(const CStrPP& variable, float value) {
    const bool done = attempt("PutFloatValue");
    host_.log_.add("PutFloatValue " + variable.str() + " " + variantText(CDDCommonVariant(value)));
    if (done) put(variable.str(), CDDCommonVariant(value));
    return done;
}

float SimulatedMethodInterface::GetFloatValue(const CStrPP& variable) {
    attempt("GetFloatValue");
    const float value = static_cast<float>(runValue(variable.str()).asDouble());
    host_.log_.add("GetFloatValue " + variable.str() + " " + variantText(CDDCommonVariant(value)));
    return value;
}

std::int32_t SimulatedMethodInterface::EditValue(const CStrPP& prompt, std::int32_t, const CStrPP& variable) {
    const bool done = attempt("EditValue");
    host_.log_.add("EditValue " + variable.str() + " " + cp1252ToUtf8(prompt.str()));
    host_.messages_.push_back(prompt.str());
    namedValues_.reset();
    if (done && !host_.answers_.empty()) {
        put(variable.str(), host_.answers_.front());
        host_.answers_.pop_front();
    } else if (done) {
        host_.unanswered_.push_back({host_.messages_.size() - 1, variable.str(), runValue(variable.str())});
    }
    return 0;
}

bool SimulatedMethodInterface::PutIntegerValue(const CStrPP& variable, std::int32_t value) {
    const bool done = attempt("PutIntegerValue");
    host_.log_.add("PutIntegerValue " + variable.str() + " " + std::to_string(value));
    if (done) put(variable.str(), CDDCommonVariant(static_cast<int>(value)));
    return done;
}

std::int32_t SimulatedMethodInterface::wholeValue(const char* operation, const CStrPP& variable) {
    attempt(operation);
    const std::int32_t value = asInt32(runValue(variable.str()));
    host_.log_.add(operation + (" " + variable.str()) + " " + std::to_string(value));
    return value;
}

std::int32_t SimulatedMethodInterface::GetIntegerValue(const CStrPP& variable) {
    return wholeValue("GetIntegerValue", variable);
}

std::int32_t SimulatedMethodInterface::GetLongValue(const CStrPP& variable) {
    return wholeValue("GetLongValue", variable);
}

std::int32_t SimulatedMethodInterface::SaveValues() {
    const bool done = attempt("SaveValues");
    host_.log_.add("SaveValues");
    if (done)
        for (const auto& [name, value] : run_)
            if (const std::int32_t id = host_.idOf(name)) host_.setValue(id, value);
    return done ? 0 : -1;
}

std::int32_t SimulatedMethodInterface::GetVariableId(const CStrPP& variable) {
    const bool done = attempt("GetVariableId");
    const std::int32_t found = host_.idOf(variable.str());
    if (!found) failed_ = true;
    const std::int32_t id = done ? found : 0;
    host_.log_.add("GetVariableId " + variable.str() + " " + std::to_string(id));
    return id;
}

std::vector<std::int32_t> SimulatedMethodInterface::commandVariables(const std::string& command, bool request) {
    std::vector<std::int32_t> ids;
    const std::int32_t id = host_.idOf(command);
    const auto filled = id ? host_.calculated(id, context_) : nullptr;
    auto* typed = dynamic_cast<CDDCommand*>(filled.get());
    const CDDTransactionSet* set = typed ? typed->transactionSet() : nullptr;
    if (!set || set->items().empty()) return ids;
    const CDDDataItemList* list = request ? set->items().front().getRequest() : set->items().front().getReply();
    if (list)
        for (const auto& item : list->items())
            if (item.getKind() == dddReference && item.reference().getDefinition())
                ids.push_back(item.reference().getDefinition()->getID());
    return ids;
}

// The names of the command's variables, or nothing when the store lacks one
// of them (a host may have refused it during the build): the step then fails
// whole, before any value moves.
std::optional<std::vector<std::pair<std::int32_t, std::string>>> SimulatedMethodInterface::commandNames(
    const std::string& command, bool request) {
    std::vector<std::pair<std::int32_t, std::string>> named;
    for (const std::int32_t variable : commandVariables(command, request)) {
        const CDDObject* stored = host_.object(variable);
        if (!stored) return std::nullopt;
        named.emplace_back(variable, stored->getcDefinition()->getName().str());
    }
    return named;
}

std::optional<std::vector<std::pair<std::int32_t, std::string>>> SimulatedMethodInterface::commandStep(
    const std::string& operation, const CStrPP& command, bool request) {
    const bool done = attempt(operation);
    host_.log_.add(operation + " " + command.str());
    if (!host_.idOf(command.str())) failed_ = true;
    if (!done || failed_) return std::nullopt;
    auto named = commandNames(command.str(), request);
    if (!named) failed_ = true;
    return named;
}

std::int32_t SimulatedMethodInterface::ReadCommand(const CStrPP& command) {
    const auto named = commandStep("ReadCommand", command, false);
    if (!named) return -1;
    for (const auto& [variable, name] : *named) put(name, host_.deviceValue(variable));
    return 0;
}

std::int32_t SimulatedMethodInterface::WriteCommand(const CStrPP& command) {
    const auto named = commandStep("WriteCommand", command, true);
    if (!named) return -1;
    for (const auto& [variable, name] : *named) host_.setDeviceValue(variable, runValue(name));
    return 0;
}
