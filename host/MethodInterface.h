// The stand-in method interface: one method run against the simulated
// device. Values put in the run are the run's; SaveValues makes them the
// host's current values; ReadCommand brings the device's values of the
// command's data items into the run; WriteCommand sends the run's values of
// the command's data items to the device. Answers to EditValue and failures
// of any operation are scripted on the host. A value is read as the method
// takes it: GetIntegerValue and GetLongValue give the nearest 32-bit integer
// (a real number cut toward zero; a NaN, a text or no value 0),
// GetFloatValue the nearest float (beyond a float's range an infinity); the
// call log tells the value given.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/StandInHost.h"

class SimulatedMethodInterface : public CMethodInterface {
public:
    explicit SimulatedMethodInterface(StandInHost& host) : host_(host) {}
    ~SimulatedMethodInterface() override;

    void BeginMethod(ContextWord context, CCalculationHost* host, const CDDDefinition& method,
                     std::int32_t argument) override;
    void PutMessageValues(CVBCollection* values) override;
    std::int32_t GetResult() override;
    void SetResult(std::int32_t result) override;
    bool HasFailed() override;
    void AbortMethod(std::int32_t code) override;
    std::int32_t ShowMessage(const CStrPP& text, std::int32_t flags) override;
    bool PutFloatValue(const CStrPP& variable, float value) override;
    float GetFloatValue(const CStrPP& variable) override;
    std::int32_t EditValue(const CStrPP& prompt, std::int32_t flags, const CStrPP& variable) override;
    bool PutIntegerValue(const CStrPP& variable, std::int32_t value) override;
    std::int32_t GetIntegerValue(const CStrPP& variable) override;
    std::int32_t GetLongValue(const CStrPP& variable) override;
    std::int32_t SaveValues() override;
    std::int32_t GetVariableId(const CStrPP& variable) override;
    std::int32_t ReadCommand(const CStrPP& command) override;
    std::int32_t WriteCommand(const CStrPP& command) override;

private:
    // Counts the call and decides whether it fails (scripted on the host).
    bool attempt(const std::string& operation);
    CDDCommonVariant runValue(const std::string& name) const;
    // GetIntegerValue and GetLongValue, which differ only in their name.
    std::int32_t wholeValue(const char* operation, const CStrPP& variable);
    void put(const std::string& name, const CDDCommonVariant& value);
    // The variables of a command's request (write) or reply (read) list, as
    // the module's own command calculator gives them.
    std::vector<std::int32_t> commandVariables(const std::string& command, bool request);
    std::optional<std::vector<std::pair<std::int32_t, std::string>>> commandNames(const std::string& command,
                                                                                  bool request);
    // What ReadCommand and WriteCommand start with: the call counted and
    // logged, the command and its variables looked up. Nothing, and the
    // method's step failed, when the call is scripted to fail or a lookup
    // finds nothing.
    std::optional<std::vector<std::pair<std::int32_t, std::string>>> commandStep(const std::string& operation,
                                                                                 const CStrPP& command, bool request);

    StandInHost& host_;
    ContextWord context_{0};
    std::map<std::string, CDDCommonVariant> run_;
    std::map<std::string, int> calls_;
    std::unique_ptr<CVBCollection> namedValues_;
    bool failed_ = false;
    std::int32_t result_ = 0;
};

// A variant as text for logs and the tool: 9361, 0.05, "text", (empty). A
// real number (a float as the double it holds) is the shortest text that
// reads back as it, every NaN "nan", the infinities "inf" and "-inf": no two
// values alike, and the same on every system.
std::string variantText(const CDDCommonVariant& value);
