#include "objectmodel/Objects.h"

#include <type_traits>

// ---------------------------------------------------------------- definitions

CDDDefinition::CDDDefinition() = default;
CDDDefinition::CDDDefinition(std::int32_t id, const CStrPP& name, enumDDObjectKind kind)
    : id_(id), name_(name), kind_(kind), empty_(false) {}
CDDDefinition::CDDDefinition(const CDDDefinition&) = default;
CDDDefinition::CDDDefinition(CDDDefinition&&) noexcept = default;
CDDDefinition& CDDDefinition::operator=(const CDDDefinition&) = default;
CDDDefinition& CDDDefinition::operator=(CDDDefinition&&) noexcept = default;
CDDDefinition::~CDDDefinition() = default;
std::int32_t CDDDefinition::getID() const { return id_; }
CStrPP CDDDefinition::getName() const { return name_; }
enumDDObjectKind CDDDefinition::getKind() const { return kind_; }
bool CDDDefinition::isEmpty() const { return empty_; }

CDDDefinitionList::CDDDefinitionList() = default;
CDDDefinitionList::CDDDefinitionList(const CDDDefinitionList&) = default;
CDDDefinitionList::CDDDefinitionList(CDDDefinitionList&&) noexcept = default;
CDDDefinitionList& CDDDefinitionList::operator=(const CDDDefinitionList&) = default;
CDDDefinitionList& CDDDefinitionList::operator=(CDDDefinitionList&&) noexcept = default;
CDDDefinitionList::~CDDDefinitionList() = default;
void CDDDefinitionList::Add(const CDDDefinition& definition, std::int32_t, std::int32_t) {
    items_.push_back(definition);
}
const std::vector<CDDDefinition>& CDDDefinitionList::items() const { return items_; }

CDDDefinitionSet::CDDDefinitionSet() = default;
CDDDefinitionSet::CDDDefinitionSet(const CDDDefinitionSet&) = default;
CDDDefinitionSet::CDDDefinitionSet(CDDDefinitionSet&&) noexcept = default;
CDDDefinitionSet& CDDDefinitionSet::operator=(const CDDDefinitionSet&) = default;
CDDDefinitionSet& CDDDefinitionSet::operator=(CDDDefinitionSet&&) noexcept = default;
CDDDefinitionSet::~CDDDefinitionSet() = default;
void CDDDefinitionSet::Insert(const CDDDefinition& definition) { items_.push_back(definition); }
const std::vector<CDDDefinition>& CDDDefinitionSet::items() const { return items_; }

CDDVariableDefinitionSet::CDDVariableDefinitionSet() = default;
CDDVariableDefinitionSet::CDDVariableDefinitionSet(const CDDVariableDefinitionSet&) = default;
CDDVariableDefinitionSet::CDDVariableDefinitionSet(CDDVariableDefinitionSet&&) noexcept = default;
CDDVariableDefinitionSet& CDDVariableDefinitionSet::operator=(const CDDVariableDefinitionSet&) = default;
CDDVariableDefinitionSet& CDDVariableDefinitionSet::operator=(CDDVariableDefinitionSet&&) noexcept = default;
CDDVariableDefinitionSet::~CDDVariableDefinitionSet() = default;

CDDTransactionRef::CDDTransactionRef(std::int32_t transaction, const CDDDefinition& command)
    : transaction_(transaction), command_(command) {}
CDDTransactionRef::CDDTransactionRef(const CDDTransactionRef&) = default;
CDDTransactionRef::CDDTransactionRef(CDDTransactionRef&&) noexcept = default;
CDDTransactionRef& CDDTransactionRef::operator=(const CDDTransactionRef&) = default;
CDDTransactionRef& CDDTransactionRef::operator=(CDDTransactionRef&&) noexcept = default;
CDDTransactionRef::~CDDTransactionRef() = default;
std::int32_t CDDTransactionRef::getTransaction() const { return transaction_; }
const CDDDefinition& CDDTransactionRef::getCommand() const { return command_; }

// ---------------------------------------------------------------- base object

CDDObject::CDDObject(const CDDDefinition& definition) : definition_(definition) {}
CDDObject::CDDObject(const CDDObject&) = default;
CDDObject::CDDObject(CDDObject&&) noexcept = default;
CDDObject& CDDObject::operator=(const CDDObject&) = default;
CDDObject& CDDObject::operator=(CDDObject&&) noexcept = default;
CDDObject::~CDDObject() = default;
const CDDDefinition* CDDObject::getcDefinition() const { return &definition_; }
CDDDefinition* CDDObject::getDefinition() { return &definition_; }
CDDObject* CDDObject::clone() const { return new CDDObject(*this); }
void CDDObject::putAttributesAvailable(bool available) { available_ = available; }
std::optional<bool> CDDObject::getAttributesAvailable() const { return available_; }

