#include "tests/TestSupport.h"

TEST(Smoke, CatalogueHas635Items) {
    auto s = openSession();
    EXPECT_EQ(s->host().ids().size(), 635u);
}
