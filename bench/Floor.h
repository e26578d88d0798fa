// The floor the module is measured against: the same objects, built with no
// logic, and the same calls on the host.
//
// rebuild() copies a final object's contents into another object through the
// object model's setters alone, as a calculator that knew every answer in
// advance would. HostCalls are the calls the module made on the host for one
// request, read back from the host's trace; replay() makes them again on the
// same host, which answers them as it answered the module.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/StandInHost.h"

// Sets everything `from` has on `to` (an object of the same class, as the
// host's store keeps it), building each part through its setters.
void rebuild(const CDDObject& from, CDDObject& to);
// A new object of `model`'s class with `model`'s definition, then rebuilt.
std::unique_ptr<CDDObject> rebuilt(const CDDObject& model);

struct HostCall {
    enum class Op {
        GetObjectStore,
        GetCurrentValue,
        GetBlock,
        GetCollection,
        GetMemberObject,
        AddObject,
        PutRequestSet,
        PutReplySet,
        PutVariableSet,
    };
    Op op;
    std::vector<CDDDefinition> items;         // the items the call names, in order
    CStrPP member;                            // GetMemberObject
    std::shared_ptr<const CDDObject> object;  // AddObject: what the module added
};

// The host's call log, parsed; the items named are looked up in the host's
// store. Throws on a call the floor cannot make.
std::vector<HostCall> parseCalls(const StandInHost& host, const std::vector<std::string>& lines);
void replay(StandInHost& host, std::vector<HostCall>& calls);