#define DDOM_PLAIN_OBJECT_IMPL(Name)                                       \
    Name::Name(const CDDDefinition& definition) : CDDObject(definition) {} \
    Name::Name(const Name&) = default;                                     \
    Name::Name(Name&&) noexcept = default;                                 \
    Name& Name::operator=(const Name&) = default;                          \
    Name& Name::operator=(Name&&) noexcept = default;                      \
    Name::~Name() = default;                                               \
    CDDObject* Name::clone() const { return new Name(*this); }
DDOM_PLAIN_OBJECT_IMPL(CDDEditDisplay)
DDOM_PLAIN_OBJECT_IMPL(CDDWriteAsOne)
DDOM_PLAIN_OBJECT_IMPL(CDDArray)
DDOM_PLAIN_OBJECT_IMPL(CDDItemArray)
DDOM_PLAIN_OBJECT_IMPL(CDDConnection)
DDOM_PLAIN_OBJECT_IMPL(CDDRecord)
DDOM_PLAIN_OBJECT_IMPL(CDDVariableList)
DDOM_PLAIN_OBJECT_IMPL(CDDResponseCodes)
#undef DDOM_PLAIN_OBJECT_IMPL

// ---------------------------------------------------------------- variables

CDDClassBits::CDDClassBits() = default;
CDDClassBits::CDDClassBits(const CDDClassBits&) = default;
CDDClassBits::CDDClassBits(CDDClassBits&&) noexcept = default;
CDDClassBits& CDDClassBits::operator=(const CDDClassBits&) = default;
CDDClassBits& CDDClassBits::operator=(CDDClassBits&&) noexcept = default;
CDDClassBits::~CDDClassBits() = default;
std::optional<bool> CDDClassBits::get(int value) const {
    if (value < 0 || value >= kCount) return std::nullopt;
    return bits_[static_cast<std::size_t>(value)];
}
std::vector<int> CDDClassBits::setBits() const {
    std::vector<int> on;
    for (int i = 0; i < kCount; ++i)
        if (bits_[static_cast<std::size_t>(i)].value_or(false)) on.push_back(i);
    return on;
}
int CDDClassBits::writtenCount() const {
    int n = 0;
    for (const auto& b : bits_) n += b.has_value() ? 1 : 0;
    return n;
}
void CDDClassBits::put(int value, bool on) {
    if (value >= 0 && value < kCount) bits_[static_cast<std::size_t>(value)] = on;
}

CDDVariableClass::CDDVariableClass() = default;
CDDVariableClass::~CDDVariableClass() = default;
void CDDVariableClass::putClassInfo(enumDDVariableClassType value, bool on) { put(value, on); }

CDDMethodClass::CDDMethodClass() = default;
CDDMethodClass::~CDDMethodClass() = default;
void CDDMethodClass::putClassInfo(enumDDMethodClass value, bool on) { put(value, on); }

CDDEnumerator::CDDEnumerator() = default;
CDDEnumerator::CDDEnumerator(const CDDEnumerator&) = default;
CDDEnumerator::CDDEnumerator(CDDEnumerator&&) noexcept = default;
CDDEnumerator& CDDEnumerator::operator=(const CDDEnumerator&) = default;
CDDEnumerator& CDDEnumerator::operator=(CDDEnumerator&&) noexcept = default;
CDDEnumerator::~CDDEnumerator() = default;
void CDDEnumerator::putValue(std::int32_t value) { value_ = value; }
void CDDEnumerator::putDescription(const CStrPP& text) { description_ = text; }
void CDDEnumerator::putHelp(const CStrPP& text) { help_ = text; }
std::int32_t CDDEnumerator::getValue() const { return value_; }
const std::optional<CStrPP>& CDDEnumerator::getDescription() const { return description_; }
const std::optional<CStrPP>& CDDEnumerator::getHelp() const { return help_; }

