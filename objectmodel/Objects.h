// The device-description object model as the module and the host share it.
// Ownership: set operations that take a pointer take ownership (and free what
// they replace); Add and Insert copy; every class has a virtual destructor and
// deep copies. Moves never throw, so a list that grows moves what it holds
// instead of copying it. Getters are for the host and the tests; the module
// only writes.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "objectmodel/Export.h"
#include "objectmodel/Owned.h"
#include "objectmodel/Text.h"
#include "objectmodel/Variant.h"

enum enumDDObjectKind : std::int32_t {
    ddkVariable = 0,
    ddkCommand = 1,
    ddkMenu = 2,
    ddkEditDisplay = 3,
    ddkMethod = 4,
    ddkRefresh = 5,
    ddkUnit = 6,
    ddkWriteAsOne = 7,
    ddkArray = 8,
    ddkCollection = 9,
    ddkItemArray = 10,
    ddkConnection = 11,
    ddkBlock = 12,
    ddkRecord = 13,
    ddkVariableList = 15,
    ddkResponseCodes = 18,
};

enum enumDDVariableType : std::int32_t {
    ddtFloat = 0,
    ddtSigned = 2,
    ddtUnsigned = 3,
    ddtEnumerated = 4,
    ddtBitEnumerated = 5,
    ddtString = 7,
    ddtTimeStamp = 18,
};

enum enumDDVariableHandlingType : std::int32_t { ddhWrite = 0, ddhRead = 1 };
enum enumDDVariableClassType : std::int32_t {};  // class numbers 0 to 18
enum enumDDMethodClass : std::int32_t {};        // class numbers 0 to 18
enum enumDDBlockType : std::int32_t { ddbPhysical = 0, ddbTransducer = 1, ddbFunction = 2 };
enum enumDDBlockKind : std::int32_t {};
enum enumDDCommandOperationType : std::int32_t { ddoRead = 2, ddoWrite = 3 };
enum enumDDDataItemType : std::int32_t { dddConstant = 0, dddReference = 1 };
enum enumDDAccessType : std::int32_t {};
enum enumDDMenuItemQualificationType : std::int32_t {};

// ---------------------------------------------------------------- definitions

class DDOM_API CDDDefinition {
public:
    CDDDefinition();  // names no item: ID 0, empty name
    CDDDefinition(std::int32_t id, const CStrPP& name, enumDDObjectKind kind);
    CDDDefinition(const CDDDefinition&);
    CDDDefinition(CDDDefinition&&) noexcept;
    CDDDefinition& operator=(const CDDDefinition&);
    CDDDefinition& operator=(CDDDefinition&&) noexcept;
    virtual ~CDDDefinition();

    std::int32_t getID() const;
    CStrPP getName() const;
    enumDDObjectKind getKind() const;
    bool isEmpty() const;  // the empty definition of the default constructor

private:
    std::int32_t id_ = 0;
    CStrPP name_;
    enumDDObjectKind kind_ = ddkVariable;
    bool empty_ = true;
};

// Ordered list of definitions (action lists). Add copies.
class DDOM_API CDDDefinitionList {
public:
    CDDDefinitionList();
    CDDDefinitionList(const CDDDefinitionList&);
    CDDDefinitionList(CDDDefinitionList&&) noexcept;
    CDDDefinitionList& operator=(const CDDDefinitionList&);
    CDDDefinitionList& operator=(CDDDefinitionList&&) noexcept;
    virtual ~CDDDefinitionList();
    void Add(const CDDDefinition& definition, std::int32_t position, std::int32_t positionAfter);
    const std::vector<CDDDefinition>& items() const;

private:
    std::vector<CDDDefinition> items_;
};

// Set of definitions handed to the store; Insert copies and keeps repeats.
class DDOM_API CDDDefinitionSet {
public:
    CDDDefinitionSet();
    CDDDefinitionSet(const CDDDefinitionSet&);
    CDDDefinitionSet(CDDDefinitionSet&&) noexcept;
    CDDDefinitionSet& operator=(const CDDDefinitionSet&);
    CDDDefinitionSet& operator=(CDDDefinitionSet&&) noexcept;
    virtual ~CDDDefinitionSet();
    void Insert(const CDDDefinition& definition);
    const std::vector<CDDDefinition>& items() const;

private:
    std::vector<CDDDefinition> items_;
};

