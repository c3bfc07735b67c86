#pragma once
// Bounds-checked reading of the big-endian values of binary formats (class files, the
// attributes of runtime-image locations). Every read checks the remaining length first and
// throws FormatError instead of reading past the end.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace qv {

// A malformed binary input; the reader of the format adds which file it was.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Bytes = std::span<const std::uint8_t>;

class ByteReader {
public:
    explicit ByteReader(Bytes bytes) : bytes_(bytes) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    std::uint8_t u1()
    {
        require(1);
        return bytes_[pos_++];
    }
    std::uint16_t u2()
    {
        require(2);
        const auto v = static_cast<std::uint16_t>(bytes_[pos_] << 8 | bytes_[pos_ + 1]);
        pos_ += 2;
        return v;
    }
    std::uint32_t u4()
    {
        require(4);
        const std::uint32_t v = std::uint32_t{bytes_[pos_]} << 24 | std::uint32_t{bytes_[pos_ + 1]} << 16 |
                                std::uint32_t{bytes_[pos_ + 2]} << 8 | std::uint32_t{bytes_[pos_ + 3]};
        pos_ += 4;
        return v;
    }
    Bytes take(std::size_t n)
    {
        require(n);
        const Bytes part = bytes_.subspan(pos_, n);
        pos_ += n;
        return part;
    }
    void skip(std::size_t n)
    {
        require(n);
        pos_ += n;
    }

private:
    void require(std::size_t n) const
    {
        if (n > remaining())
            throw FormatError("truncated: " + std::to_string(n) + " bytes needed at offset " + std::to_string(pos_) +
                              ", " + std::to_string(remaining()) + " left");
    }

    Bytes bytes_;
    std::size_t pos_ = 0;
};

}  // namespace qv
