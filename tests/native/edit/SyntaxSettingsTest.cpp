#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <tuple>
#include "SyntaxSettings.h"
#include "XmlReader.h"

using namespace gvedit;

TEST(XmlReaderTest, ReadsTheSupportedFormsRejectsBrokenDocumentsKeepingTheTree)
{
    XmlElement root;
    std::string error;
    ASSERT_TRUE(ParseXml("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- c --><a x='1' y = \"&lt;&amp;&#65;&#x42;\">"
                         "t&gt;<b/><!-- <c> --><c>&#xE9;</c>\xC3\xA9</a>\n<!-- end -->",
                         root, &error))
        << error;
    ASSERT_EQ(root.attributes.size(), 2u);
    EXPECT_EQ((std::vector<std::string>{root.name, *root.Attribute("x"), *root.Attribute("y"), root.text}),
              (std::vector<std::string>{"a", "1", "<&AB", "t>\xC3\xA9"}));
    EXPECT_EQ(root.Attribute("z"), nullptr);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(std::make_pair(root.children[0].name, root.children[1].text),
              std::make_pair(std::string("b"), std::string("\xC3\xA9")));
    const char* broken[] = {
        "",
        "<a>",
        "<a>text",
        "<a>t&amp",
        "<a></b>",
        "<a><b></a></b>",
        "<a x=1/>",
        "<a x='1' x='2'/>",
        "<a x='1'y='2'/>",
        "<a x='<'/>",
        "<a>&nbsp;</a>",
        "<a>&#0;</a>",
        "<a>&#xD800;</a>",
        "<a>&#12a;</a>",
        "<a/><b/>",
        "<a/>text",
        "text<a/>",
        "<!DOCTYPE a><a/>",
        "<a><![CDATA[x]]></a>",
        "<a><?pi?></a>",
        "<a><!-- open </a>",
        "<a>\xC3</a>",
        "<a>\xED\xA0\x80</a>",
        "<?xml version='1.0'",
    };
    for (const char* text : broken) {
        XmlElement root;
        root.name = "kept";
        std::string error;
        EXPECT_FALSE(ParseXml(text, root, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_EQ(root.name, "kept") << text;
    }
    std::string deep;
    for (int i = 0; i < 100; ++i)
        deep += "<a>";
    EXPECT_FALSE(ParseXml(deep, root)) << "nesting is bounded";
}

TEST(SyntaxSettingsTest, ReadsEveryPart)
{
    SyntaxSettings settings;
    std::string error;
    ASSERT_TRUE(ReadSyntaxSettings(R"(<syntax name="t">
  <editor text="#102030" background="#FFFFFF" selectiontext="#000000" selectionbackground="#3399ff"
          tabsize="8" indentsize="2" keeptabs="true"/>
  <block open="/*" close="*/" color="#008000"/>
  <block open="'" close="'" escape="\" color="#A31515" background="#FFFF00" casesensitive="false"/>
  <words color="#0000FF">float  half
	int</words>
  <words color="#800080" casesensitive="false"></words>
</syntax>)",
                                   settings, &error))
        << error;
    EXPECT_EQ(std::make_pair(settings.text, settings.selectionBackground), std::make_pair(0x302010u, 0xFF9933u));
    EXPECT_EQ((std::vector<int>{settings.tabSize, settings.indentSize, settings.keepTabs}),
              (std::vector<int>{8, 2, 1}));
    ASSERT_EQ(settings.blocks.size(), 2u);
    EXPECT_EQ(settings.blocks[0].close, u"*/");
    EXPECT_EQ(std::make_pair(settings.blocks[0].back, settings.blocks[1].back), std::make_pair(kNoColor, 0x00FFFFu));
    EXPECT_TRUE(settings.blocks[1].escape == u'\\' && !settings.blocks[1].caseSensitive);
    ASSERT_EQ(settings.wordLists.size(), 2u);
    EXPECT_EQ(settings.wordLists[0].words, (std::vector<std::u16string>{u"float", u"half", u"int"}));
    EXPECT_TRUE(settings.wordLists[0].caseSensitive && !settings.wordLists[1].caseSensitive);
    EXPECT_TRUE(settings.wordLists[1].words.empty());
}

TEST(SyntaxSettingsTest, ABadFileChangesNothing)
{
    const char* broken[] = {
        "<syntax><words>a</syntax>",
        "<language/>",
        "<syntax><keywords/></syntax>",
        "<syntax><editor tabsize='0'/></syntax>",
        "<syntax><editor tabsize='65'/></syntax>",
        "<syntax><editor tabsize='4x'/></syntax>",
        "<syntax><editor/><editor/></syntax>",
        "<syntax><editor text='#12345'/></syntax>",
        "<syntax><editor text='#12345G'/></syntax>",
        "<syntax><editor text='123456'/></syntax>",
        "<syntax><editor keeptabs='yes'/></syntax>",
        "<syntax><editor font='x'/></syntax>",
        "<syntax><block close='*/'/></syntax>",
        "<syntax><block open='\"' escape='\\\\'/></syntax>",
        "<syntax><block open='a'>text</block></syntax>",
        "<syntax><words><w/></words></syntax>",
        "<syntax>loose text</syntax>",
    };
    for (const char* text : broken) {
        SyntaxSettings settings;
        settings.tabSize = 3;
        settings.wordLists.resize(1);
        std::string error;
        EXPECT_FALSE(ReadSyntaxSettings(text, settings, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_TRUE(settings.tabSize == 3 && settings.wordLists.size() == 1 && settings.blocks.empty()) << text;
    }
}

TEST(SyntaxSettingsTest, ShippedFilesLoad)
{
    const std::tuple<const char*, const char16_t*, bool> cases[] = {
        {"asm.xml", u"dp3_sat", false}, {"hlsl.xml", u"float4x4", true}, {"glsl.xml", u"vec3", true}};
    for (const auto& [name, expectedWord, caseSensitive] : cases) {
        std::ifstream file(std::string(GV_DATA_DIR) + "/syntax/" + name, std::ios::binary);
        ASSERT_TRUE(file) << name;
        std::stringstream bytes;
        bytes << file.rdbuf();
        SyntaxSettings settings;
        std::string error;
        ASSERT_TRUE(ReadSyntaxSettings(bytes.str(), settings, &error)) << name << ": " << error;
        EXPECT_EQ(settings.tabSize, 4);
        EXPECT_FALSE(settings.blocks.empty());
        bool found = false;
        for (const auto& list : settings.wordLists)
            for (const auto& word : list.words)
                found = found || (word == expectedWord && list.caseSensitive == caseSensitive);
        EXPECT_TRUE(found) << name;
    }
}