class DDOM_API CDDVariableDefinitionSet : public CDDDefinitionSet {
public:
    CDDVariableDefinitionSet();
    CDDVariableDefinitionSet(const CDDVariableDefinitionSet&);
    CDDVariableDefinitionSet(CDDVariableDefinitionSet&&) noexcept;
    CDDVariableDefinitionSet& operator=(const CDDVariableDefinitionSet&);
    CDDVariableDefinitionSet& operator=(CDDVariableDefinitionSet&&) noexcept;
    ~CDDVariableDefinitionSet() override;
};

class DDOM_API CDDTransactionRef {
public:
    CDDTransactionRef(std::int32_t transaction, const CDDDefinition& command);
    CDDTransactionRef(const CDDTransactionRef&);
    CDDTransactionRef(CDDTransactionRef&&) noexcept;
    CDDTransactionRef& operator=(const CDDTransactionRef&);
    CDDTransactionRef& operator=(CDDTransactionRef&&) noexcept;
    virtual ~CDDTransactionRef();
    std::int32_t getTransaction() const;
    const CDDDefinition& getCommand() const;

private:
    std::int32_t transaction_;
    CDDDefinition command_;
};

// ---------------------------------------------------------------- base object

class DDOM_API CDDObject {
public:
    explicit CDDObject(const CDDDefinition& definition);
    CDDObject(const CDDObject&);
    CDDObject(CDDObject&&) noexcept;
    CDDObject& operator=(const CDDObject&);
    CDDObject& operator=(CDDObject&&) noexcept;
    virtual ~CDDObject();

    virtual const CDDDefinition* getcDefinition() const;
    virtual CDDDefinition* getDefinition();
    virtual CDDObject* clone() const;

    void putAttributesAvailable(bool available);
    std::optional<bool> getAttributesAvailable() const;

private:
    CDDDefinition definition_;
    std::optional<bool> available_;
};

// Kinds this device has no items of: objects with nothing beyond the base.
#define DDOM_PLAIN_OBJECT(Name)                         \
    class DDOM_API Name : public CDDObject {            \
    public:                                             \
        explicit Name(const CDDDefinition& definition); \
        Name(const Name&);                              \
        Name(Name&&) noexcept;                          \
        Name& operator=(const Name&);                   \
        Name& operator=(Name&&) noexcept;               \
        ~Name() override;                               \
        CDDObject* clone() const override;              \
    };
DDOM_PLAIN_OBJECT(CDDEditDisplay)
DDOM_PLAIN_OBJECT(CDDWriteAsOne)
DDOM_PLAIN_OBJECT(CDDArray)
DDOM_PLAIN_OBJECT(CDDItemArray)
DDOM_PLAIN_OBJECT(CDDConnection)
DDOM_PLAIN_OBJECT(CDDRecord)
DDOM_PLAIN_OBJECT(CDDVariableList)
DDOM_PLAIN_OBJECT(CDDResponseCodes)
#undef DDOM_PLAIN_OBJECT

// ---------------------------------------------------------------- variables

// 19 class bits (0 to 18); each is unset until written. Numbers outside the
// range are ignored.
class DDOM_API CDDClassBits {
public:
    static constexpr int kCount = 19;
    CDDClassBits();
    CDDClassBits(const CDDClassBits&);
    CDDClassBits(CDDClassBits&&) noexcept;
    CDDClassBits& operator=(const CDDClassBits&);
    CDDClassBits& operator=(CDDClassBits&&) noexcept;
    virtual ~CDDClassBits();
    std::optional<bool> get(int value) const;
    std::vector<int> setBits() const;  // the classes that are true, ascending
    int writtenCount() const;          // how many of the 19 have been written

protected:
    void put(int value, bool on);

private:
    std::array<std::optional<bool>, kCount> bits_{};
};

class DDOM_API CDDVariableClass : public CDDClassBits {
public:
    CDDVariableClass();
    ~CDDVariableClass() override;
    void putClassInfo(enumDDVariableClassType value, bool on);
};

class DDOM_API CDDMethodClass : public CDDClassBits {
public:
    CDDMethodClass();
    ~CDDMethodClass() override;
    void putClassInfo(enumDDMethodClass value, bool on);
};

