#pragma once

#include <string>

#include "io/CharSource.h"

// Reads characters, white-space delimited words and numbers the way fgetc and fscanf's
// "%s", "%f" and "%d" do, with one character of push-back as the C library keeps.
class ScanfScanner {
  public:
    // A PVF word; longer words are consumed whole but never returned as text.
    static constexpr std::size_t kMaxWord = 39;

    explicit ScanfScanner(CharSource& source) : in(source) {}

    int get();
    // Skips up to and including the next line end, or to the end of the input.
    void skipLine();

    enum class Word { Read, TooLong, None };
    // Skips white space and takes the bytes up to the next white space ("%s"). None when the
    // input ends first.
    Word readWord(std::string& word, std::size_t maxLength = kMaxWord);

    // "%f": skips white space, then takes the longest text that can still begin a decimal or
    // hexadecimal number. False when that text holds no digit (it stays consumed, as with
    // fscanf) or the input ends first. "inf" and "nan" are not taken: the scene has no use
    // for them. A value beyond the float range comes back infinite.
    bool readFloat(float& value);
    // "%d": skips white space, takes an optional sign and decimal digits. False on no digits
    // or on a value outside the int range, which fscanf would wrap.
    bool readInt(int& value);

    bool atEnd() const { return ended && !pushed; }
    bool failed() const { return in.failed(); }
    std::string failureText() const { return in.failureText(); }

  private:
    int peek();
    void unget(int c);
    void skipSpace();
    bool takeDigits(std::string& token, bool hex);
    void takeExponent(std::string& token, bool hex);

    CharSource& in;
    int pushedChar = 0;
    bool pushed = false;
    bool ended = false;
};
