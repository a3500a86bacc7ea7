#include "catalogue/MapXMLReader.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TMapXMLReader Reader(int mode, std::string_view filter = "", std::string_view exclude = "") {
    TMapXMLReader reader;
    reader.SetMode(mode);
    reader.SetFilter(filter);
    reader.SetExclude(exclude);
    return reader;
}

StringList Scan(int mode, std::string_view text, std::string_view filter = "",
                std::string_view exclude = "") {
    return Reader(mode, filter, exclude).ScanText(text);
}

// A text record in the game's layout, its English text on the line after the tag.
std::string TextRecord(std::string_view tag, std::string_view english) {
    return "\t<TEXT>\n\t\t<Tag>" + std::string(tag) + "</Tag>\n\t\t<English>" + std::string(english) +
           "</English>\n\t\t<French>\n\t\t\t<Text>Fr " + std::string(english) +
           "</Text>\n\t\t\t<Gender>Male</Gender>\n\t\t</French>\n\t</TEXT>\n";
}

} // namespace

TEST(MapXMLReader, StartsInTypeModeWithEnglish) {
    const TMapXMLReader reader;
    EXPECT_EQ(reader.Mode(), 1);
    EXPECT_EQ(reader.ModeTag(), "<Type>");
    EXPECT_EQ(reader.Language(), 1);
    EXPECT_EQ(reader.LanguageTag(), "<English>");
}

TEST(MapXMLReader, ModeAndLanguageIndicesSelectTheirTags) {
    TMapXMLReader reader;
    const char* modeTags[] = {"", "<Type>", "<Tag>", "<Path>", "<ArtStyleType>", "<CivicOptionType>"};
    const char* languageTags[] = {"", "<English>", "<French>", "<German>", "<Italian>", "<Spanish>"};
    for (int i = 5; i >= 0; --i) {
        reader.SetMode(i);
        reader.SetLanguage(i);
        EXPECT_EQ(reader.ModeTag(), modeTags[i]) << i;
        EXPECT_EQ(reader.LanguageTag(), languageTags[i]) << i;
    }
    reader.SetMode(6);
    reader.SetLanguage(-1);
    EXPECT_EQ(reader.Mode(), 0) << "an index outside the table changes nothing";
    EXPECT_EQ(reader.Language(), 0);
}

TEST(MapXMLReader, TypeModeCutsIgnoringCaseAndSortsIgnoringCase) {
    EXPECT_EQ(Scan(1, "<Type>B</Type>\n<Type>a</Type>\n<type>C</TYPE>\n"), (StringList{"a", "B", "C"}));
}

TEST(MapXMLReader, EqualTextsKeepTheirFileOrderWhenSorted) {
    EXPECT_EQ(Scan(1, "<Type>x</Type>\n<Type>X</Type>\n<Type>w</Type>\n"), (StringList{"w", "x", "X"}));
}

TEST(MapXMLReader, FilterKeepsOnlyLinesThatContainIt) {
    const std::string text =
        "<Type>CALENDAR_DEFAULT</Type>\n<Type>OTHER_X</Type>\n<Type>calendar_seasons</Type>\n";
    EXPECT_EQ(Scan(1, text, "CALENDAR_"), (StringList{"CALENDAR_DEFAULT", "calendar_seasons"}));
}

TEST(MapXMLReader, TypeWhoseValueIsOnTheNextLineYieldsNothing) {
    EXPECT_TRUE(Scan(1, "\t<Type>\n\t\tUNIT_X\n\t</Type>\n").empty());
}

TEST(MapXMLReader, DuplicatesRemain) {
    EXPECT_EQ(Scan(1, "<Type>X</Type>\n<Type>X</Type>\n"), (StringList{"X", "X"}));
}

TEST(MapXMLReader, CommentsAreNotRecognised) {
    EXPECT_EQ(Scan(1, "<!-- <Type>X</Type> -->\n"), (StringList{"<!-- X -->"}));
}

TEST(MapXMLReader, TwoElementsOnOneLineGiveOneJoinedValue) {
    EXPECT_EQ(Scan(1, "<Type>A</Type><Type>B</Type>\n"), (StringList{"AB"}));
}

TEST(MapXMLReader, ValuesAreTrimmedOfControlCharactersAndBlanks) {
    EXPECT_EQ(Scan(1, "\t\t<Type> \x01X Y\t</Type>   \r\n"), (StringList{"X Y"}));
}