class DDOM_API CDDEnumerator {
public:
    CDDEnumerator();
    CDDEnumerator(const CDDEnumerator&);
    CDDEnumerator(CDDEnumerator&&) noexcept;
    CDDEnumerator& operator=(const CDDEnumerator&);
    CDDEnumerator& operator=(CDDEnumerator&&) noexcept;
    virtual ~CDDEnumerator();
    void putValue(std::int32_t value);
    void putDescription(const CStrPP& text);
    void putHelp(const CStrPP& text);
    std::int32_t getValue() const;
    const std::optional<CStrPP>& getDescription() const;
    const std::optional<CStrPP>& getHelp() const;

private:
    std::int32_t value_ = 0;
    std::optional<CStrPP> description_;
    std::optional<CStrPP> help_;
};

class DDOM_API CDDBitEnumerator {
public:
    explicit CDDBitEnumerator(std::int32_t bit);
    CDDBitEnumerator(const CDDBitEnumerator&);
    CDDBitEnumerator(CDDBitEnumerator&&) noexcept;
    CDDBitEnumerator& operator=(const CDDBitEnumerator&);
    CDDBitEnumerator& operator=(CDDBitEnumerator&&) noexcept;
    virtual ~CDDBitEnumerator();
    void putDescription(const CStrPP& text);
    void putHelp(const CStrPP& text);
    void putMethod(const CDDDefinition& method);
    std::int32_t getBit() const;
    const std::optional<CStrPP>& getDescription() const;
    const std::optional<CStrPP>& getHelp() const;
    const std::optional<CDDDefinition>& getMethod() const;

private:
    std::int32_t bit_;
    std::optional<CStrPP> description_;
    std::optional<CStrPP> help_;
    std::optional<CDDDefinition> method_;
};

class DDOM_API CDDEnumeratorSet {
public:
    CDDEnumeratorSet();
    CDDEnumeratorSet(const CDDEnumeratorSet&);
    CDDEnumeratorSet(CDDEnumeratorSet&&) noexcept;
    CDDEnumeratorSet& operator=(const CDDEnumeratorSet&);
    CDDEnumeratorSet& operator=(CDDEnumeratorSet&&) noexcept;
    virtual ~CDDEnumeratorSet();
    void Add(const CDDEnumerator& enumerator);
    const std::vector<CDDEnumerator>& items() const;

private:
    std::vector<CDDEnumerator> items_;
};

class DDOM_API CDDBitEnumeratorSet {
public:
    CDDBitEnumeratorSet();
    CDDBitEnumeratorSet(const CDDBitEnumeratorSet&);
    CDDBitEnumeratorSet(CDDBitEnumeratorSet&&) noexcept;
    CDDBitEnumeratorSet& operator=(const CDDBitEnumeratorSet&);
    CDDBitEnumeratorSet& operator=(CDDBitEnumeratorSet&&) noexcept;
    virtual ~CDDBitEnumeratorSet();
    void Add(const CDDBitEnumerator& enumerator);
    const std::vector<CDDBitEnumerator>& items() const;

private:
    std::vector<CDDBitEnumerator> items_;
};

class DDOM_API CDDType {
public:
    explicit CDDType(enumDDVariableType type);
    CDDType(const CDDType&);
    CDDType(CDDType&&) noexcept;
    CDDType& operator=(const CDDType&);
    CDDType& operator=(CDDType&&) noexcept;
    virtual ~CDDType();

    void putSize(int size);
    void putScalingFactor(double factor);
    void putDisplayFormat(const CStrPP& format);
    void putEditFormat(const CStrPP& format);
    void putMaxRangeNo(int maxRange);
    void putMinValues(int range, const CDDCommonVariant& value);
    void putMaxValues(int range, const CDDCommonVariant& value);
    void putDefaultValue(const CDDCommonVariant& value);
    void putMaxEnumIndex(std::int32_t index);
    void putMaxBitEnumIndex(std::int32_t index);
    CDDEnumeratorSet* getEnumeratorSet();
    CDDBitEnumeratorSet* getBitEnumeratorSet();

