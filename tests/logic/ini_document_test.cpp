#include "common/ini_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vask {
namespace {

const std::string kOwnLayout =
    "[Velikost]\r\nLevo=100\r\nGor=200\r\n\r\n"
    "[Foreign]\r\n; kept comment\r\nZeta=1\r\nAlpha=2\r\n\r\n"
    "[Options]\r\nBackcolor=11184388\r\nCompact=1\r\n\r\n";

TEST(IniDocument, OwnLayoutComesBackByteForByteAndWritesChangeOnlyTheirLine) {
    IniDocument doc = IniDocument::parse(kOwnLayout);
    EXPECT_EQ(doc.serialize(), kOwnLayout);

    doc.writeInteger("velikost", "GOR", -6);   // names compare without case
    doc.writeString("Options", "stbar", "0");  // new key: end of its section
    doc.writeString("Pin", "Browser", "3");    // new section: end of the file
    EXPECT_EQ(doc.serialize(),
              "[Velikost]\r\nLevo=100\r\nGor=-6\r\n\r\n"
              "[Foreign]\r\n; kept comment\r\nZeta=1\r\nAlpha=2\r\n\r\n"
              "[Options]\r\nBackcolor=11184388\r\nCompact=1\r\nstbar=0\r\n\r\n"
              "[Pin]\r\nBrowser=3\r\n\r\n");
    EXPECT_EQ(doc.readInteger("Foreign", "alpha", 0), 2);
    EXPECT_TRUE(doc.hasSection("FOREIGN"));
    EXPECT_TRUE(doc.hasKey("options", "STBAR"));
    EXPECT_FALSE(doc.hasKey("Options", "Enahist"));
    EXPECT_FALSE(doc.hasKey("Missing", "Levo"));
}

TEST(IniDocument, NewDocumentHasOurLayout) {
    IniDocument doc;
    doc.writeInteger("Pin", "Browser", 0);
    doc.writeString("Pin", "Eurl", "x=y");
    EXPECT_EQ(doc.serialize(), "[Pin]\r\nBrowser=0\r\nEurl=x=y\r\n\r\n");
    EXPECT_EQ(doc.readString("Pin", "Eurl", "-"), "x=y");
}

TEST(IniDocument, ForeignLayoutsAreReadAndKeptApartFromLineEnds) {
    // LF and lone CR line ends, a byte order mark, spaces around names,
    // text before the first section, lines without "=", no final line end.
    const std::string text = "\xEF\xBB\xBFstray text\n[ Pin ]\nnoequals\n Browser = 7 \rTime=2\n[Two]\nKey=v";
    IniDocument doc = IniDocument::parse(text);
    EXPECT_EQ(doc.readInteger("Pin", "Browser", 0), 7);
    EXPECT_EQ(doc.readString("Pin", "Browser", ""), " 7 ");
    EXPECT_EQ(doc.readInteger("Pin", "Time", 0), 2);
    EXPECT_FALSE(doc.hasKey("Pin", "noequals"));

    doc.writeInteger("Pin", "Browser", 1);  // the key keeps its spelling
    doc.writeString("Three", "A", "b");     // separated from the last section
    EXPECT_EQ(doc.serialize(),
              "stray text\r\n[ Pin ]\r\nnoequals\r\n Browser =1\r\nTime=2\r\n[Two]\r\nKey=v\r\n"
              "\r\n[Three]\r\nA=b\r\n\r\n");
}

TEST(IniDocument, RepeatedByteOrderMarksAreNotText) {
    const IniDocument doc = IniDocument::parse("\xEF\xBB\xBF\xEF\xBB\xBF[Options]\r\nCompact=0\r\n");
    EXPECT_EQ(doc.readInteger("Options", "Compact", 1), 0);
    EXPECT_EQ(doc.serialize(), "[Options]\r\nCompact=0\r\n");
}

TEST(IniDocument, TextThatIsNotUtf8IsDecoded) {
    EXPECT_EQ(IniDocument::parse("[Pin]\r\nEurl=caf\xE9\r\n").readString("Pin", "Eurl", ""), "caf\xC3\xA9");
    const AnsiDecoder marker = [](std::string_view) { return std::string("[S]\r\nK=decoded\r\n"); };
    EXPECT_EQ(IniDocument::parse("[S]\r\nK=\xFF\r\n", marker).readString("S", "K", ""), "decoded");
}

TEST(IniDocument, OnlyWholeDecimalIntegersAreRead) {
    IniDocument doc;
    for (const char* bad :
         {"", " ", "12abc", "abc", "-", "+5", "0x10", "1.5", "2147483648", "-2147483649", "99999999999999999999"}) {
        doc.writeString("S", "K", bad);
        EXPECT_EQ(doc.readInteger("S", "K", 42), 42) << '"' << bad << '"';
    }
    const std::pair<const char*, int> good[] = {
        {"0", 0}, {"-5", -5}, {" 12\t", 12}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}};
    for (const auto& [text, value] : good) {
        doc.writeString("S", "K", text);
        EXPECT_EQ(doc.readInteger("S", "K", 42), value) << text;
    }
    EXPECT_EQ(doc.readInteger("S", "Missing", 42), 42);
}