CDDBitEnumerator::CDDBitEnumerator(std::int32_t bit) : bit_(bit) {}
CDDBitEnumerator::CDDBitEnumerator(const CDDBitEnumerator&) = default;
CDDBitEnumerator::CDDBitEnumerator(CDDBitEnumerator&&) noexcept = default;
CDDBitEnumerator& CDDBitEnumerator::operator=(const CDDBitEnumerator&) = default;
CDDBitEnumerator& CDDBitEnumerator::operator=(CDDBitEnumerator&&) noexcept = default;
CDDBitEnumerator::~CDDBitEnumerator() = default;
void CDDBitEnumerator::putDescription(const CStrPP& text) { description_ = text; }
void CDDBitEnumerator::putHelp(const CStrPP& text) { help_ = text; }
void CDDBitEnumerator::putMethod(const CDDDefinition& method) { method_ = method; }
std::int32_t CDDBitEnumerator::getBit() const { return bit_; }
const std::optional<CStrPP>& CDDBitEnumerator::getDescription() const { return description_; }
const std::optional<CStrPP>& CDDBitEnumerator::getHelp() const { return help_; }
const std::optional<CDDDefinition>& CDDBitEnumerator::getMethod() const { return method_; }

CDDEnumeratorSet::CDDEnumeratorSet() = default;
CDDEnumeratorSet::CDDEnumeratorSet(const CDDEnumeratorSet&) = default;
CDDEnumeratorSet::CDDEnumeratorSet(CDDEnumeratorSet&&) noexcept = default;
CDDEnumeratorSet& CDDEnumeratorSet::operator=(const CDDEnumeratorSet&) = default;
CDDEnumeratorSet& CDDEnumeratorSet::operator=(CDDEnumeratorSet&&) noexcept = default;
CDDEnumeratorSet::~CDDEnumeratorSet() = default;
void CDDEnumeratorSet::Add(const CDDEnumerator& enumerator) { items_.push_back(enumerator); }
const std::vector<CDDEnumerator>& CDDEnumeratorSet::items() const { return items_; }

CDDBitEnumeratorSet::CDDBitEnumeratorSet() = default;
CDDBitEnumeratorSet::CDDBitEnumeratorSet(const CDDBitEnumeratorSet&) = default;
CDDBitEnumeratorSet::CDDBitEnumeratorSet(CDDBitEnumeratorSet&&) noexcept = default;
CDDBitEnumeratorSet& CDDBitEnumeratorSet::operator=(const CDDBitEnumeratorSet&) = default;
CDDBitEnumeratorSet& CDDBitEnumeratorSet::operator=(CDDBitEnumeratorSet&&) noexcept = default;
CDDBitEnumeratorSet::~CDDBitEnumeratorSet() = default;
void CDDBitEnumeratorSet::Add(const CDDBitEnumerator& enumerator) { items_.push_back(enumerator); }
const std::vector<CDDBitEnumerator>& CDDBitEnumeratorSet::items() const { return items_; }

CDDType::CDDType(enumDDVariableType type) : type_(type) {}
CDDType::CDDType(const CDDType&) = default;
CDDType::CDDType(CDDType&&) noexcept = default;
CDDType& CDDType::operator=(const CDDType&) = default;
CDDType& CDDType::operator=(CDDType&&) noexcept = default;
CDDType::~CDDType() = default;
void CDDType::putSize(int size) { size_ = size; }
void CDDType::putScalingFactor(double factor) { scaling_ = factor; }
void CDDType::putDisplayFormat(const CStrPP& format) { displayFormat_ = format; }
void CDDType::putEditFormat(const CStrPP& format) { editFormat_ = format; }
void CDDType::putMaxRangeNo(int maxRange) { maxRangeNo_ = maxRange; }
void CDDType::putMinValues(int range, const CDDCommonVariant& value) { minValues_[range] = value; }
void CDDType::putMaxValues(int range, const CDDCommonVariant& value) { maxValues_[range] = value; }
void CDDType::putDefaultValue(const CDDCommonVariant& value) { default_ = value; }
void CDDType::putMaxEnumIndex(std::int32_t index) { maxEnumIndex_ = index; }
void CDDType::putMaxBitEnumIndex(std::int32_t index) { maxBitEnumIndex_ = index; }
CDDEnumeratorSet* CDDType::getEnumeratorSet() { return &enumerators_; }
CDDBitEnumeratorSet* CDDType::getBitEnumeratorSet() { return &bitEnumerators_; }
enumDDVariableType CDDType::getType() const { return type_; }
const std::optional<int>& CDDType::getSize() const { return size_; }
const std::optional<double>& CDDType::getScalingFactor() const { return scaling_; }
const std::optional<CStrPP>& CDDType::getDisplayFormat() const { return displayFormat_; }
const std::optional<CStrPP>& CDDType::getEditFormat() const { return editFormat_; }
const std::optional<int>& CDDType::getMaxRangeNo() const { return maxRangeNo_; }
const std::map<int, CDDCommonVariant>& CDDType::getMinValues() const { return minValues_; }
const std::map<int, CDDCommonVariant>& CDDType::getMaxValues() const { return maxValues_; }
const std::optional<CDDCommonVariant>& CDDType::getDefaultValue() const { return default_; }
const std::optional<std::int32_t>& CDDType::getMaxEnumIndex() const { return maxEnumIndex_; }
const std::optional<std::int32_t>& CDDType::getMaxBitEnumIndex() const { return maxBitEnumIndex_; }
const CDDEnumeratorSet& CDDType::enumerators() const { return enumerators_; }
const CDDBitEnumeratorSet& CDDType::bitEnumerators() const { return bitEnumerators_; }