    enumDDVariableType getType() const;
    const std::optional<int>& getSize() const;
    const std::optional<double>& getScalingFactor() const;
    const std::optional<CStrPP>& getDisplayFormat() const;
    const std::optional<CStrPP>& getEditFormat() const;
    const std::optional<int>& getMaxRangeNo() const;
    const std::map<int, CDDCommonVariant>& getMinValues() const;
    const std::map<int, CDDCommonVariant>& getMaxValues() const;
    const std::optional<CDDCommonVariant>& getDefaultValue() const;
    const std::optional<std::int32_t>& getMaxEnumIndex() const;
    const std::optional<std::int32_t>& getMaxBitEnumIndex() const;
    const CDDEnumeratorSet& enumerators() const;
    const CDDBitEnumeratorSet& bitEnumerators() const;

private:
    enumDDVariableType type_;
    std::optional<int> size_;
    std::optional<double> scaling_;
    std::optional<CStrPP> displayFormat_;
    std::optional<CStrPP> editFormat_;
    std::optional<int> maxRangeNo_;
    std::map<int, CDDCommonVariant> minValues_;
    std::map<int, CDDCommonVariant> maxValues_;
    std::optional<CDDCommonVariant> default_;
    std::optional<std::int32_t> maxEnumIndex_;
    std::optional<std::int32_t> maxBitEnumIndex_;
    CDDEnumeratorSet enumerators_;
    CDDBitEnumeratorSet bitEnumerators_;
};

class DDOM_API CDDVariable : public CDDObject {
public:
    explicit CDDVariable(const CDDDefinition& definition);
    CDDVariable(const CDDVariable&);
    CDDVariable(CDDVariable&&) noexcept;
    CDDVariable& operator=(const CDDVariable&);
    CDDVariable& operator=(CDDVariable&&) noexcept;
    ~CDDVariable() override;
    CDDObject* clone() const override;

    void putLabel(const CStrPP& text);
    void putHelp(const CStrPP& text);
    void putConstantUnit(const CStrPP& text);
    CDDVariableClass* getClass();
    void setTypeInfo(CDDType* type);
    CDDType* getTypeInfo();
    void putHandling(enumDDVariableHandlingType handling, bool on);
    void setPreEditActions(CDDDefinitionList* list);
    void setPostEditActions(CDDDefinitionList* list);
    void setPostReadActions(CDDDefinitionList* list);

    const std::optional<CStrPP>& getLabel() const;
    const std::optional<CStrPP>& getHelp() const;
    const std::optional<CStrPP>& getConstantUnit() const;
    const CDDVariableClass& classes() const;
    const CDDType* type() const;
    // Per handling kind (ddhRead, ddhWrite): unset until written.
    std::optional<bool> getHandling(enumDDVariableHandlingType handling) const;
    const CDDDefinitionList* getPreEditActions() const;
    const CDDDefinitionList* getPostEditActions() const;
    const CDDDefinitionList* getPostReadActions() const;

private:
    std::optional<CStrPP> label_;
    std::optional<CStrPP> help_;
    std::optional<CStrPP> unit_;
    CDDVariableClass classes_;
    Owned<CDDType> type_;
    std::optional<bool> read_;
    std::optional<bool> write_;
    Owned<CDDDefinitionList> preEdit_;
    Owned<CDDDefinitionList> postEdit_;
    Owned<CDDDefinitionList> postRead_;
};

// ---------------------------------------------------------------- commands

class DDOM_API CDDBlock : public CDDObject {
public:
    CDDBlock(const CDDDefinition& definition, enumDDBlockKind kind);
    CDDBlock(const CDDBlock&);
    CDDBlock(CDDBlock&&) noexcept;
    CDDBlock& operator=(const CDDBlock&);
    CDDBlock& operator=(CDDBlock&&) noexcept;
    ~CDDBlock() override;
    CDDObject* clone() const override;

    void putType(enumDDBlockType type);
    void putNumber(int number);
    void putBlockKind(enumDDBlockKind kind);
    const std::optional<enumDDBlockType>& getType() const;
    const std::optional<int>& getNumber() const;
    enumDDBlockKind getBlockKind() const;

private:
    std::optional<enumDDBlockType> type_;
    std::optional<int> number_;
    enumDDBlockKind kind_;
};

class DDOM_API CDDIndex {
public:
    explicit CDDIndex(std::int32_t index);
    CDDIndex(const CDDIndex&);
    CDDIndex(CDDIndex&&) noexcept;
    CDDIndex& operator=(const CDDIndex&);
    CDDIndex& operator=(CDDIndex&&) noexcept;
    virtual ~CDDIndex();
    std::int32_t getIndex() const;

private:
    std::int32_t index_;
};

