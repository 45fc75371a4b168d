#include "unit-sim/request_reader.h"

#include "link/frame.h"

namespace orvane::unitsim {

RequestReader::Scan RequestReader::scanAt(std::size_t offset, std::size_t& length) const {
    const std::size_t available = buffer_.size() - offset;
    if (available <= link::LengthByte)
        return Scan::Incomplete;
    length = buffer_[offset + link::LengthByte];
    if (length < link::FrameOverhead || length > link::MaxFrameLength)
        return Scan::Invalid;
    if (available < length)
        return Scan::Incomplete;
    return link::AnswerIntact(std::span(buffer_.data() + offset, length)) ? Scan::Complete
                                                                          : Scan::Invalid;
}

bool RequestReader::completeRequestAt(std::size_t offset) const {
    std::size_t length = 0;
    return buffer_.size() - offset > 1 && buffer_[offset] == link::UnitAddress &&
           buffer_[offset + 1] == link::MasterAddress && scanAt(offset, length) == Scan::Complete;
}

std::vector<Bytes> RequestReader::extract(bool lineQuiet) {
    std::vector<Bytes> requests;
    std::size_t pos = 0;
    while (pos < buffer_.size()) {
        std::size_t length = 0;
        const Scan scan = scanAt(pos, length);
        if (scan == Scan::Complete) {
            if (buffer_[pos] == link::UnitAddress)
                requests.emplace_back(buffer_.begin() + static_cast<std::ptrdiff_t>(pos),
                                      buffer_.begin() + static_cast<std::ptrdiff_t>(pos + length));
            pos += length;
            continue;
        }
        if (scan == Scan::Incomplete && !lineQuiet) {
            // A whole request from the master further on shows that the bytes before it
            // were noise, not the start of a frame still on its way.
            std::size_t next = pos + 1;
            while (next < buffer_.size() && !completeRequestAt(next))
                ++next;
            if (next == buffer_.size())
                break;  // wait for the rest
            discarded_ += next - pos;
            pos = next;
            continue;
        }
        ++pos;
        ++discarded_;
    }
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(pos));
    return requests;
}

std::vector<Bytes> RequestReader::feed(std::span<const std::uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    return extract(false);
}

std::vector<Bytes> RequestReader::expire() {
    return extract(true);
}

}  // namespace orvane::unitsim
