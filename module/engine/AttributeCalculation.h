// CDeviceAttributeCalculation: the one object through which the host works
// with the module. It owns the definition table and reaches every item's
// calculator, validity condition and method body through the item index.
#pragma once

#include <cstdint>

#include "engine/DefinitionTable.h"
#include "engine/ItemIndex.h"
#include "interfaces/ModuleInterface.h"

// Builds the catalogue: fills the definition table and hands every item to
// the host's store.
using CatalogueBuilder = void (*)(CCalculationHost* host, DefinitionTable& definitions);

class CDeviceAttributeCalculation final : public CAttributeCalculation {
public:
    CDeviceAttributeCalculation(ItemIndex index, CatalogueBuilder builder);
    ~CDeviceAttributeCalculation() override;
    CDeviceAttributeCalculation(const CDeviceAttributeCalculation&) = delete;
    CDeviceAttributeCalculation& operator=(const CDeviceAttributeCalculation&) = delete;

    void AttachHost(CCalculationHost* host) override;
    bool IsReady() override;
    void DetachHost() override;
    void BuildCatalogue() override;

    CDDObject* CalculateAttributes05(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes06(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes07(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes08(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes09(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes10(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes11(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes12(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes13(ContextWord c, CDDObject* o) override { return forward(c, o); }
    bool MenuValidity(ContextWord context, CDDObject* menu) override;
    CDDObject* CalculateAttributes15(ContextWord c, CDDObject* o) override { return forward(c, o); }
    bool MethodValidity(ContextWord context, CDDObject* method) override;
    std::int32_t ExecuteMethod(ContextWord context, CDDObject* method, std::int32_t argument,
                               bool ignoreFailures) override;
    CDDObject* CalculateAttributes18(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes19(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes20(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes21(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes22(ContextWord c, CDDObject* o) override { return forward(c, o); }
    bool VariableValidity(ContextWord context, CDDObject* variable) override;
    CDDObject* CalculateAttributes24(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes25(ContextWord c, CDDObject* o) override { return forward(c, o); }
    CDDObject* CalculateAttributes26(ContextWord c, CDDObject* o) override { return forward(c, o); }

    // Services of the engine to calculators, conditions and method bodies.
    CCalculationHost* host() const { return host_; }
    const CDDDefinition* definition(std::int32_t id) const { return definitions_.get(id); }
    ItemIndex index() const { return index_; }
    // The index entry of a module item, or null for 0, negative IDs and IDs beyond the index.
    const ItemEntry* item(std::int32_t id) const;
    void reportError(const CStrPP& text) const;

    // A thread about to end without unwinding (ExitThread inside a callback,
    // on Windows) leaves its operations under way in a stack about to go:
    // their marks leave the list, and their calculators stay busy.
    static void threadEnding();

    // Clearing steps run before a variable's or method's own values are set.
    static void ClearVariableClasses(CDDVariableClass* classes);
    static void ClearHandling(CDDVariable* variable);
    static void ClearMethodClasses(CDDMethodClass* classes);

private:
    // The one rule of all 18 forwarder slots.
    CDDObject* forward(ContextWord context, CDDObject* object);
    bool validity(ContextWord context, CDDObject* object, enumDDObjectKind kind, const char* message);

    // Marks one of the module's own operations as under way while it lives:
    // the calculator busy and, for a calculation, its object under way. The
    // marks of the whole process are one list, each in its operation's frame,
    // so that a forked child keeps only those of the thread that forked.
    class Busy {
    public:
        struct IfIdle {};
        // Marks the calculator busy, unless `object` is under way already
        // (in any calculation of this load): then nothing is marked.
        explicit Busy(int& count, const CDDObject* object = nullptr);
        // Marks the calculator busy only where nothing else runs on it.
        Busy(int& count, IfIdle);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

        // False when nothing was marked.
        explicit operator bool() const { return count_ != nullptr; }

    private:
        friend CDeviceAttributeCalculation;
        void mark(int& count);
        void link();
        void unlink();
        // The system's own name of the calling thread, which it keeps to its
        // end: a thread library's may be gone by then (Windows).
        static std::uint64_t currentThread();
        static void beforeFork();
        static void inParent();
        static void inChild();

        static Busy* first_;
        static const int forkHandlers_;

        int* count_ = nullptr;
        const CDDObject* object_ = nullptr;
        const std::uint64_t thread_ = currentThread();
        Busy* previous_ = nullptr;
        Busy* next_ = nullptr;
        bool linked_ = false;
    };

    ItemIndex index_;
    CatalogueBuilder builder_;
    CCalculationHost* host_ = nullptr;
    // Builds, calculations, validity tests and method runs under way: a host
    // may call back into the module from inside any of them, and threads may
    // share the calculator. Changed and read under the marks' lock only.
    int busy_ = 0;
    DefinitionTable definitions_;
};
