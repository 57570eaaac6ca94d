#pragma once

// An output stream that hands its bytes, a large block at a time, to a
// save_file_streamed writer; a failed write sets the stream's badbit.

#include <ostream>
#include <streambuf>
#include <string>

#include "model/file_saving.h"

namespace vantor {

class ByteWriterStream : public std::ostream {
  public:
    explicit ByteWriterStream(const ByteWriter& write) : std::ostream(&buffer_), buffer_(write) {}
    ~ByteWriterStream() override { flush(); }
    ByteWriterStream(const ByteWriterStream&) = delete;
    ByteWriterStream& operator=(const ByteWriterStream&) = delete;

  private:
    class Buffer : public std::streambuf {
      public:
        explicit Buffer(const ByteWriter& write) : write_(write), block_(kBlock, '\0') {
            setp(block_.data(), block_.data() + block_.size());
        }

      protected:
        int_type overflow(int_type c) override {
            if (sync() != 0) return traits_type::eof();
            if (!traits_type::eq_int_type(c, traits_type::eof())) {
                *pptr() = traits_type::to_char_type(c);
                pbump(1);
            }
            return traits_type::not_eof(c);
        }
        int sync() override {
            const auto size = static_cast<std::size_t>(pptr() - pbase());
            setp(block_.data(), block_.data() + block_.size());
            return size == 0 || write_(std::string_view(block_.data(), size)) ? 0 : -1;
        }

      private:
        static constexpr std::size_t kBlock = 1 << 20;
        const ByteWriter& write_;
        std::string block_;
    };
    Buffer buffer_;
};

}  // namespace vantor
