#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// A stream of bytes read one at a time, as the C library's getc delivers them.
class CharSource {
  public:
    static constexpr int kEnd = EOF;

    virtual ~CharSource() = default;
    // The next byte as an unsigned char value, or kEnd.
    virtual int get() = 0;
    // True once a read has failed (not merely reached the end).
    virtual bool failed() const = 0;
    // The system's description of the failure; empty when none.
    virtual std::string failureText() const = 0;
};

class StringSource final : public CharSource {
  public:
    explicit StringSource(std::string_view bytes) : text(bytes) {}
    int get() override {
        if (next >= text.size()) return kEnd;
        return static_cast<unsigned char>(text[next++]);
    }
    bool failed() const override { return false; }
    std::string failureText() const override { return {}; }

  private:
    std::string_view text;
    std::size_t next = 0;
};

// Reads an open FILE; the caller owns it. Keeps the errno of the first failed read, since
// later calls may overwrite it.
class FileSource final : public CharSource {
  public:
    explicit FileSource(std::FILE* open) : file(open) {}
    int get() override;
    bool failed() const override { return failedErrno != 0; }
    std::string failureText() const override;

  private:
    std::FILE* file;
    int failedErrno = 0;
};