CDDVariable::CDDVariable(const CDDDefinition& definition) : CDDObject(definition) {}
CDDVariable::CDDVariable(const CDDVariable&) = default;
CDDVariable::CDDVariable(CDDVariable&&) noexcept = default;
CDDVariable& CDDVariable::operator=(const CDDVariable&) = default;
CDDVariable& CDDVariable::operator=(CDDVariable&&) noexcept = default;
CDDVariable::~CDDVariable() = default;
CDDObject* CDDVariable::clone() const { return new CDDVariable(*this); }
void CDDVariable::putLabel(const CStrPP& text) { label_ = text; }
void CDDVariable::putHelp(const CStrPP& text) { help_ = text; }
void CDDVariable::putConstantUnit(const CStrPP& text) { unit_ = text; }
CDDVariableClass* CDDVariable::getClass() { return &classes_; }
void CDDVariable::setTypeInfo(CDDType* type) { type_.reset(type); }
CDDType* CDDVariable::getTypeInfo() { return type_.get(); }
void CDDVariable::putHandling(enumDDVariableHandlingType handling, bool on) {
    if (handling == ddhRead)
        read_ = on;
    else if (handling == ddhWrite)
        write_ = on;
}
void CDDVariable::setPreEditActions(CDDDefinitionList* list) { preEdit_.reset(list); }
void CDDVariable::setPostEditActions(CDDDefinitionList* list) { postEdit_.reset(list); }
void CDDVariable::setPostReadActions(CDDDefinitionList* list) { postRead_.reset(list); }
const std::optional<CStrPP>& CDDVariable::getLabel() const { return label_; }
const std::optional<CStrPP>& CDDVariable::getHelp() const { return help_; }
const std::optional<CStrPP>& CDDVariable::getConstantUnit() const { return unit_; }
const CDDVariableClass& CDDVariable::classes() const { return classes_; }
const CDDType* CDDVariable::type() const { return type_.get(); }
std::optional<bool> CDDVariable::getHandling(enumDDVariableHandlingType handling) const {
    return handling == ddhRead ? read_ : (handling == ddhWrite ? write_ : std::nullopt);
}
const CDDDefinitionList* CDDVariable::getPreEditActions() const { return preEdit_.get(); }
const CDDDefinitionList* CDDVariable::getPostEditActions() const { return postEdit_.get(); }
const CDDDefinitionList* CDDVariable::getPostReadActions() const { return postRead_.get(); }

// ---------------------------------------------------------------- commands

CDDBlock::CDDBlock(const CDDDefinition& definition, enumDDBlockKind kind) : CDDObject(definition), kind_(kind) {}
CDDBlock::CDDBlock(const CDDBlock&) = default;
CDDBlock::CDDBlock(CDDBlock&&) noexcept = default;
CDDBlock& CDDBlock::operator=(const CDDBlock&) = default;
CDDBlock& CDDBlock::operator=(CDDBlock&&) noexcept = default;
CDDBlock::~CDDBlock() = default;
CDDObject* CDDBlock::clone() const { return new CDDBlock(*this); }
void CDDBlock::putType(enumDDBlockType type) { type_ = type; }
void CDDBlock::putNumber(int number) { number_ = number; }
void CDDBlock::putBlockKind(enumDDBlockKind kind) { kind_ = kind; }
const std::optional<enumDDBlockType>& CDDBlock::getType() const { return type_; }
const std::optional<int>& CDDBlock::getNumber() const { return number_; }
enumDDBlockKind CDDBlock::getBlockKind() const { return kind_; }