TEST(MapXMLReader, PathAndArtStyleModesCutTheirOwnTags) {
    const std::string text =
        "<Type>ART_DEF_X</Type>\n<Path>Art/Flag_B.dds</Path>\n<Path>Art/Flag_A.dds</Path>\n"
        "<ArtStyleType>ARTSTYLE_EUROPEAN</ArtStyleType>\n";
    EXPECT_EQ(Scan(3, text), (StringList{"Art/Flag_A.dds", "Art/Flag_B.dds"}));
    EXPECT_EQ(Scan(4, text), (StringList{"ARTSTYLE_EUROPEAN"}));
}

TEST(MapXMLReader, TextModeTakesTheEnglishTextOfWantedKeys) {
    const std::string text = "<Civ4GameText>\n" + TextRecord("TXT_KEY_CIV_X_DESC", "X Empire") +
                             TextRecord("TXT_KEY_CIV_X_SHORT_DESC", "X") +
                             TextRecord("TXT_KEY_CIV_Y_DESC", "Y Kingdom") + "</Civ4GameText>\n";
    EXPECT_EQ(Scan(2, text, "_DESC", "_SHORT_DESC"), (StringList{"X Empire", "Y Kingdom"}));
    EXPECT_EQ(Scan(2, text, "_SHORT_DESC"), (StringList{"X"}));
}

TEST(MapXMLReader, TextModeReadsEnglishNestedOnTheFollowingTextLine) {
    const std::string text =
        "\t<TEXT>\n\t\t<Tag>TXT_KEY_LEADER_A</Tag>\n\t\t<English>\n\t\t\t<Text>Hatshepsut</Text>\n"
        "\t\t\t<Gender>Female</Gender>\n\t\t</English>\n\t\t<French>\n"
        "\t\t\t<Text>Hatchepsout</Text>\n\t\t</French>\n\t</TEXT>\n" +
        TextRecord("TXT_KEY_LEADER_B", "Asoka");
    EXPECT_EQ(Scan(2, text, "TXT_KEY_LEADER_"), (StringList{"Asoka", "Hatshepsut"}));
}

TEST(MapXMLReader, TextRecordWithoutEnglishTakesTheFirstTextOfAnotherLanguage) {
    const std::string text = "<Tag>TXT_KEY_LEADER_A</Tag>\n<French>\n<Text>Louis</Text>\n</French>\n"
                             "<German>\n<Text>Ludwig</Text>\n</German>\n";
    EXPECT_EQ(Scan(2, text, "TXT_KEY_LEADER_"), (StringList{"Louis"}));
}

TEST(MapXMLReader, TextSearchEndsAtTheNextTagLine) {
    // An empty English text and no <Text> line: the record adds nothing and leaves the next
    // record's text to it; a wanted tag on the last line adds nothing either.
    const std::string text = "<Tag>TXT_KEY_LEADER_A</Tag>\n<English></English>\n<Tag>TXT_KEY_OTHER</Tag>\n"
                             "<English>Not a leader</English>\n<Tag>TXT_KEY_LEADER_B</Tag>";
    EXPECT_TRUE(Scan(2, text, "TXT_KEY_LEADER_").empty());
}

TEST(MapXMLReader, TextModeWithAnotherLanguageReadsThatLanguage) {
    TMapXMLReader reader = Reader(2, "TXT_KEY_");
    reader.SetLanguage(2);
    const std::string text = "<Tag>TXT_KEY_A</Tag>\n<English>Land</English>\n<French>Terre</French>\n";
    EXPECT_EQ(reader.ScanText(text), (StringList{"Terre"}));
}

TEST(MapXMLReader, CivicModeCollectsTheCivicsOfOneOption) {
    const std::string text = "<CivicInfo>\n<CivicOptionType>CIVICOPTION_LEGAL</CivicOptionType>\n"
                             "<Type>CIVIC_BARBARISM</Type>\n<Description>x</Description>\n</CivicInfo>\n"
                             "<CivicInfo>\n<CivicOptionType>CIVICOPTION_LABOR</CivicOptionType>\n"
                             "<Type>CIVIC_TRIBALISM</Type>\n</CivicInfo>\n"
                             "<CivicInfo>\n<CivicOptionType>CIVICOPTION_LEGAL</CivicOptionType>\n"
                             "<Type>CIVIC_VASSALAGE</Type>\n</CivicInfo>\n";
    EXPECT_EQ(Scan(5, text, "CIVICOPTION_LEGAL"), (StringList{"CIVIC_BARBARISM", "CIVIC_VASSALAGE"}));
    EXPECT_EQ(Scan(5, text, "CIVICOPTION_LABOR"), (StringList{"CIVIC_TRIBALISM"}));
}

