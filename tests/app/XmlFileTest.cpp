#include "app/XmlFile.h"
#include "app/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::TempDir;

TEST(XmlFile, MissingFileIsNotAnError) {
    TempDir dir;
    pugi::xml_document doc;
    EXPECT_FALSE(loadXmlFile(doc, dir.file("none.xml")));
    EXPECT_FALSE(doc.first_child());
}

TEST(XmlFile, MalformedFileIsReportedWithItsName) {
    TempDir dir;
    const QString path = dir.write("bad.xml", "<a><b></a>");
    pugi::xml_document doc;
    try {
        loadXmlFile(doc, path);
        FAIL();
    } catch (const FileError& error) {
        EXPECT_TRUE(error.message().contains("bad.xml")) << error.what();
    }
}

TEST(XmlFile, FirstNodeIsWhateverComesFirst) {
    TempDir dir;
    pugi::xml_document doc;
    loadXmlFile(doc, dir.write("c.xml", "<!-- note --><root><v>1</v></root>"));
    EXPECT_EQ(doc.first_child().type(), pugi::node_comment);
    loadXmlFile(doc, dir.write("d.xml", "<?xml version=\"1.0\"?><root/>"));
    EXPECT_EQ(doc.first_child().type(), pugi::node_declaration);
}

TEST(XmlFile, WritesNoDeclarationAndKeepsTextsExactly) {
    TempDir dir;
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("Root");
    root.append_child("Tab").text().set("DR0 - SF12\tBW125");
    root.append_child("Blank").text().set(" ");
    root.append_child("Empty");
    doc.append_child(pugi::node_comment).set_value("SW_VERSION = 1.002");
    const QString path = dir.file("out.xml");
    saveXmlFile(doc, path);
    EXPECT_TRUE(TempDir::read(path).startsWith("<Root>"));

    pugi::xml_document back;
    ASSERT_TRUE(loadXmlFile(back, path));
    const pugi::xml_node r = back.first_child();
    EXPECT_EQ(childText(r, "Tab").text, "DR0 - SF12\tBW125");
    EXPECT_EQ(childText(r, "Blank").text, " ");
    EXPECT_TRUE(childText(r, "Empty").found);
    EXPECT_EQ(childText(r, "Empty").text, "");
    EXPECT_FALSE(childText(r, "Missing").found);
    EXPECT_EQ(xmlBytes(back), TempDir::read(path));
}