TEST(IniDocument, FirstOfDuplicateSectionsAndKeysWins) {
    IniDocument doc = IniDocument::parse("[A]\r\nK=1\r\nK=2\r\n[a]\r\nK=3\r\nL=4\r\n");
    EXPECT_EQ(doc.readInteger("A", "K", 0), 1);
    EXPECT_FALSE(doc.hasKey("A", "L"));
    doc.writeInteger("A", "K", 9);
    EXPECT_EQ(doc.serialize(), "[A]\r\nK=9\r\nK=2\r\n[a]\r\nK=3\r\nL=4\r\n");
}

TEST(IniDocument, LineBreaksInAValueCannotAddLines) {
    IniDocument doc;
    doc.writeString("Pin", "Eurl", "a\r\n[Evil]\nKey=1");
    const IniDocument reread = IniDocument::parse(doc.serialize());
    EXPECT_FALSE(reread.hasSection("Evil"));
    EXPECT_EQ(reread.readString("Pin", "Eurl", ""), "a  [Evil] Key=1");
}

TEST(IniDocument, ASectionsLinesAreReadAndReplacedWhole) {
    IniDocument doc = IniDocument::parse(kOwnLayout);
    EXPECT_EQ(doc.sectionLines("foreign"), (std::vector<std::string>{"; kept comment", "Zeta=1", "Alpha=2", ""}));
    EXPECT_TRUE(doc.sectionLines("Missing").empty());
    doc.replaceSectionLines("Foreign", {"a=1", "b=2\r\n[Evil]"});
    doc.replaceSectionLines("New", {"x=y"});
    EXPECT_EQ(doc.serialize(),
              "[Velikost]\r\nLevo=100\r\nGor=200\r\n\r\n[Foreign]\r\na=1\r\nb=2  [Evil]\r\n"
              "[Options]\r\nBackcolor=11184388\r\nCompact=1\r\n\r\n[New]\r\nx=y\r\n");
}

TEST(IniDocument, AnyBytesParseAndSerializeStably) {
    const std::string hugeValue(1 << 20, 'x');
    const IniDocument huge = IniDocument::parse("[S]\r\nK=" + hugeValue + "\r\n");
    EXPECT_EQ(huge.readString("S", "K", ""), hugeValue);

    // After one pass every document is in normal form: a second pass keeps it.
    const char alphabet[] = "[]=; \t\r\nAk1\xFF\xC3\x00";
    std::uint32_t seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const int length = static_cast<int>(seed % 120);
        for (int i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            bytes += alphabet[(seed >> 16) % (sizeof alphabet - 1)];
        }
        IniDocument doc = IniDocument::parse(bytes);
        doc.writeString("A", "k", "v");
        const std::string once = doc.serialize();
        EXPECT_EQ(IniDocument::parse(once).serialize(), once);
        EXPECT_EQ(IniDocument::parse(once).readString("A", "k", ""), "v") << once;
    }
}

}  // namespace
}  // namespace vask
