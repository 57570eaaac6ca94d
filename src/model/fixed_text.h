#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

// A fixed-length text field of a model record. It holds N NUL bytes until it is
// first assigned; an assignment pads with blanks or cuts to N bytes. Files store
// the N bytes as they are, NULs included, so the raw bytes are the value.
template <std::size_t N>
class FixedText {
  public:
    static constexpr std::size_t size = N;

    FixedText() { bytes_.fill('\0'); }
    FixedText(std::string_view value) { assign(value); }  // NOLINT: records assign text freely

    void assign(std::string_view value) {
        const std::size_t kept = value.size() < N ? value.size() : N;
        for (std::size_t i = 0; i < kept; ++i) bytes_[i] = value[i];
        for (std::size_t i = kept; i < N; ++i) bytes_[i] = ' ';
    }
    FixedText& operator=(std::string_view value) {
        assign(value);
        return *this;
    }

    // All N bytes, blanks and NULs included.
    std::string_view raw() const { return {bytes_.data(), N}; }

    // The value with blanks removed at both ends (NULs are not blanks).
    std::string trimmed() const;

    // Compares all N bytes: a 3-byte type "C  " equals "C  " but not "C".
    friend bool operator==(const FixedText& a, std::string_view b) { return a.raw() == b; }
    friend bool operator==(const FixedText& a, const FixedText& b) { return a.bytes_ == b.bytes_; }

  private:
    std::array<char, N> bytes_;
};

template <std::size_t N>
std::string FixedText<N>::trimmed() const {
    std::string_view v = raw();
    const auto first = v.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = v.find_last_not_of(' ');
    return std::string(v.substr(first, last - first + 1));
}

}  // namespace vantor
