#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "io/ScanfScanner.h"

namespace {

std::string rest(ScanfScanner& scanner) {
    std::string text;
    for (int c = scanner.get(); c != CharSource::kEnd; c = scanner.get()) {
        text.push_back(static_cast<char>(c));
    }
    return text;
}

// The C library is the reference: the scanner must convert what sscanf converts, to the same
// value, and leave the same text behind.
const char* const kNumberTexts[] = {
    "12",     "-3.5",     "+.5",         "5.",         ".",     "-",     "1e5", "1e",     "1e+",
    "1E-2",   "0x1p3",    "0x",          "0xg",        "00012", "1.5.5", "--1", " \n\t7", "1,5",
    "3e x",   "1e+x",     "0x1.8",       "0x.8p1",     ".e1",   "-.e",   "1ee", "0x1p",   "1.e3",
    "0X1P-2", "+",        "5x",          "0.5e-",      "-0",    "12;",   "",    "   ",    "x1",
    "0.1",    "16777217", "-2147483648", "2147483647", "1e-50", "7\n8",
};

// Reads every text with `read` and with sscanf's `format`, and compares.
template <class T>
void expectAsSscanf(const char* format, bool (ScanfScanner::*read)(T&)) {
    for (const char* text : kNumberTexts) {
        SCOPED_TRACE(text);
        T expected{};
        int used = 0;
        const bool converted = std::sscanf(text, format, &expected, &used) == 1;

        StringSource source(text);
        ScanfScanner scanner(source);
        T value{};
        ASSERT_EQ((scanner.*read)(value), converted);
        if (!converted) continue;
        EXPECT_EQ(value, expected);
        EXPECT_EQ(rest(scanner), std::string(text + used));
    }
}

TEST(VectorFileScanner, NumbersAsSscanfReadsThem) {
    expectAsSscanf<float>("%f%n", &ScanfScanner::readFloat);
    expectAsSscanf<int>("%d%n", &ScanfScanner::readInt);
}

// sscanf would give inf or nan, or wrap the integer; the reader refuses them instead.
TEST(VectorFileScanner, RefusesWhatTheSceneCannotHold) {
    for (const char* text : {"inf", "-infinity", "nan", "NAN(1)"}) {
        StringSource source(text);
        ScanfScanner scanner(source);
        float value = 0.0f;
        EXPECT_FALSE(scanner.readFloat(value)) << text;
    }
    for (const char* text : {"2147483648", "-2147483649", "99999999999",
                             "1"
                             "00000000000000000000"}) {
        StringSource source(text);
        ScanfScanner scanner(source);
        int value = 0;
        EXPECT_FALSE(scanner.readInt(value)) << text;
        EXPECT_EQ(rest(scanner), "") << "the digits are consumed as fscanf consumes them";
    }
}

TEST(VectorFileScanner, WordsAreCutAtWhiteSpaceAndLongOnesAreNeverText) {
    const std::string thirtyNine(39, 'W');
    const std::string text = "  alpha\tb;c\n" + thirtyNine + " " + thirtyNine + "X tail";
    StringSource source(text);
    ScanfScanner scanner(source);
    std::string word;
    EXPECT_EQ(scanner.readWord(word), ScanfScanner::Word::Read);
    EXPECT_EQ(word, "alpha");
    EXPECT_EQ(scanner.readWord(word), ScanfScanner::Word::Read);
    EXPECT_EQ(word, "b;c");
    EXPECT_EQ(scanner.readWord(word), ScanfScanner::Word::Read);
    EXPECT_EQ(word, thirtyNine);
    EXPECT_EQ(scanner.readWord(word), ScanfScanner::Word::TooLong);
    EXPECT_EQ(scanner.readWord(word), ScanfScanner::Word::Read);
    EXPECT_EQ(word, "tail");
    EXPECT_EQ(scanner.readWord(word), ScanfScanner::Word::None);
    EXPECT_TRUE(scanner.atEnd());
}

TEST(VectorFileScanner, CommentRunsThroughItsLineEnd) {
    StringSource source("skip this; LINE_DDA\nnext");
    ScanfScanner scanner(source);
    scanner.skipLine();
    EXPECT_EQ(rest(scanner), "next");
}

}  // namespace
