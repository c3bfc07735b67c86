#include "docs/PathsData.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace qv {
namespace {

TEST(PathsData, HoldsAllPagesOnceInTheirPlaces)
{
    const PathsData table;
    std::set<std::string> seen;
    for (int i = 0; i < 1523; ++i)
        seen.insert(table.getString(i));
    EXPECT_EQ(seen.size(), 1523u);

    const std::pair<int, const char*> fixed[] = {
        {0, "javax/swing/border/AbstractBorder.html"},
        {11, "javax/swing/AbstractListModel.html"},
        {94, "java/lang/reflect/Array.html"},
        {95, "java/sql/Array.html"},
        {418, "java/sql/Date.html"},
        {419, "java/util/Date.html"},
        {610, "java/awt/Graphics.html"},
        {843, "java/awt/List.html"},
        {844, "java/util/List.html"},
        {867, "java/util/Map.html"},
        {868, "java/util/Map.Entry.html"},
        {1038, "java/lang/Object.html"},
        {1039, "org/omg/CORBA/Object.html"},
        {1107, "java/awt/geom/Point2D.html"},
        {1316, "java/lang/String.html"},
        {1387, "java/awt/font/TextLine.TextLineMetrics.html"},
        {1518, "java/util/zip/ZipOutputStream.html"},
        {1522, "org/omg/CosNaming/_NamingContextStub.html"},
    };
    for (const auto& [index, path] : fixed)
        EXPECT_EQ(table.getString(index), path) << "index " << index;
}

TEST(PathsData, OutOfRangeThrows)
{
    const PathsData table;
    EXPECT_THROW(table.getString(1523), std::out_of_range);
    EXPECT_THROW(table.getString(-1), std::out_of_range);
}

TEST(PathsData, FirstMatchOrder)
{
    const PathsData table;
    auto firstContaining = [&](const std::string& key) {
        for (int i = 0; i < 1523; ++i)
            if (table.getString(i).find(key) != std::string::npos)
                return table.getString(i);
        return std::string();
    };
    EXPECT_EQ(firstContaining("/List."), "java/awt/List.html");
    EXPECT_EQ(firstContaining("/Map."), "java/util/Map.html");
}

}  // namespace
}  // namespace qv