TEST(MapXMLReader, CivicWhoseTypeComesBeforeItsOptionIsMissed) {
    const std::string text = "<CivicInfo>\n<Type>CIVIC_EARLY</Type>\n"
                             "<CivicOptionType>CIVICOPTION_LEGAL</CivicOptionType>\n</CivicInfo>\n"
                             "<CivicInfo>\n<CivicOptionType>CIVICOPTION_LABOR</CivicOptionType>\n"
                             "<Type>CIVIC_SLAVERY</Type>\n</CivicInfo>\n";
    EXPECT_TRUE(Scan(5, text, "CIVICOPTION_LEGAL").empty());
}

TEST(MapXMLReader, AnyLineEndIsALineEndAndNulEndsTheText) {
    EXPECT_EQ(Scan(1, "<Type>A</Type>\r<Type>B</Type>\r\n<Type>C</Type>\n<Type>D</Type>"),
              (StringList{"A", "B", "C", "D"}));
    EXPECT_EQ(Scan(1, std::string("<Type>A</Type>\n\0<Type>B</Type>\n", 31)), (StringList{"A"}));
}

TEST(MapXMLReader, SixteenBitFileYieldsNothing) {
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("<Type>A</Type>\n")) {
        utf16.push_back(c);
        utf16.push_back('\0');
    }
    EXPECT_TRUE(Scan(1, utf16).empty());
}

TEST(MapXMLReader, CharacterReferencesAreDecodedIntoWindows1252) {
    const std::string text =
        "<Type>Los &#193;ngeles</Type>\n<Type>&#x20AC;5 &amp; &lt;b&gt; &quot;q&quot; &apos;s&apos;</Type>\n";
    const std::string euro = "\x80"
                             "5 & <b> \"q\" 's'";
    const std::string angeles = "Los \xC1ngeles";
    EXPECT_EQ(Scan(1, text), (StringList{angeles, euro})) << "sorted after decoding";
}

TEST(MapXMLReader, ReferencesTheCodePageCannotHoldStayAsWritten) {
    EXPECT_EQ(Scan(1, "<Type>&#321;&#x3A9;&#10;&#0;&#129;&#99999999;&bogus;&#;&#x;&amp</Type>\n"),
              (StringList{"&#321;&#x3A9;&#10;&#0;&#129;&#99999999;&bogus;&#;&#x;&amp"}));
}

TEST(MapXMLReader, AnEscapedAmpersandIsDecodedOnlyOnce) {
    EXPECT_EQ(Scan(1, "<Type>&amp;#193;</Type>\n"), (StringList{"&#193;"}));
}

TEST(MapXMLReader, TextsOfAUtf8FileBecomeWindows1252) {
    const std::string text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                             "<Tag>TXT_KEY_CITY_NAME_A</Tag>\n<English>\xC3\x81vila \xE2\x82\xAC</English>\n"
                             "<Tag>TXT_KEY_CITY_NAME_B</Tag>\n<English>\xC5\x81\xC3\xB3"
                             "d\xC5\xBA &#233;</English>\n";
    const std::string avila = "\xC1vila \x80";
    const std::string lodz = "&#321;\xF3"
                             "d&#378; \xE9";
    EXPECT_EQ(Scan(2, text, "TXT_KEY_CITY_NAME_"), (StringList{lodz, avila}));
}

TEST(MapXMLReader, FilesWithoutTheUtf8DeclarationPassTheirBytesThrough) {
    const std::string latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Type>Espa\xF1"
                               "a \xC3\x81</Type>\n";
    EXPECT_EQ(Scan(1, latin1), (StringList{"Espa\xF1"
                                           "a \xC3\x81"}));
    const std::string undeclared = "<Type>\xC3\x81vila</Type>\n";
    EXPECT_EQ(Scan(1, undeclared), (StringList{"\xC3\x81vila"}));
}

TEST(MapXMLReader, AFileDeclaredUtf8ButNotUtf8PassesItsBytesThrough) {
    const std::string text = "<?xml version='1.0' encoding = 'UTF-8'?>\n<Type>Espa\xF1"
                             "a \xC3\x81</Type>\n";
    EXPECT_EQ(Scan(1, text), (StringList{"Espa\xF1"
                                         "a \xC3\x81"}));
}

