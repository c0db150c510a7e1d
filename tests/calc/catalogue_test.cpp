// The field tables as data: what the pages, the case files, the manual and the property fills rely on.
#include <set>

#include "calc/case_support.h"
#include "calc/units/udunits.h"
#include "frame/numeric_text.h"

namespace vxr::test {
namespace {

// Object names unique within a page; every input's default a number; every field explained; one option of each group
// chosen at start; every unit written as UDUNITS-2 reads it, so that a value can be converted into it. Typing into a
// case: an input's text, an option chosen (and the others of its group not), nothing else.
TEST(FieldTables, AreCompleteReadableAndTypedByObjectName) {
    const calc::units::Database* units = calc::units::Database::get();
    ASSERT_TRUE(units);
    for (const calc::Calculation& c : calc::calculations()) {
        std::set<std::string> names;
        std::map<std::string, int> chosen;
        for (const frame::Field& f : c.fields()) {
            const std::string where = std::string(c.name()) + "." + f.name;
            EXPECT_TRUE(names.insert(f.name).second) << where << " twice";
            EXPECT_FALSE(std::string(f.caption).empty() || std::string(f.about.meaning).empty()) << where;
            EXPECT_TRUE(f.kind != frame::Kind::Input || frame::parse_number(f.text)) << where;
            if (f.kind == frame::Kind::Option) chosen[f.group] += *f.text != '\0';
            EXPECT_TRUE(!*f.about.unit || units->parse(f.about.unit)) << where << ": " << f.about.unit;
        }
        for (const auto& [group, count] : chosen) EXPECT_EQ(count, 1) << c.name() << " group " << group;
    }
    const calc::Calculation& c = *calc::find_calculation("convection");
    calc::Case k = c.defaults();
    EXPECT_EQ(k.texts.size(), 11u);
    EXPECT_EQ(k.chosen, (std::vector<bool>{true, false, false, false, true, false}));
    EXPECT_TRUE(c.set(k, "Option5", "1") && c.set(k, "Option2", "1") && c.set(k, "Text66", "0.002"));
    EXPECT_EQ(k.chosen, (std::vector<bool>{false, false, true, false, false, true}));
    EXPECT_EQ(k.texts[2], "0.002");  // Text67, Text65, Text66, …
    EXPECT_FALSE(c.set(k, "Option5", "0") || c.set(k, "Text56", "1") || c.set(k, "Text68", "水") || c.set(k, "x", ""));
}

}  // namespace
}  // namespace vxr::test
