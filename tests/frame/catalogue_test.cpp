#include "tessera/frame/catalogue/catalogue.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tessera::frame {
namespace {

TEST(CatalogueTest, EveryIdentityIsDistinct) {
  std::vector<Guid> ids{kLibraryId};
  for (const ClassInfo& info : PublicClasses()) {
    ids.insert(ids.end(), {info.class_id, info.interface_id});
    if (info.events_id) ids.push_back(*info.events_id);
  }
  EXPECT_EQ(std::set<Guid>(ids.begin(), ids.end()).size(), ids.size());
}

TEST(CatalogueTest, FindsClassesByNameProgIdOrIdentity) {
  const ClassInfo* gtool = FindClass("gtool");
  ASSERT_NE(gtool, nullptr);
  EXPECT_EQ(gtool->name, "GTool");
  EXPECT_EQ(FindClass("TESSERA.GTool"), gtool);
  EXPECT_EQ(FindClass(gtool->class_id), gtool);
  EXPECT_EQ(ProgId(*gtool), "Tessera.GTool");
  EXPECT_EQ(FindClass("Tessera."), nullptr);
  EXPECT_EQ(FindClass("Other.GTool"), nullptr);
  EXPECT_EQ(FindClass(gtool->interface_id), nullptr);
}

TEST(GuidTest, ParsesAndPrintsTheRegistryText) {
  const auto guid = ParseGuid("{48eaa08a-0781-4c11-bfd0-253e0b6bbb4c}");
  ASSERT_TRUE(guid);
  EXPECT_EQ(guid->data1, 0x48EAA08Au);
  EXPECT_EQ(guid->data2, 0x0781);
  EXPECT_EQ(guid->data4[0], 0xBF);
  EXPECT_EQ(ToString(*guid), "{48EAA08A-0781-4C11-BFD0-253E0B6BBB4C}");
  EXPECT_EQ(ParseGuid("48EAA08A-0781-4C11-BFD0-253E0B6BBB4C"), guid);
  for (const char* bad :
       {"", "{48EAA08A-0781-4C11-BFD0-253E0B6BBB4C", "{48EAA08A+0781-4C11-BFD0-253E0B6BBB4C}",
        "{48EAA08A-0781-4C11-BFD0-253E0B6BBB4G}", "{48EAA08A-0781-4C11-BFD0-253E0B6BBB4C0}"}) {
    EXPECT_FALSE(ParseGuid(bad)) << bad;
  }
}

}  // namespace
}  // namespace tessera::frame
