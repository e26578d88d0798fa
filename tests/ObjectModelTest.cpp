// The object-model library's own rules: how variants compare and convert,
// what its setters own and copy, and the bounds of the class bits.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <vector>

#include "objectmodel/Objects.h"

TEST(ObjectModel, VariantsCompareByValueAcrossNumericKindsOnly) {
    EXPECT_TRUE(CDDCommonVariant(9361u) == CDDCommonVariant(9361));
    EXPECT_TRUE(CDDCommonVariant(9361.0) == CDDCommonVariant(9361));
    EXPECT_TRUE(CDDCommonVariant(9361.0f) == CDDCommonVariant(9361));
    EXPECT_FALSE(CDDCommonVariant(9361.5) == CDDCommonVariant(9361));
    EXPECT_FALSE(CDDCommonVariant("9361") == CDDCommonVariant(9361));
    EXPECT_FALSE(CDDCommonVariant() == CDDCommonVariant(0));
    EXPECT_TRUE(CDDCommonVariant() == CDDCommonVariant());
    EXPECT_TRUE(CDDCommonVariant(2000000000.0) > CDDCommonVariant(999999999));
    EXPECT_FALSE(CDDCommonVariant() > CDDCommonVariant(0));
    EXPECT_FALSE(CDDCommonVariant() < CDDCommonVariant(0));
    const std::int32_t ids[] = {1, 2, 3};
    EXPECT_EQ(CDDCommonVariant(ids, 3).ids(), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(CDDCommonVariant(1e300).asInt64(), INT64_MAX);  // no undefined conversion
}

TEST(ObjectModel, SettersTakeOwnershipAndCopiesAreDeep) {
    CDDVariable variable(CDDDefinition(1, "v", ddkVariable));
    variable.setTypeInfo(new CDDType(ddtFloat));
    variable.setTypeInfo(new CDDType(ddtSigned));  // frees the first
    variable.getTypeInfo()->putSize(2);
    auto* list = new CDDDefinitionList();
    list->Add(CDDDefinition(2, "m", ddkMethod), -1, -1);
    variable.setPostEditActions(list);
    CDDVariable copy(variable);
    copy.getTypeInfo()->putSize(4);
    EXPECT_EQ(variable.type()->getSize(), 2);
    EXPECT_NE(copy.getPostEditActions(), variable.getPostEditActions());
    EXPECT_EQ(copy.getPostEditActions()->items().size(), 1u);
    CDDCollection collection(CDDDefinition(3, "c", ddkCollection));
    EXPECT_EQ(collection.getMemberSet(), nullptr);
    collection.setMemberSet(new CDDMemberSet());
    collection.getMemberSet()->Add(CDDMember(CStrPP("a")));
    EXPECT_NE(collection.getMemberSet()->getItem(CStrPP("a")), nullptr);
    EXPECT_EQ(collection.getMemberSet()->getItem(CStrPP("b")), nullptr);
}

TEST(ObjectModel, ClassNumbersOutsideTheNineteenAreIgnored) {
    // Right past the bits lies, in GCC's and Clang's layout, a derived class's
    // member: no sanitizer reports a slip of one past the end, this does.
    struct Probe : CDDVariableClass {
        std::optional<bool> past = true;
    } classes;
    classes.putClassInfo(enumDDVariableClassType(0), true);
    classes.putClassInfo(enumDDVariableClassType(18), false);
    for (const std::int32_t outside : {-1, 19, INT32_MIN, INT32_MAX}) {
        for (const bool on : {true, false}) {
            classes.putClassInfo(enumDDVariableClassType(outside), on);
            EXPECT_EQ(classes.get(outside), std::nullopt) << outside << " " << on;
        }
    }
    EXPECT_EQ(classes.setBits(), std::vector<int>{0});
    EXPECT_EQ(classes.writtenCount(), 2);
    EXPECT_EQ(classes.get(18), false);
    EXPECT_EQ(classes.past, true);
}