TEST(MapXMLReader, AHugeLineGivesItsWholeValue) {
    const std::string value(8 << 20, 'A');
    const StringList found = Scan(1, "<Type>" + value + "</Type>");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].size(), value.size());
}

TEST(MapXMLReader, LinesOfNothingButTagsGiveNothing) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "<Type></Type><TYPE>";
    EXPECT_TRUE(Scan(1, text).empty());
}

TEST(MapXMLReader, RandomBytesNeverBreakTheScanner) {
    std::mt19937 random(20240607);
    const std::string pieces[] = {
        "<Type>",       "</Type>",  "<Tag>", "<English>", "<Text>", "</Text>", "<CivicOptionType>",
        "&#",           "&amp;",    ";",     "\n",        "\r",     "\xC3",    "\x81",
        "\xEF\xBB\xBF", "TXT_KEY_", "x"};
    for (int round = 0; round < 200; ++round) {
        std::string text = round % 2 ? "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" : "";
        const int count = static_cast<int>(random() % 400);
        for (int i = 0; i < count; ++i) {
            if (random() % 3 == 0)
                text.push_back(static_cast<char>(random() % 256));
            else
                text += pieces[random() % std::size(pieces)];
        }
        for (int mode = 0; mode <= 5; ++mode) {
            const StringList found = Scan(mode, text, round % 3 ? "TXT_KEY_" : "");
            for (const std::string& value : found)
                EXPECT_FALSE(value.empty()) << "round " << round << " mode " << mode;
        }
    }
}

TEST(MapXMLReaderFile, MissingFileRaisesOnEveryCallUntilItExists) {
    const TTempFolder folder;
    TMapXMLReader reader;
    const std::string path = folder / "CIV4EraInfos.xml";
    reader.SetFileName(path);
    for (int call = 0; call < 2; ++call) {
        try {
            reader.GetValues();
            FAIL() << "a missing file must raise";
        } catch (const OperationAborted& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
    }
    folder.Write("CIV4EraInfos.xml", "<Type>ERA_ANCIENT</Type>\n");
    EXPECT_EQ(reader.GetValues(), (StringList{"ERA_ANCIENT"}));
}

TEST(MapXMLReaderFile, AFolderInPlaceOfTheFileRaises) {
    const TTempFolder folder;
    TMapXMLReader reader;
    reader.SetFileName(folder.MakeFolder("CIV4EraInfos.xml"));
    EXPECT_THROW(reader.GetValues(), OperationAborted);
}

TEST(MapXMLReaderFile, EmptyFileNameGivesAnEmptyList) {
    TMapXMLReader reader;
    EXPECT_TRUE(reader.GetValues().empty());
}

TEST(MapXMLReaderFile, FoundValuesAreKeptWithoutReadingTheFileAgain) {
    const TTempFolder folder;
    const std::string path = folder.Write("Eras.xml", "<Type>ERA_B</Type>\n<Type>ERA_A</Type>\n");
    TMapXMLReader reader;
    reader.SetFileName(path);
    EXPECT_EQ(reader.GetValues(), (StringList{"ERA_A", "ERA_B"}));
    std::filesystem::remove(path);
    EXPECT_EQ(reader.GetValues(), (StringList{"ERA_A", "ERA_B"}));
}

TEST(MapXMLReaderFile, AFileWithoutValuesIsReadAgainOnTheNextCall) {
    const TTempFolder folder;
    const std::string path = folder.Write("Eras.xml", "<Era>nothing</Era>\n");
    TMapXMLReader reader;
    reader.SetFileName(path);
    EXPECT_TRUE(reader.GetValues().empty());
    folder.Write("Eras.xml", "<Type>ERA_A</Type>\n");
    EXPECT_EQ(reader.GetValues(), (StringList{"ERA_A"}));
}

TEST(MapXMLReaderFile, WindowsPathFindsTheFileWhateverTheCaseOfItsNames) {
    const TTempFolder folder;
    folder.Write("assets/xml/GAMEINFO/civ4erainfos.XML", "<Type>ERA_ANCIENT</Type>\n");
    TMapXMLReader reader;
    reader.SetFileName(folder.Path() + "\\Assets\\XML\\GameInfo\\CIV4EraInfos.xml");
    EXPECT_EQ(reader.GetValues(), (StringList{"ERA_ANCIENT"}));
}
