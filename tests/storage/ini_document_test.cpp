// Reading and writing INI text with the private-profile rules: what is found, what counts
// as an integer, and that a write changes nothing but its own line.
#include "storage/ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvane::storage {
namespace {

struct ReadCase {
    const char* what;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.what;
}

class IniReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReading, findsTheValueTheWayTheProfileFunctionsDo) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniDocument::Parse(c.file).readText(c.section, c.key), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReading,
    ::testing::Values(
        ReadCase{"names in another case", "[rete]\r\nind_0=192\r\n", "RETE", "IND_0", "192"},
        ReadCase{"accented names in another case", "[\xC0]\r\n\xC8=1\r\n", "\u00E0", "\u00E8", "1"},
        ReadCase{"blanks around names and value", "  [ RETE ]  \r\n  IND_0 \t=  192 \r\n", "RETE",
                 "IND_0", "192"},
        ReadCase{"quotes around the value", "[S]\r\nK=\"a b\"\r\n", "S", "K", "a b"},
        ReadCase{"a lone quote stays", "[S]\r\nK=\"a\r\n", "S", "K", "\"a"},
        ReadCase{"empty value", "[S]\r\nK=\r\n", "S", "K", ""},
        ReadCase{"semicolon starts a comment line", "[S]\r\n ;K=1\r\n", "S", "K", std::nullopt},
        ReadCase{"semicolon inside a value", "[S]\r\nK=1 ;x\r\n", "S", "K", "1 ;x"},
        ReadCase{"key before the first section", "K=1\r\n[S]\r\n", "S", "K", std::nullopt},
        ReadCase{"line without equals is no key", "[S]\r\nK\r\n", "S", "K", std::nullopt},
        ReadCase{"key of another section", "[A]\r\nK=1\r\n[B]\r\n", "B", "K", std::nullopt},
        ReadCase{"first of two keys wins", "[S]\r\nK=1\r\nk=2\r\n", "S", "K", "1"},
        ReadCase{"repeated section is searched too", "[S]\r\nA=1\r\n[T]\r\n[s]\r\nK=2\r\n", "S",
                 "K", "2"},
        ReadCase{"LF and CR line ends", "[S]\nA=1\rK=2", "S", "K", "2"},
        ReadCase{"byte-order mark before the first section", "\xEF\xBB\xBF[S]\r\nK=1", "S", "K",
                 "1"},
        ReadCase{"value ends at NUL", std::string("[S]\r\nK=ab\0cd\r\n", 14), "S", "K", "ab"},
        ReadCase{"section line without closing bracket", "[S\r\nK=1\r\n", "S", "K", "1"},
        ReadCase{"only the first equals splits", "[S]\r\nK=a=b\r\n", "S", "K", "a=b"},
        ReadCase{"Windows-1252 value becomes UTF-8", "[S]\r\nK=Capacit\xE0\r\n", "S", "K",
                 "Capacit\u00E0"}));

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> expected;
};
void PrintTo(const IntegerCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class IniIntegers : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegers, acceptOnlyWholeDecimalOrHexadecimal32BitNumbers) {
    EXPECT_EQ(ParseIniInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniIntegers,
    ::testing::Values(IntegerCase{"12", 12}, IntegerCase{"-1", -1}, IntegerCase{"+7", 7},
                      IntegerCase{"007", 7}, IntegerCase{" 42\t", 42}, IntegerCase{"0x1F", 31},
                      IntegerCase{"0X1f", 31}, IntegerCase{"0xFFFFFFFF", -1},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", INT32_MIN},
                      IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"-2147483649", std::nullopt},
                      IntegerCase{"99999999999999999999", std::nullopt},
                      IntegerCase{"0x100000000", std::nullopt}, IntegerCase{"12abc", std::nullopt},
                      IntegerCase{"1 2", std::nullopt}, IntegerCase{"", std::nullopt},
                      IntegerCase{"-", std::nullopt}, IntegerCase{"0x", std::nullopt},
                      IntegerCase{"-0x1F", std::nullopt}, IntegerCase{"0x1G", std::nullopt},
                      IntegerCase{"yes", std::nullopt}, IntegerCase{"1.5", std::nullopt}));