class DDOM_API CDDReference {
public:
    CDDReference();
    CDDReference(const CDDReference&);
    CDDReference(CDDReference&&) noexcept;
    CDDReference& operator=(const CDDReference&);
    CDDReference& operator=(CDDReference&&) noexcept;
    virtual ~CDDReference();
    void putDefinition(const CDDDefinition& definition);
    const std::optional<CDDDefinition>& getDefinition() const;

private:
    std::optional<CDDDefinition> definition_;
};

class DDOM_API CDDDataItem {
public:
    CDDDataItem();
    CDDDataItem(const CDDDataItem&);
    CDDDataItem(CDDDataItem&&) noexcept;
    CDDDataItem& operator=(const CDDDataItem&);
    CDDDataItem& operator=(CDDDataItem&&) noexcept;
    virtual ~CDDDataItem();
    void putKind(enumDDDataItemType kind);
    CDDReference* getReference();
    void putMask(std::int32_t mask);
    void putConstantValue(const CDDCommonVariant& value);

    const std::optional<enumDDDataItemType>& getKind() const;
    const CDDReference& reference() const;
    const std::optional<std::int32_t>& getMask() const;
    const std::optional<CDDCommonVariant>& getConstantValue() const;

private:
    std::optional<enumDDDataItemType> kind_;
    CDDReference reference_;
    std::optional<std::int32_t> mask_;
    std::optional<CDDCommonVariant> constant_;
};

class DDOM_API CDDDataItemList {
public:
    CDDDataItemList();
    CDDDataItemList(const CDDDataItemList&);
    CDDDataItemList(CDDDataItemList&&) noexcept;
    CDDDataItemList& operator=(const CDDDataItemList&);
    CDDDataItemList& operator=(CDDDataItemList&&) noexcept;
    virtual ~CDDDataItemList();
    void Add(const CDDDataItem& item, std::int32_t position, std::int32_t positionAfter);
    const std::vector<CDDDataItem>& items() const;

private:
    std::vector<CDDDataItem> items_;
};

class DDOM_API CDDTransaction {
public:
    explicit CDDTransaction(std::int32_t number);
    CDDTransaction(const CDDTransaction&);
    CDDTransaction(CDDTransaction&&) noexcept;
    CDDTransaction& operator=(const CDDTransaction&);
    CDDTransaction& operator=(CDDTransaction&&) noexcept;
    virtual ~CDDTransaction();
    void setRequest(CDDDataItemList* list);
    void setReply(CDDDataItemList* list);
    CDDDataItemList* getRequest() const;  // null when the transaction has none
    CDDDataItemList* getReply() const;
    std::int32_t getNumber() const;

private:
    std::int32_t number_;
    Owned<CDDDataItemList> request_;
    Owned<CDDDataItemList> reply_;
};

class DDOM_API CDDTransactionSet {
public:
    CDDTransactionSet();
    CDDTransactionSet(const CDDTransactionSet&);
    CDDTransactionSet(CDDTransactionSet&&) noexcept;
    CDDTransactionSet& operator=(const CDDTransactionSet&);
    CDDTransactionSet& operator=(CDDTransactionSet&&) noexcept;
    virtual ~CDDTransactionSet();
    void Insert(const CDDTransaction& transaction);
    const std::vector<CDDTransaction>& items() const;

private:
    std::vector<CDDTransaction> items_;
};

class DDOM_API CDDCommand : public CDDObject {
public:
    explicit CDDCommand(const CDDDefinition& definition);
    CDDCommand(const CDDCommand&);
    CDDCommand(CDDCommand&&) noexcept;
    CDDCommand& operator=(const CDDCommand&);
    CDDCommand& operator=(CDDCommand&&) noexcept;
    ~CDDCommand() override;
    CDDObject* clone() const override;

    void putBlock(const CDDBlock& block);
    void setIndex(CDDIndex* index);
    void putOperation(enumDDCommandOperationType operation);
    void setTransactionSet(CDDTransactionSet* set);
    CDDTransactionSet* getTransactionSet();

    const CDDBlock* getBlock() const;
    const CDDIndex* getIndex() const;
    const std::optional<enumDDCommandOperationType>& getOperation() const;
    const CDDTransactionSet* transactionSet() const;

private:
    std::optional<CDDBlock> block_;
    Owned<CDDIndex> index_;
    std::optional<enumDDCommandOperationType> operation_;
    Owned<CDDTransactionSet> transactions_;
};

// ---------------------------------------------------------------- menus