CDDIndex::CDDIndex(std::int32_t index) : index_(index) {}
CDDIndex::CDDIndex(const CDDIndex&) = default;
CDDIndex::CDDIndex(CDDIndex&&) noexcept = default;
CDDIndex& CDDIndex::operator=(const CDDIndex&) = default;
CDDIndex& CDDIndex::operator=(CDDIndex&&) noexcept = default;
CDDIndex::~CDDIndex() = default;
std::int32_t CDDIndex::getIndex() const { return index_; }

CDDReference::CDDReference() = default;
CDDReference::CDDReference(const CDDReference&) = default;
CDDReference::CDDReference(CDDReference&&) noexcept = default;
CDDReference& CDDReference::operator=(const CDDReference&) = default;
CDDReference& CDDReference::operator=(CDDReference&&) noexcept = default;
CDDReference::~CDDReference() = default;
void CDDReference::putDefinition(const CDDDefinition& definition) { definition_ = definition; }
const std::optional<CDDDefinition>& CDDReference::getDefinition() const { return definition_; }

CDDDataItem::CDDDataItem() = default;
CDDDataItem::CDDDataItem(const CDDDataItem&) = default;
CDDDataItem::CDDDataItem(CDDDataItem&&) noexcept = default;
CDDDataItem& CDDDataItem::operator=(const CDDDataItem&) = default;
CDDDataItem& CDDDataItem::operator=(CDDDataItem&&) noexcept = default;
CDDDataItem::~CDDDataItem() = default;
void CDDDataItem::putKind(enumDDDataItemType kind) { kind_ = kind; }
CDDReference* CDDDataItem::getReference() { return &reference_; }
void CDDDataItem::putMask(std::int32_t mask) { mask_ = mask; }
void CDDDataItem::putConstantValue(const CDDCommonVariant& value) { constant_ = value; }
const std::optional<enumDDDataItemType>& CDDDataItem::getKind() const { return kind_; }
const CDDReference& CDDDataItem::reference() const { return reference_; }
const std::optional<std::int32_t>& CDDDataItem::getMask() const { return mask_; }
const std::optional<CDDCommonVariant>& CDDDataItem::getConstantValue() const { return constant_; }

CDDDataItemList::CDDDataItemList() = default;
CDDDataItemList::CDDDataItemList(const CDDDataItemList&) = default;
CDDDataItemList::CDDDataItemList(CDDDataItemList&&) noexcept = default;
CDDDataItemList& CDDDataItemList::operator=(const CDDDataItemList&) = default;
CDDDataItemList& CDDDataItemList::operator=(CDDDataItemList&&) noexcept = default;
CDDDataItemList::~CDDDataItemList() = default;
void CDDDataItemList::Add(const CDDDataItem& item, std::int32_t, std::int32_t) { items_.push_back(item); }
const std::vector<CDDDataItem>& CDDDataItemList::items() const { return items_; }

CDDTransaction::CDDTransaction(std::int32_t number) : number_(number) {}
CDDTransaction::CDDTransaction(const CDDTransaction&) = default;
CDDTransaction::CDDTransaction(CDDTransaction&&) noexcept = default;
CDDTransaction& CDDTransaction::operator=(const CDDTransaction&) = default;
CDDTransaction& CDDTransaction::operator=(CDDTransaction&&) noexcept = default;
CDDTransaction::~CDDTransaction() = default;
void CDDTransaction::setRequest(CDDDataItemList* list) { request_.reset(list); }
void CDDTransaction::setReply(CDDDataItemList* list) { reply_.reset(list); }
CDDDataItemList* CDDTransaction::getRequest() const { return request_.get(); }
CDDDataItemList* CDDTransaction::getReply() const { return reply_.get(); }
std::int32_t CDDTransaction::getNumber() const { return number_; }

CDDTransactionSet::CDDTransactionSet() = default;
CDDTransactionSet::CDDTransactionSet(const CDDTransactionSet&) = default;
CDDTransactionSet::CDDTransactionSet(CDDTransactionSet&&) noexcept = default;
CDDTransactionSet& CDDTransactionSet::operator=(const CDDTransactionSet&) = default;
CDDTransactionSet& CDDTransactionSet::operator=(CDDTransactionSet&&) noexcept = default;
CDDTransactionSet::~CDDTransactionSet() = default;
void CDDTransactionSet::Insert(const CDDTransaction& transaction) { items_.push_back(transaction); }
const std::vector<CDDTransaction>& CDDTransactionSet::items() const { return items_; }

