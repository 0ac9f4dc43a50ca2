#include "io/ScanfScanner.h"

#include <cstdlib>
#include <limits>

namespace {

// White space as isspace sees it in the "C" locale; the reader never changes the locale.
bool isSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(int c, bool hex) {
    if (c >= '0' && c <= '9') return true;
    return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

char lower(int c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

}  // namespace

int ScanfScanner::get() {
    if (pushed) {
        pushed = false;
        return pushedChar;
    }
    if (ended) return CharSource::kEnd;
    const int c = in.get();
    if (c == CharSource::kEnd) ended = true;
    return c;
}

void ScanfScanner::unget(int c) {
    if (c == CharSource::kEnd) return;
    pushedChar = c;
    pushed = true;
}

int ScanfScanner::peek() {
    const int c = get();
    unget(c);
    return c;
}

void ScanfScanner::skipSpace() {
    while (isSpace(peek()))
        get();
}

void ScanfScanner::skipLine() {
    for (int c = get(); c != CharSource::kEnd && c != '\n'; c = get()) {
    }
}

ScanfScanner::Word ScanfScanner::readWord(std::string& word, std::size_t maxLength) {
    skipSpace();
    word.clear();
    bool tooLong = false;
    for (int c = peek(); c != CharSource::kEnd && !isSpace(c); c = peek()) {
        get();
        if (word.size() < maxLength) {
            word.push_back(static_cast<char>(c));
        } else {
            tooLong = true;
        }
    }
    if (tooLong) return Word::TooLong;
    return word.empty() ? Word::None : Word::Read;
}

bool ScanfScanner::takeDigits(std::string& token, bool hex) {
    bool any = false;
    while (isDigit(peek(), hex)) {
        token.push_back(static_cast<char>(get()));
        any = true;
    }
    return any;
}

// The exponent's digits are decimal in both forms. Like fscanf, an exponent without digits
// ("1e", "1e+") is consumed and leaves the mantissa's value; strtof ignores it in the token.
void ScanfScanner::takeExponent(std::string& token, bool hex) {
    if (lower(peek()) != (hex ? 'p' : 'e')) return;
    token.push_back(static_cast<char>(get()));
    if (peek() == '+' || peek() == '-') token.push_back(static_cast<char>(get()));
    takeDigits(token, false);
}

bool ScanfScanner::readFloat(float& value) {
    skipSpace();
    std::string token;
    if (peek() == '+' || peek() == '-') token.push_back(static_cast<char>(get()));
    bool hex = false;
    bool digits = false;
    if (peek() == '0') {
        token.push_back(static_cast<char>(get()));
        digits = true;
        if (lower(peek()) == 'x') {
            token.push_back(static_cast<char>(get()));
            hex = true;
            digits = false;
        }
    }
    digits = takeDigits(token, hex) || digits;
    if (peek() == '.') {
        token.push_back(static_cast<char>(get()));
        digits = takeDigits(token, hex) || digits;
    }
    if (!digits) return false;
    takeExponent(token, hex);
    value = std::strtof(token.c_str(), nullptr);
    return true;
}

bool ScanfScanner::readInt(int& value) {
    skipSpace();
    bool negative = false;
    if (peek() == '+' || peek() == '-') negative = get() == '-';
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    bool digits = false;
    while (isDigit(peek(), false)) {
        const int d = get() - '0';
        if (magnitude <= kLimit) magnitude = magnitude * 10 + d;
        digits = true;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (!digits || signedValue > std::numeric_limits<int>::max() ||
        signedValue < std::numeric_limits<int>::min()) {
        return false;
    }
    value = static_cast<int>(signedValue);
    return true;
}
