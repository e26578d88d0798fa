// The stand-in host: a CCalculationHost with its object store, error output
// and method interface over a simulated device. It keeps copies of what the
// module hands it, holds every variable's current value, logs every call when
// a trace is asked for and counts the objects it hands out that are still
// alive.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/CallLog.h"
#include "interfaces/ModuleInterface.h"

class StandInHost;

// Objects handed to the module are of these classes, so the host knows when
// the module has deleted them.
template <class T>
class Tracked final : public T {
public:
    template <class... A>
    Tracked(long& alive, A&&... args) : T(std::forward<A>(args)...), alive_(alive) {
        ++alive_;
    }
    ~Tracked() override { --alive_; }

private:
    long& alive_;
};

class StandInStore final : public CObjectStore {
public:
    explicit StandInStore(StandInHost& host) : host_(host) {}
    bool AddObject(CDDObject* object) override;
    bool PutRequestSet(CDDTransactionRef* transaction, CDDDefinitionSet* set) override;
    bool PutReplySet(CDDTransactionRef* transaction, CDDDefinitionSet* set) override;
    bool PutVariableSet(CDDDefinition* variable, CDDDefinitionSet* set) override;
    CDDBlock* GetBlock(ContextWord context, const CDDDefinition* block) override;
    CDDCollection* GetCollection(ContextWord context, const CDDDefinition* collection) override;
    CDDObject* GetMemberObject(ContextWord context, CDDCollection* collection, CStrPP member) override;
    CDDCommonVariant* GetCurrentValue(ContextWord context, const CDDDefinition* variable) override;

private:
    StandInHost& host_;
};

class StandInErrorOutput final : public CErrorOutput {
public:
    explicit StandInErrorOutput(StandInHost& host) : host_(host) {}
    void PutError(const CStrPP& text) override;

private:
    StandInHost& host_;
};

class StandInHost final : public CCalculationHost {
public:
    StandInHost();
    ~StandInHost() override;

    CMethodInterface* CreateMethodInterface(ContextWord context) override;
    CObjectStore* GetObjectStore() override;
    CErrorOutput* GetErrorOutput() override;

    // The module whose calculators fill the objects the store hands out.
    void useModule(CAttributeCalculation* module) { module_ = module; }
    // Whether GetCollection fills each collection once and hands out copies
    // of it (as a host that keeps filled collections does) or has the module
    // fill it anew at every request (the default).
    void keepCollections(bool keep) {
        keepsCollections_ = keep;
        kept_.clear();
    }

    // Objects kept from AddObject, by item ID and by name.
    const CDDObject* object(std::int32_t id) const;
    const CDDObject* objectNamed(const std::string& name) const;
    std::int32_t idOf(const std::string& name) const;  // 0 when unknown
    std::vector<std::int32_t> ids() const;             // ascending
    // A fresh copy of the stored object, filled by the module's calculator.
    std::unique_ptr<CDDObject> calculated(std::int32_t id, ContextWord context = ContextWord{0});

    // Current values: empty when unknown.
    void setValue(std::int32_t id, const CDDCommonVariant& value);
    void clearValue(std::int32_t id);
    CDDCommonVariant value(std::int32_t id) const;
    // A new device: every variable at the default its calculator reports in
    // one pass made with no values known.
    void startFromDefaults();

    // The simulated device behind the method interface.
    void setDeviceValue(std::int32_t id, const CDDCommonVariant& value);
    CDDCommonVariant deviceValue(std::int32_t id) const;

    // Scripting of method runs: answers to EditValue, in order, and failures
    // of the n-th call (counted from 1 within a run) of an operation.
    void scriptAnswer(const CDDCommonVariant& answer) { answers_.push_back(answer); }
    // Scripted answers that no question has taken yet.
    std::size_t answersLeft() const { return answers_.size(); }
    void scriptFailure(const std::string& operation, int nthCall = 1) { failures_.insert({operation, nthCall}); }
    std::vector<std::string> messages() const { return messages_; }
    // A question (EditValue) for which no scripted answer was left: the host
    // answered with the variable's value as it stood. `message` is the
    // question's place in messages().
    struct Unanswered {
        std::size_t message;
        std::string variable;
        CDDCommonVariant answered;
    };
    const std::vector<Unanswered>& unanswered() const { return unanswered_; }

    // Null answers from the host for tests of the module's guards.
    void returnNullFrom(const std::string& operation) { nulls_.insert(operation); }
    bool answersNull(const std::string& operation) const { return nulls_.count(operation) > 0; }

    CallLog& log() { return log_; }
    const std::vector<std::string>& errors() const { return errors_; }
    // Objects handed out by the store and the host that are still alive.
    long alive() const { return alive_; }
    long handedOut() const { return handedOut_; }

    std::string nameOf(const CDDDefinition* definition) const;

private:
    friend class StandInStore;
    friend class StandInErrorOutput;
    friend class SimulatedMethodInterface;

    template <class T, class... A>
    T* handOut(A&&... args) {
        ++handedOut_;
        return new Tracked<T>(alive_, std::forward<A>(args)...);
    }

    StandInStore store_;
    StandInErrorOutput errorOutput_;
    CAttributeCalculation* module_ = nullptr;
    std::map<std::int32_t, std::unique_ptr<CDDObject>> objects_;
    std::map<std::string, std::int32_t> byName_;
    std::map<std::int32_t, CDDCommonVariant> values_;
    std::map<std::int32_t, CDDCommonVariant> device_;
    std::deque<CDDCommonVariant> answers_;
    std::set<std::pair<std::string, int>> failures_;
    std::set<std::string> nulls_;
    std::vector<std::string> messages_;
    std::vector<Unanswered> unanswered_;
    std::vector<std::string> errors_;
    bool keepsCollections_ = false;
    std::map<std::int32_t, std::unique_ptr<CDDObject>> kept_;
    CallLog log_;
    long alive_ = 0;
    long handedOut_ = 0;
};