class DDOM_API CDDMenuItem {
public:
    CDDMenuItem();
    explicit CDDMenuItem(const CDDDefinition& definition);
    CDDMenuItem(const CDDMenuItem&);
    CDDMenuItem(CDDMenuItem&&) noexcept;
    CDDMenuItem& operator=(const CDDMenuItem&);
    CDDMenuItem& operator=(CDDMenuItem&&) noexcept;
    virtual ~CDDMenuItem();
    void putDefinition(const CDDDefinition& definition);
    void putDescription(const CStrPP& text);
    void putHelp(const CStrPP& text);
    void putQualification(enumDDMenuItemQualificationType qualification, bool on);

    const std::optional<CDDDefinition>& getDefinition() const;
    const std::optional<CStrPP>& getDescription() const;
    const std::optional<CStrPP>& getHelp() const;
    const std::map<std::int32_t, bool>& getQualifications() const;

private:
    std::optional<CDDDefinition> definition_;
    std::optional<CStrPP> description_;
    std::optional<CStrPP> help_;
    std::map<std::int32_t, bool> qualifications_;
};

class DDOM_API CDDMenuItemList {
public:
    CDDMenuItemList();
    CDDMenuItemList(const CDDMenuItemList&);
    CDDMenuItemList(CDDMenuItemList&&) noexcept;
    CDDMenuItemList& operator=(const CDDMenuItemList&);
    CDDMenuItemList& operator=(CDDMenuItemList&&) noexcept;
    virtual ~CDDMenuItemList();
    void Add(const CDDMenuItem& item, std::int32_t position, std::int32_t positionAfter);
    const std::vector<CDDMenuItem>& items() const;

private:
    std::vector<CDDMenuItem> items_;
};

class DDOM_API CDDMenu : public CDDObject {
public:
    explicit CDDMenu(const CDDDefinition& definition);
    CDDMenu(const CDDMenu&);
    CDDMenu(CDDMenu&&) noexcept;
    CDDMenu& operator=(const CDDMenu&);
    CDDMenu& operator=(CDDMenu&&) noexcept;
    ~CDDMenu() override;
    CDDObject* clone() const override;

    void putLabel(const CStrPP& text);
    void putHelp(const CStrPP& text);
    void putAccess(enumDDAccessType access);
    void setMenuItems(CDDMenuItemList* list);
    CDDMenuItemList* getMenuItems();
    void setPreWriteActions(CDDDefinitionList* list);
    void setPostWriteActions(CDDDefinitionList* list);

    const std::optional<CStrPP>& getLabel() const;
    const std::optional<CStrPP>& getHelp() const;
    const std::optional<enumDDAccessType>& getAccess() const;
    const CDDMenuItemList* menuItems() const;
    const CDDDefinitionList* getPreWriteActions() const;
    const CDDDefinitionList* getPostWriteActions() const;

private:
    std::optional<CStrPP> label_;
    std::optional<CStrPP> help_;
    std::optional<enumDDAccessType> access_;
    Owned<CDDMenuItemList> items_;
    Owned<CDDDefinitionList> preWrite_;
    Owned<CDDDefinitionList> postWrite_;
};

// ---------------------------------------------------------------- methods

class DDOM_API CDDMethod : public CDDObject {
public:
    explicit CDDMethod(const CDDDefinition& definition);
    CDDMethod(const CDDMethod&);
    CDDMethod(CDDMethod&&) noexcept;
    CDDMethod& operator=(const CDDMethod&);
    CDDMethod& operator=(CDDMethod&&) noexcept;
    ~CDDMethod() override;
    CDDObject* clone() const override;

    CDDMethodClass* getClass();
    void putAccess(enumDDAccessType access);
    void putLabel(const CStrPP& text);
    void putValidity(bool valid);

    const CDDMethodClass& classes() const;
    const std::optional<enumDDAccessType>& getAccess() const;
    const std::optional<CStrPP>& getLabel() const;
    const std::optional<bool>& getValidity() const;

private:
    CDDMethodClass classes_;
    std::optional<enumDDAccessType> access_;
    std::optional<CStrPP> label_;
    std::optional<bool> validity_;
};

// ---------------------------------------------------------------- collections