CDDCommand::CDDCommand(const CDDDefinition& definition) : CDDObject(definition) {}
CDDCommand::CDDCommand(const CDDCommand&) = default;
CDDCommand::CDDCommand(CDDCommand&&) noexcept = default;
CDDCommand& CDDCommand::operator=(const CDDCommand&) = default;
CDDCommand& CDDCommand::operator=(CDDCommand&&) noexcept = default;
CDDCommand::~CDDCommand() = default;
CDDObject* CDDCommand::clone() const { return new CDDCommand(*this); }
void CDDCommand::putBlock(const CDDBlock& block) { block_ = block; }
void CDDCommand::setIndex(CDDIndex* index) { index_.reset(index); }
void CDDCommand::putOperation(enumDDCommandOperationType operation) { operation_ = operation; }
void CDDCommand::setTransactionSet(CDDTransactionSet* set) { transactions_.reset(set); }
CDDTransactionSet* CDDCommand::getTransactionSet() { return transactions_.get(); }
const CDDBlock* CDDCommand::getBlock() const { return block_ ? &*block_ : nullptr; }
const CDDIndex* CDDCommand::getIndex() const { return index_.get(); }
const std::optional<enumDDCommandOperationType>& CDDCommand::getOperation() const { return operation_; }
const CDDTransactionSet* CDDCommand::transactionSet() const { return transactions_.get(); }

// ---------------------------------------------------------------- menus

CDDMenuItem::CDDMenuItem() = default;
CDDMenuItem::CDDMenuItem(const CDDDefinition& definition) : definition_(definition) {}
CDDMenuItem::CDDMenuItem(const CDDMenuItem&) = default;
CDDMenuItem::CDDMenuItem(CDDMenuItem&&) noexcept = default;
CDDMenuItem& CDDMenuItem::operator=(const CDDMenuItem&) = default;
CDDMenuItem& CDDMenuItem::operator=(CDDMenuItem&&) noexcept = default;
CDDMenuItem::~CDDMenuItem() = default;
void CDDMenuItem::putDefinition(const CDDDefinition& definition) { definition_ = definition; }
void CDDMenuItem::putDescription(const CStrPP& text) { description_ = text; }
void CDDMenuItem::putHelp(const CStrPP& text) { help_ = text; }
void CDDMenuItem::putQualification(enumDDMenuItemQualificationType qualification, bool on) {
    qualifications_[qualification] = on;
}
const std::optional<CDDDefinition>& CDDMenuItem::getDefinition() const { return definition_; }
const std::optional<CStrPP>& CDDMenuItem::getDescription() const { return description_; }
const std::optional<CStrPP>& CDDMenuItem::getHelp() const { return help_; }
const std::map<std::int32_t, bool>& CDDMenuItem::getQualifications() const { return qualifications_; }

CDDMenuItemList::CDDMenuItemList() = default;
CDDMenuItemList::CDDMenuItemList(const CDDMenuItemList&) = default;
CDDMenuItemList::CDDMenuItemList(CDDMenuItemList&&) noexcept = default;
CDDMenuItemList& CDDMenuItemList::operator=(const CDDMenuItemList&) = default;
CDDMenuItemList& CDDMenuItemList::operator=(CDDMenuItemList&&) noexcept = default;
CDDMenuItemList::~CDDMenuItemList() = default;
void CDDMenuItemList::Add(const CDDMenuItem& item, std::int32_t, std::int32_t) { items_.push_back(item); }
const std::vector<CDDMenuItem>& CDDMenuItemList::items() const { return items_; }

