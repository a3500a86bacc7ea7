#include "catalogue/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, LatinCharactersAndTheTwentySevenExtrasHaveBytes) {
    EXPECT_EQ(UnicodeToWindows1252(U'A'), 'A');
    EXPECT_EQ(UnicodeToWindows1252(0xC1), 0xC1);
    EXPECT_EQ(UnicodeToWindows1252(0x20AC), 0x80);
    EXPECT_EQ(UnicodeToWindows1252(0x0178), 0x9F);
    EXPECT_EQ(UnicodeToWindows1252(0x2122), 0x99);
    int extras = 0;
    for (char32_t ch = 0x100; ch < 0x10000; ++ch)
        if (UnicodeToWindows1252(ch) >= 0)
            ++extras;
    EXPECT_EQ(extras, 27);
}

TEST(CodePage, ControlCharactersHaveNoByte) {
    for (char32_t ch : {0x00u, 0x0Au, 0x0Du, 0x1Fu, 0x7Fu, 0x80u, 0x81u, 0x9Fu})
        EXPECT_EQ(UnicodeToWindows1252(ch), -1) << static_cast<unsigned>(ch);
    EXPECT_EQ(UnicodeToWindows1252(0x0141), -1);
}

TEST(CodePage, EveryByteTravelsToUtf8AndBackUnchanged) {
    for (int byte = 0x20; byte < 0x100; ++byte) {
        if (byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
            continue;
        const char32_t ch = Windows1252ToUnicode(static_cast<unsigned char>(byte));
        EXPECT_EQ(UnicodeToWindows1252(ch), byte) << byte;
    }
    EXPECT_EQ(Windows1252ToUtf8("Espa\xF1"
                                "a \x80"),
              "Espa\xC3\xB1"
              "a \xE2\x82\xAC");
}

TEST(CodePage, Utf8ValidationRejectsBrokenSequences) {
    EXPECT_TRUE(IsValidUtf8("plain \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC3"));             // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(IsValidUtf8("Espa\xF1"
                             "a")); // Latin-1
}

TEST(CodePage, Utf8DeclarationIsFoundInTheFirstLine) {
    EXPECT_TRUE(DeclaresUtf8("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_TRUE(DeclaresUtf8("\xEF\xBB\xBF<?xml version='1.0' encoding = 'utf-8' ?>"));
    EXPECT_FALSE(DeclaresUtf8("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"));
    EXPECT_FALSE(DeclaresUtf8("<?xml version=\"1.0\"?>"));
    EXPECT_FALSE(DeclaresUtf8("<Type encoding=\"UTF-8\">"));
    EXPECT_FALSE(DeclaresUtf8("<?xml version=\"1.0\"?><a encoding=\"UTF-8\"/>"));
}