TEST(IniDocument, integerKeyFallsBackWhenMissingEmptyOrInvalid) {
    const auto ini = IniDocument::Parse("[S]\r\nEmpty=\r\nBad=12abc\r\nGood=0x10\r\n");
    EXPECT_EQ(ini.readInteger("S", "Missing", 7), 7);
    EXPECT_EQ(ini.readInteger("S", "Empty", 7), 7);
    EXPECT_EQ(ini.readInteger("S", "Bad", 7), 7);
    EXPECT_EQ(ini.readInteger("S", "Good", 7), 16);
}

TEST(IniDocument, replacingAKeyInAnotherCaseChangesOnlyItsLine) {
    const std::string before =
        "; written by hand\n"
        "loose text\n"
        "[Altro]\r\n"
        "X = keep me ;really\r\n"
        "\r\n"
        "[configurazione]\n"
        "  capacita_batt = 100\n"
        "NUM_PANNELLI=12\n"
        "[Fine]\r\n"
        "Y=1";
    IniDocument ini = IniDocument::Parse(before);
    ini.writeInteger("CONFIGURAZIONE", "CAPACITA_BATT", 250);
    EXPECT_EQ(ini.bytes(),
              "; written by hand\n"
              "loose text\n"
              "[Altro]\r\n"
              "X = keep me ;really\r\n"
              "\r\n"
              "[configurazione]\n"
              "capacita_batt=250\r\n"
              "NUM_PANNELLI=12\n"
              "[Fine]\r\n"
              "Y=1");
    EXPECT_EQ(ini.readInteger("Configurazione", "Capacita_Batt", 0), 250);
}

TEST(IniDocument, newKeyGoesAfterTheLastKeyOfItsSection) {
    IniDocument ini = IniDocument::Parse("[S]\r\nA=1\r\n; about T\r\n\r\n[T]\r\nB=2\r\n");
    ini.writeText("s", "C", "3");
    EXPECT_EQ(ini.bytes(), "[S]\r\nA=1\r\nC=3\r\n; about T\r\n\r\n[T]\r\nB=2\r\n");
}

TEST(IniDocument, newSectionGoesAtTheEndAfterABlankLine) {
    IniDocument ini = IniDocument::Parse("[S]\r\nA=1");
    ini.writeText("T", "B", "2");
    ini.writeText("T", "C", "3");
    EXPECT_EQ(ini.bytes(), "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\nC=3\r\n");

    IniDocument empty;
    empty.writeInteger("GENERALE", "LEFT", -5);
    EXPECT_EQ(empty.bytes(), "[GENERALE]\r\nLEFT=-5\r\n");
}

TEST(IniDocument, onlyTheFirstOfRepeatedKeysIsReplaced) {
    IniDocument ini = IniDocument::Parse("[S]\r\nK=1\r\nK=2\r\n");
    ini.writeText("S", "K", "9");
    EXPECT_EQ(ini.bytes(), "[S]\r\nK=9\r\nK=2\r\n");
}

TEST(IniDocument, writtenValuesStayOnOneLineInWindows1252) {
    IniDocument ini;
    ini.writeText("S", "K", "Capacit\u00E0\r\n[Evil]\r\nX=1");
    EXPECT_EQ(ini.bytes(), "[S]\r\nK=Capacit\xE0\r\n");
    EXPECT_EQ(ini.readText("S", "K"), "Capacit\u00E0");
}

TEST(IniDocument, unchangedDocumentGivesBackEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string file =
        std::string("\xEF\xBB\xBF[S]\r\r\n\n=\r\n[\r\nK=\"") + '\0' + all + "\r";
    EXPECT_EQ(IniDocument::Parse(file).bytes(), file);
}

}  // namespace
}  // namespace orvane::storage