CDDMenu::CDDMenu(const CDDDefinition& definition) : CDDObject(definition) {}
CDDMenu::CDDMenu(const CDDMenu&) = default;
CDDMenu::CDDMenu(CDDMenu&&) noexcept = default;
CDDMenu& CDDMenu::operator=(const CDDMenu&) = default;
CDDMenu& CDDMenu::operator=(CDDMenu&&) noexcept = default;
CDDMenu::~CDDMenu() = default;
CDDObject* CDDMenu::clone() const { return new CDDMenu(*this); }
void CDDMenu::putLabel(const CStrPP& text) { label_ = text; }
void CDDMenu::putHelp(const CStrPP& text) { help_ = text; }
void CDDMenu::putAccess(enumDDAccessType access) { access_ = access; }
void CDDMenu::setMenuItems(CDDMenuItemList* list) { items_.reset(list); }
CDDMenuItemList* CDDMenu::getMenuItems() { return items_.get(); }
void CDDMenu::setPreWriteActions(CDDDefinitionList* list) { preWrite_.reset(list); }
void CDDMenu::setPostWriteActions(CDDDefinitionList* list) { postWrite_.reset(list); }
const std::optional<CStrPP>& CDDMenu::getLabel() const { return label_; }
const std::optional<CStrPP>& CDDMenu::getHelp() const { return help_; }
const std::optional<enumDDAccessType>& CDDMenu::getAccess() const { return access_; }
const CDDMenuItemList* CDDMenu::menuItems() const { return items_.get(); }
const CDDDefinitionList* CDDMenu::getPreWriteActions() const { return preWrite_.get(); }
const CDDDefinitionList* CDDMenu::getPostWriteActions() const { return postWrite_.get(); }

// ---------------------------------------------------------------- methods

CDDMethod::CDDMethod(const CDDDefinition& definition) : CDDObject(definition) {}
CDDMethod::CDDMethod(const CDDMethod&) = default;
CDDMethod::CDDMethod(CDDMethod&&) noexcept = default;
CDDMethod& CDDMethod::operator=(const CDDMethod&) = default;
CDDMethod& CDDMethod::operator=(CDDMethod&&) noexcept = default;
CDDMethod::~CDDMethod() = default;
CDDObject* CDDMethod::clone() const { return new CDDMethod(*this); }
CDDMethodClass* CDDMethod::getClass() { return &classes_; }
void CDDMethod::putAccess(enumDDAccessType access) { access_ = access; }
void CDDMethod::putLabel(const CStrPP& text) { label_ = text; }
void CDDMethod::putValidity(bool valid) { validity_ = valid; }
const CDDMethodClass& CDDMethod::classes() const { return classes_; }
const std::optional<enumDDAccessType>& CDDMethod::getAccess() const { return access_; }
const std::optional<CStrPP>& CDDMethod::getLabel() const { return label_; }
const std::optional<bool>& CDDMethod::getValidity() const { return validity_; }

// ---------------------------------------------------------------- collections

CDDMember::CDDMember(CStrPP name) : name_(std::move(name)) {}
CDDMember::CDDMember(const CDDMember&) = default;
CDDMember::CDDMember(CDDMember&&) noexcept = default;
CDDMember& CDDMember::operator=(const CDDMember&) = default;
CDDMember& CDDMember::operator=(CDDMember&&) noexcept = default;
CDDMember::~CDDMember() = default;
void CDDMember::putDefinition(const CDDDefinition& definition) { definition_ = definition; }
void CDDMember::putDescription(const CStrPP& text) { description_ = text; }
void CDDMember::putHelp(const CStrPP& text) { help_ = text; }
CStrPP CDDMember::getDescription() const { return description_.value_or(CStrPP()); }
CStrPP CDDMember::getHelp() const { return help_.value_or(CStrPP()); }
const CStrPP& CDDMember::getName() const { return name_; }
const std::optional<CDDDefinition>& CDDMember::getDefinition() const { return definition_; }
bool CDDMember::hasDescription() const { return description_.has_value(); }
bool CDDMember::hasHelp() const { return help_.has_value(); }

CDDMemberSet::CDDMemberSet() = default;
CDDMemberSet::CDDMemberSet(const CDDMemberSet&) = default;
CDDMemberSet::CDDMemberSet(CDDMemberSet&&) noexcept = default;
CDDMemberSet& CDDMemberSet::operator=(const CDDMemberSet&) = default;
CDDMemberSet& CDDMemberSet::operator=(CDDMemberSet&&) noexcept = default;
CDDMemberSet::~CDDMemberSet() = default;
void CDDMemberSet::Add(const CDDMember& member) { items_.push_back(member); }
CDDMember* CDDMemberSet::getItem(const CStrPP& name) {
    for (auto& member : items_)
        if (member.getName() == name) return &member;
    return nullptr;
}
const std::vector<CDDMember>& CDDMemberSet::items() const { return items_; }

