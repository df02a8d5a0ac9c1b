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

TEST(IniDocument, ForeignLayoutsAreReadAndWrittenBackAsTheyWere) {
    // LF and lone CR line ends, a byte order mark, spaces around names,
    // text before the first section, lines without "=", no final line end.
    const std::string text = "\xEF\xBB\xBFstray text\n[ Pin ]\nnoequals\n Browser = 7 \rTime=2\n[Two]\nKey=v";
    IniDocument doc = IniDocument::parse(text);
    EXPECT_EQ(doc.serialize(), text);
    EXPECT_EQ(doc.readInteger("Pin", "Browser", 0), 7);
    EXPECT_EQ(doc.readString("Pin", "Browser", ""), " 7 ");
    EXPECT_EQ(doc.readInteger("Pin", "Time", 0), 2);
    EXPECT_FALSE(doc.hasKey("Pin", "noequals"));

    doc.writeInteger("Pin", "Browser", 1);  // the key keeps its spelling, the line its end
    doc.writeString("Three", "A", "b");     // separated from the last section
    EXPECT_EQ(doc.serialize(),
              "\xEF\xBB\xBFstray text\n[ Pin ]\nnoequals\n Browser =1\rTime=2\n[Two]\nKey=v\r\n"
              "\r\n[Three]\r\nA=b\r\n\r\n");
}

TEST(IniDocument, RepeatedByteOrderMarksAreNotText) {
    const std::string text = "\xEF\xBB\xBF\xEF\xBB\xBF[Options]\r\nCompact=0\r\n";
    const IniDocument doc = IniDocument::parse(text);
    EXPECT_EQ(doc.readInteger("Options", "Compact", 1), 0);
    EXPECT_EQ(doc.serialize(), text);
}

TEST(IniDocument, EachLineThatIsNotUtf8IsDecodedAloneAndWrittenBackAsItWas) {
    // "Café → Search" in UTF-8 beside a line written in Latin-1.
    const std::string text =
        "[Engines]\r\ncafe=Caf\xC3\xA9 \xE2\x86\x92 Search|https://c/?q={q}\r\n[Pin]\r\nEurl=caf\xE9\r\n";
    IniDocument doc = IniDocument::parse(text);
    EXPECT_EQ(doc.sectionLines("Engines").at(0), "cafe=Caf\xC3\xA9 \xE2\x86\x92 Search|https://c/?q={q}");
    EXPECT_EQ(doc.readString("Pin", "Eurl", ""), "caf\xC3\xA9");
    doc.writeInteger("Pin", "Browser", 2);
    EXPECT_EQ(doc.serialize(), text + "Browser=2\r\n");
    doc.writeString("Pin", "Eurl", "caf\xC3\xA9");  // the same text: the line stays as it was
    EXPECT_EQ(doc.serialize(), text + "Browser=2\r\n");
    doc.writeString("Pin", "Eurl", "th\xC3\xA9");  // a changed line is UTF-8
    EXPECT_EQ(IniDocument::parse(doc.serialize()).readString("Pin", "Eurl", ""), "th\xC3\xA9");

    const AnsiDecoder marker = [](std::string_view) { return std::string("K=decoded"); };
    EXPECT_EQ(IniDocument::parse("[S]\r\nK=\xFF\r\nL=\xC3\xA9\r\n", marker).readString("S", "K", ""), "decoded");
    EXPECT_EQ(IniDocument::parse("[S]\r\nK=\xFF\r\nL=\xC3\xA9\r\n", marker).readString("S", "L", ""), "\xC3\xA9");
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

TEST(IniDocument, ASectionsLinesAreEditedOneByOne) {
    IniDocument doc = IniDocument::parse(kOwnLayout);
    EXPECT_EQ(doc.sectionLines("foreign"), (std::vector<std::string>{"; kept comment", "Zeta=1", "Alpha=2", ""}));
    EXPECT_TRUE(doc.sectionLines("Missing").empty());
    doc.setSectionLine("Foreign", 1, "b=2\r\n[Evil]");
    doc.eraseSectionLine("Foreign", 0);
    doc.insertSectionLine("Foreign", 2, "c=3");
    doc.insertSectionLine("New", 0, "x=y");
    EXPECT_EQ(doc.serialize(),
              "[Velikost]\r\nLevo=100\r\nGor=200\r\n\r\n[Foreign]\r\nb=2  [Evil]\r\nAlpha=2\r\nc=3\r\n\r\n"
              "[Options]\r\nBackcolor=11184388\r\nCompact=1\r\n\r\n[New]\r\nx=y\r\n\r\n");
}

TEST(IniDocument, AnyBytesParseAndSerializeStably) {
    const std::string hugeValue(1 << 20, 'x');
    const IniDocument huge = IniDocument::parse("[S]\r\nK=" + hugeValue + "\r\n");
    EXPECT_EQ(huge.readString("S", "K", ""), hugeValue);

    // Any bytes come back as they were, and a written key reads back.
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
        EXPECT_EQ(doc.serialize(), bytes);
        doc.writeString("A", "k", "v");
        const std::string once = doc.serialize();
        EXPECT_EQ(IniDocument::parse(once).serialize(), once);
        EXPECT_EQ(IniDocument::parse(once).readString("A", "k", ""), "v") << once;
    }
}

}  // namespace
}  // namespace vask
