#include "signatures/SortVector.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "signatures/StringCompare.h"

namespace qv {
namespace {

// Records every comparison the sort asks for, then answers as StringCompare does.
class RecordingCompare : public Compare {
public:
    explicit RecordingCompare(std::vector<std::string>& log) : log_(log) {}
    bool lessThan(const std::string& a, const std::string& b) const override
    {
        log_.push_back(std::string(memberSortKey(a)) + "<" + std::string(memberSortKey(b)));
        return inner_.lessThan(a, b);
    }
    bool lessThanOE(const std::string& a, const std::string& b) const override
    {
        log_.push_back(std::string(memberSortKey(a)) + "<=" + std::string(memberSortKey(b)));
        return inner_.lessThanOE(a, b);
    }

private:
    std::vector<std::string>& log_;
    StringCompare inner_;
};

std::vector<std::string> contents(const SortVector& v)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < v.size(); ++i)
        out.push_back(v.elementAt(i));
    return out;
}

std::vector<std::string> sorted(const std::vector<std::string>& texts, std::vector<std::string>* log = nullptr)
{
    std::vector<std::string> ignored;
    SortVector v(std::make_unique<RecordingCompare>(log ? *log : ignored));
    for (const std::string& t : texts)
        v.add(t);
    v.sort();
    return contents(v);
}

TEST(SortVector, SortsTheStringExample)
{
    const std::vector<std::string> before = {
        "public java.lang.String()",
        "public java.lang.String(char[])",
        "public int java.lang.String.length()",
        "public char java.lang.String.charAt(int)",
        "public boolean java.lang.String.equals(java.lang.Object)",
        "public final native java.lang.Class java.lang.Object.getClass()",
        "public int java.lang.String.compareTo(java.lang.String)",
        "public int java.lang.String.compareTo(java.lang.Object)",
    };
    const std::vector<std::string> after = {
        "public java.lang.String(char[])",
        "public java.lang.String()",
        "public char java.lang.String.charAt(int)",
        "public int java.lang.String.compareTo(java.lang.String)",
        "public int java.lang.String.compareTo(java.lang.Object)",
        "public boolean java.lang.String.equals(java.lang.Object)",
        "public final native java.lang.Class java.lang.Object.getClass()",
        "public int java.lang.String.length()",
    };
    EXPECT_EQ(sorted(before), after);
}

TEST(SortVector, PutsEqualKeysInTheQuicksortsOrder)
{
    // Constructors of one class: equal keys, told apart by their parameters.
    const auto text = [](char name) { return std::string("public p.C(") + name + ")"; };
    const std::pair<std::string, std::string> cases[] = {
        {"AB", "BA"},
        {"ABC", "BCA"},
        {"ABCD", "CDBA"},
        {"ABCDE", "CDEBA"},
    };
    for (const auto& [before, after] : cases) {
        std::vector<std::string> texts;
        std::vector<std::string> expected;
        for (const char c : before)
            texts.push_back(text(c));
        for (const char c : after)
            expected.push_back(text(c));
        EXPECT_EQ(sorted(texts), expected) << before;
    }
}

TEST(SortVector, EmptyAndSingleVectorsMakeNoComparison)
{
    std::vector<std::string> log;
    EXPECT_TRUE(sorted({}, &log).empty());
    EXPECT_EQ(sorted({"public void a.B.c()"}, &log), std::vector<std::string>{"public void a.B.c()"});
    EXPECT_TRUE(log.empty());
}

TEST(SortVector, TwoElementsStayOrAreExchanged)
{
    EXPECT_EQ(sorted({"a()", "b()"}), (std::vector<std::string>{"a()", "b()"}));
    EXPECT_EQ(sorted({"b()", "a()"}), (std::vector<std::string>{"a()", "b()"}));
    // A prefix comes first; upper case before "_" before lower case.
    EXPECT_EQ(sorted({"x.getClass()", "x.get()"}), (std::vector<std::string>{"x.get()", "x.getClass()"}));
    EXPECT_EQ(sorted({"x.alpha()", "x.Zeta()"}), (std::vector<std::string>{"x.Zeta()", "x.alpha()"}));
    EXPECT_EQ(sorted({"public char java.lang.String.charAt(int)", "public java.lang.String()"}),
              (std::vector<std::string>{"public java.lang.String()", "public char java.lang.String.charAt(int)"}));
}

// The exact steps: the scan from the right may read below the range it sorts (it is bounded
// by 0), here position 1 while sorting positions 2 to 3.
TEST(SortVector, ComparesStepByStep)
{
    std::vector<std::string> log;
    EXPECT_EQ(sorted({"a()", "c()", "d()", "b()"}, &log), (std::vector<std::string>{"a()", "b()", "c()", "d()"}));
    const std::vector<std::string> expected = {
        "a<b", "c<b", "d<=b", "c<=b", "a<=b",  // range 0..3, pivot b
        "d<c", "d<=c", "b<=c",                 // range 2..3, pivot c
    };
    EXPECT_EQ(log, expected);
}

TEST(SortVector, DistinctKeysComeOutAscendingFromEveryOrder)
{
    std::vector<std::string> texts = {"p.B()", "p._x()", "p.a()", "p.a1()", "p.aa()"};
    const std::vector<std::string> ascending = texts;
    std::sort(texts.begin(), texts.end());
    do {
        EXPECT_EQ(sorted(texts), ascending);
    } while (std::next_permutation(texts.begin(), texts.end()));
}

TEST(SortVector, RandomInputsComeOutNonDecreasing)
{
    std::mt19937 random(11);
    const std::vector<std::string> names = {"get", "getClass", "Get", "_get", "a", "b", "String", "Map$Entry", "x1"};
    const StringCompare compare;
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> texts(random() % 60);
        for (std::string& t : texts)
            t = "public int p.Q." + names[random() % names.size()] + "(" + std::to_string(random() % 5) + ")";
        const std::vector<std::string> out = sorted(texts);
        for (std::size_t i = 1; i < out.size(); ++i)
            ASSERT_TRUE(compare.lessThanOE(out[i - 1], out[i])) << out[i - 1] << " before " << out[i];
        std::vector<std::string> a = texts;
        std::vector<std::string> b = out;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        ASSERT_EQ(a, b);  // nothing lost, nothing doubled
    }
}

TEST(SortVector, ElementAccessOutsideTheVectorThrows)
{
    SortVector v(std::make_unique<StringCompare>());
    v.add("a()");
    v.setElementAt("b()", 0);
    EXPECT_EQ(v.elementAt(0), "b()");
    EXPECT_THROW(v.elementAt(1), std::out_of_range);
    EXPECT_THROW(v.setElementAt("c()", 1), std::out_of_range);
}

// A long run of texts already in key order makes every partition peel off one element.
// The sort must get through it on a small stack (here 64 KiB: a recursion one level a
// element would need far more).
TEST(SortVector, SortedRunsDoNotDeepenTheStack)
{
    struct Job {
        std::vector<std::string> texts;
        std::vector<std::string> out;
    } job;
    for (int i = 0; i < 4000; ++i)
        job.texts.push_back("public void p.Q.m" + std::to_string(100000 + i) + "()");
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 64 * 1024), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(
                  &thread, &attributes,
                  [](void* arg) -> void* {
                      auto* j = static_cast<Job*>(arg);
                      SortVector v(std::make_unique<StringCompare>());
                      for (const std::string& t : j->texts)
                          v.add(t);
                      v.sort();
                      j->out = contents(v);
                      return nullptr;
                  },
                  &job),
              0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    EXPECT_EQ(job.out, job.texts);
}

}  // namespace
}  // namespace qv