CDDCollection::CDDCollection(const CDDDefinition& definition) : CDDObject(definition) {}
CDDCollection::CDDCollection(const CDDCollection&) = default;
CDDCollection::CDDCollection(CDDCollection&&) noexcept = default;
CDDCollection& CDDCollection::operator=(const CDDCollection&) = default;
CDDCollection& CDDCollection::operator=(CDDCollection&&) noexcept = default;
CDDCollection::~CDDCollection() = default;
CDDObject* CDDCollection::clone() const { return new CDDCollection(*this); }
void CDDCollection::putLabel(const CStrPP& text) { label_ = text; }
void CDDCollection::setMemberSet(CDDMemberSet* set) { members_.reset(set); }
CDDMemberSet* CDDCollection::getMemberSet() { return members_.get(); }
const std::optional<CStrPP>& CDDCollection::getLabel() const { return label_; }
const CDDMemberSet* CDDCollection::memberSet() const { return members_.get(); }

// ---------------------------------------------------------------- relations

CDDUnit::CDDUnit(const CDDDefinition& definition) : CDDObject(definition) {}
CDDUnit::CDDUnit(const CDDUnit&) = default;
CDDUnit::CDDUnit(CDDUnit&&) noexcept = default;
CDDUnit& CDDUnit::operator=(const CDDUnit&) = default;
CDDUnit& CDDUnit::operator=(CDDUnit&&) noexcept = default;
CDDUnit::~CDDUnit() = default;
CDDObject* CDDUnit::clone() const { return new CDDUnit(*this); }
void CDDUnit::putUnit(const CDDDefinition& unit) { unit_ = unit; }
void CDDUnit::setReread(CDDVariableDefinitionSet* set) { reread_.reset(set); }
CDDVariableDefinitionSet* CDDUnit::getReread() { return reread_.get(); }
const std::optional<CDDDefinition>& CDDUnit::getUnit() const { return unit_; }
const CDDVariableDefinitionSet* CDDUnit::reread() const { return reread_.get(); }

CDDRefresh::CDDRefresh(const CDDDefinition& definition) : CDDObject(definition) {}
CDDRefresh::CDDRefresh(const CDDRefresh&) = default;
CDDRefresh::CDDRefresh(CDDRefresh&&) noexcept = default;
CDDRefresh& CDDRefresh::operator=(const CDDRefresh&) = default;
CDDRefresh& CDDRefresh::operator=(CDDRefresh&&) noexcept = default;
CDDRefresh::~CDDRefresh() = default;
CDDObject* CDDRefresh::clone() const { return new CDDRefresh(*this); }
void CDDRefresh::setReread(CDDVariableDefinitionSet* set) { reread_.reset(set); }
CDDVariableDefinitionSet* CDDRefresh::getReread() { return reread_.get(); }
void CDDRefresh::setChanged(CDDVariableDefinitionSet* set) { changed_.reset(set); }
CDDVariableDefinitionSet* CDDRefresh::getChanged() { return changed_.get(); }
const CDDVariableDefinitionSet* CDDRefresh::reread() const { return reread_.get(); }
const CDDVariableDefinitionSet* CDDRefresh::changed() const { return changed_.get(); }

// ---------------------------------------------------------------- named values

CVBCollection::CVBCollection() = default;
CVBCollection::CVBCollection(const CVBCollection&) = default;
CVBCollection::CVBCollection(CVBCollection&&) noexcept = default;
CVBCollection& CVBCollection::operator=(const CVBCollection&) = default;
CVBCollection& CVBCollection::operator=(CVBCollection&&) noexcept = default;
CVBCollection::~CVBCollection() = default;
void CVBCollection::Add(const CStrPP& name, const CDDCommonVariant& value) { items_.emplace_back(name, value); }
const std::vector<std::pair<CStrPP, CDDCommonVariant>>& CVBCollection::items() const { return items_; }

// Lists grow by moving their elements only when the moves cannot throw.
static_assert(std::is_nothrow_move_constructible_v<CDDDefinition>);
static_assert(std::is_nothrow_move_constructible_v<CDDEnumerator>);
static_assert(std::is_nothrow_move_constructible_v<CDDBitEnumerator>);
static_assert(std::is_nothrow_move_constructible_v<CDDDataItem>);
static_assert(std::is_nothrow_move_constructible_v<CDDTransaction>);
static_assert(std::is_nothrow_move_constructible_v<CDDMenuItem>);
static_assert(std::is_nothrow_move_constructible_v<CDDMember>);
static_assert(std::is_nothrow_move_constructible_v<CDDCommonVariant>);
