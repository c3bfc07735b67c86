// Descriptor type names and the modifier text of Method.toString(); the whole texts are
// compared with the JDK's in the conformance and fixture tests.

#include <gtest/gtest.h>

#include "platform/descriptor_text.h"
#include "platform/member_text.h"

namespace qv {
namespace {

std::string parameterText(std::string_view descriptor)
{
    const auto split = splitMethodDescriptor(descriptor);
    EXPECT_TRUE(split) << descriptor;
    std::string out;
    if (split)
        appendParameterList(out, descriptor.substr(0, split->parametersEnd));
    return out;
}

TEST(DescriptorText, TypeNamesAsReflectionPrintsThem)
{
    const struct {
        const char* descriptor;
        const char* text;
    } cases[] = {
        {"()V", "()"},
        {"(IJZBCSFD)V", "(int,long,boolean,byte,char,short,float,double)"},
        {"(Ljava/lang/String;)V", "(java.lang.String)"},
        {"(Ljava/util/Map$Entry;I)V", "(java.util.Map$Entry,int)"},
        {"([I[[Ljava/lang/Object;)V", "(int[],java.lang.Object[][])"},
        {"([Ljava/lang/Object;)Ljava/lang/Object;", "(java.lang.Object[])"},  // varargs is an array
        {"(LNoPackage;)V", "(NoPackage)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parameterText(c.descriptor), c.text) << c.descriptor;
}

TEST(DescriptorText, ReturnTypesAndClassConstants)
{
    std::string out;
    appendTypeName(out, "[[J");
    EXPECT_EQ(out, "long[][]");
    out.clear();
    appendClassName(out, "java/util/Map$Entry");
    EXPECT_EQ(out, "java.util.Map$Entry");
    out.clear();
    appendClassName(out, "[Ljava/lang/String;");  // a class constant may name an array
    EXPECT_EQ(out, "java.lang.String[]");
}

TEST(DescriptorText, RejectsMalformedMethodDescriptors)
{
    const std::string cases[] = {
        "",         "V",        "(",        "()",        "(V)V",     "()VV",      "(I",        "(I)[V",
        "(L;)V",    "(Ljava/lang/String)V", "(La.b;)V",  "(L/a;)V",  "(La//b;)V", "(Q)V",      ")V",
        "(" + std::string(256, '[') + "I)V",  // more than 255 dimensions
    };
    for (const auto& c : cases)
        EXPECT_FALSE(splitMethodDescriptor(c)) << c;
    EXPECT_TRUE(splitMethodDescriptor("(" + std::string(255, '[') + "I)V"));
}

TEST(MemberText, ModifiersInThePlatformsOrder)
{
    using namespace access;
    const struct {
        std::uint16_t flags;
        bool inInterface;
        const char* text;
    } cases[] = {
        {kPublic, false, "public "},
        {kPublic | kStatic | kFinal | kNative, false, "public static final native "},
        {kPublic | kFinal | kSynchronized, false, "public final synchronized "},
        {kPublic | kAbstract, false, "public abstract "},
        {kPublic | kStrict, false, "public strictfp "},
        // bridge, varargs and synthetic share bits with volatile and transient: never printed
        {kPublic | kBridge | kVarargs | kSynthetic, false, "public "},
        {kPublic | kAbstract, true, "public abstract "},
        {kPublic | kStatic, true, "public static "},
        {kPublic, true, "public default "},
        {kPublic | kSynchronized | kStrict, true, "public default synchronized strictfp "},
        {kPrivate, true, "private "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(methodModifiers(c.flags, c.inInterface), c.text) << c.flags << " " << c.inInterface;
}

TEST(MemberText, WholeTexts)
{
    StringPool pool;
    ClassFileInfo owner;
    owner.name = "java/util/Map$Entry";
    owner.flags = access::kPublic | access::kInterface | access::kAbstract;
    owner.thrown = {"java/io/IOException", "java/lang/InterruptedException"};
    MethodInfo m{access::kPublic, "copy", "([Ljava/lang/String;I)", "[[Ljava/lang/Object;", 0, 2};
    EXPECT_EQ(methodText(owner, m), "public default java.lang.Object[][] java.util.Map$Entry.copy(java.lang.String[],int) "
                                    "throws java.io.IOException,java.lang.InterruptedException");
    owner.flags = access::kPublic;
    MethodInfo constructor{access::kPublic | access::kVarargs, "<init>", "(Ljava/lang/Object;)", "V", 1, 1};
    EXPECT_EQ(constructorText(owner, constructor), "public java.util.Map$Entry(java.lang.Object) throws java.lang.InterruptedException");
}

}  // namespace
}  // namespace qv