class DDOM_API CDDMember {
public:
    explicit CDDMember(CStrPP name);
    CDDMember(const CDDMember&);
    CDDMember(CDDMember&&) noexcept;
    CDDMember& operator=(const CDDMember&);
    CDDMember& operator=(CDDMember&&) noexcept;
    virtual ~CDDMember();
    void putDefinition(const CDDDefinition& definition);
    void putDescription(const CStrPP& text);
    void putHelp(const CStrPP& text);
    CStrPP getDescription() const;  // empty when never put
    CStrPP getHelp() const;
    const CStrPP& getName() const;
    const std::optional<CDDDefinition>& getDefinition() const;
    bool hasDescription() const;
    bool hasHelp() const;

private:
    CStrPP name_;
    std::optional<CDDDefinition> definition_;
    std::optional<CStrPP> description_;
    std::optional<CStrPP> help_;
};

class DDOM_API CDDMemberSet {
public:
    CDDMemberSet();
    CDDMemberSet(const CDDMemberSet&);
    CDDMemberSet(CDDMemberSet&&) noexcept;
    CDDMemberSet& operator=(const CDDMemberSet&);
    CDDMemberSet& operator=(CDDMemberSet&&) noexcept;
    virtual ~CDDMemberSet();
    void Add(const CDDMember& member);
    // The first member of that name, or null when there is none.
    CDDMember* getItem(const CStrPP& name);
    const std::vector<CDDMember>& items() const;

private:
    std::vector<CDDMember> items_;
};

class DDOM_API CDDCollection : public CDDObject {
public:
    explicit CDDCollection(const CDDDefinition& definition);
    CDDCollection(const CDDCollection&);
    CDDCollection(CDDCollection&&) noexcept;
    CDDCollection& operator=(const CDDCollection&);
    CDDCollection& operator=(CDDCollection&&) noexcept;
    ~CDDCollection() override;
    CDDObject* clone() const override;

    void putLabel(const CStrPP& text);
    void setMemberSet(CDDMemberSet* set);
    CDDMemberSet* getMemberSet();  // null until a set is attached

    const std::optional<CStrPP>& getLabel() const;
    const CDDMemberSet* memberSet() const;

private:
    std::optional<CStrPP> label_;
    Owned<CDDMemberSet> members_;
};

// ---------------------------------------------------------------- relations

class DDOM_API CDDUnit : public CDDObject {
public:
    explicit CDDUnit(const CDDDefinition& definition);
    CDDUnit(const CDDUnit&);
    CDDUnit(CDDUnit&&) noexcept;
    CDDUnit& operator=(const CDDUnit&);
    CDDUnit& operator=(CDDUnit&&) noexcept;
    ~CDDUnit() override;
    CDDObject* clone() const override;

    void putUnit(const CDDDefinition& unit);
    void setReread(CDDVariableDefinitionSet* set);
    CDDVariableDefinitionSet* getReread();

    const std::optional<CDDDefinition>& getUnit() const;
    const CDDVariableDefinitionSet* reread() const;

private:
    std::optional<CDDDefinition> unit_;
    Owned<CDDVariableDefinitionSet> reread_;
};

class DDOM_API CDDRefresh : public CDDObject {
public:
    explicit CDDRefresh(const CDDDefinition& definition);
    CDDRefresh(const CDDRefresh&);
    CDDRefresh(CDDRefresh&&) noexcept;
    CDDRefresh& operator=(const CDDRefresh&);
    CDDRefresh& operator=(CDDRefresh&&) noexcept;
    ~CDDRefresh() override;
    CDDObject* clone() const override;

    void setReread(CDDVariableDefinitionSet* set);
    CDDVariableDefinitionSet* getReread();
    void setChanged(CDDVariableDefinitionSet* set);
    CDDVariableDefinitionSet* getChanged();

    const CDDVariableDefinitionSet* reread() const;
    const CDDVariableDefinitionSet* changed() const;

private:
    Owned<CDDVariableDefinitionSet> reread_;
    Owned<CDDVariableDefinitionSet> changed_;
};

// ---------------------------------------------------------------- named values

// Name and value pairs handed to a method interface before a message.
class DDOM_API CVBCollection {
public:
    CVBCollection();
    CVBCollection(const CVBCollection&);
    CVBCollection(CVBCollection&&) noexcept;
    CVBCollection& operator=(const CVBCollection&);
    CVBCollection& operator=(CVBCollection&&) noexcept;
    virtual ~CVBCollection();
    void Add(const CStrPP& name, const CDDCommonVariant& value);
    const std::vector<std::pair<CStrPP, CDDCommonVariant>>& items() const;

private:
    std::vector<std::pair<CStrPP, CDDCommonVariant>> items_;
};
