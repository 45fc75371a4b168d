#include "link/transaction.h"

#include <algorithm>

namespace orvane::link {

namespace {

std::uint8_t Low(std::uint16_t address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}
std::uint8_t High(std::uint16_t address) {
    return static_cast<std::uint8_t>(address >> 8);
}

// Frame start inside the received run, or nothing while the first bytes do not tell yet.
std::optional<std::size_t> KnownStart(StartRule rule, std::span<const std::uint8_t> got) {
    if (got.empty())
        return std::nullopt;
    if (got[0] == 0x00 || rule == StartRule::SkipLeadingZero)
        return FrameStart(rule, got[0], 0xFF);
    if (got.size() < 2)
        return std::nullopt;
    return FrameStart(rule, got[0], got[1]);
}

// The memory routines share their first three codes.
static_assert(write_result::NoAnswer == read_result::NoAnswer &&
              write_result::BadChecksum == read_result::BadChecksum &&
              write_result::WrongFunction == read_result::WrongFunction);

// The memory routines' common checks: NoAnswer, BadChecksum or WrongFunction, or nothing when
// the answer is intact and answers `functionCode`.
std::optional<std::uint8_t> TakeMemoryAnswer(const Answer& answer, FrameBuffer& answerCopy,
                                             std::uint8_t functionCode) {
    if (answer.received == 0)
        return write_result::NoAnswer;
    std::copy_n(answer.frame.begin(), answerCopy.size(), answerCopy.begin());
    if (!AnswerIntact(answerCopy))
        return write_result::BadChecksum;
    if (answerCopy[FunctionByte] != functionCode)
        return write_result::WrongFunction;
    return std::nullopt;
}

}  // namespace

Transaction MemoryWriteTransaction(const std::uint8_t* data, std::uint16_t address,
                                   std::uint8_t count, std::uint8_t unitAddress) {
    count = std::min(count, MaxMemoryWriteBytes);
    // The unit answers at once; only a leading 0x00 goes. The status is byte 6: bytes 0..6
    // must be in.
    return {Routine::MemoryWrite,
            {unitAddress, MasterAddress, function::MemoryWrite, std::span(data, count),
             Low(address), High(address)},
            {std::size_t{count} + 8, StartRule::SkipLeadingZero, PayloadStart + 1, false},
            std::nullopt};
}

Transaction MemoryReadTransaction(std::span<const std::uint8_t, 1> request, std::uint16_t address,
                                  std::uint8_t unitAddress) {
    const std::uint8_t count = request[0];
    Transaction t{
        Routine::MemoryRead,
        {unitAddress, MasterAddress, function::MemoryRead, request, Low(address), High(address)},
        {std::size_t{count} + 8, StartRule::SkipLeadingZeroOrRepeat, PayloadStart + count, true},
        std::nullopt};
    // A count above 233 cannot fit an answer frame.
    if (count > MaxPayloadLength)
        t.refused = read_result::NoData;
    return t;
}

Transaction ExchangeTransaction(std::uint8_t unitAddress, std::uint8_t masterAddress,
                                std::uint8_t functionCode, std::span<const std::uint8_t> buffer,
                                std::uint8_t n, std::uint8_t addressLow, std::uint8_t addressHigh,
                                std::uint8_t m) {
    const std::size_t frameBytes = std::size_t{m} + 8;
    Transaction t{Routine::Exchange,
                  {unitAddress, masterAddress, functionCode, {}, addressLow, addressHigh},
                  {frameBytes, StartRule::SkipLeadingZeroOrRepeat, PayloadStart + m, true},
                  std::nullopt};
    // A request or answer payload above 233 bytes cannot fit a frame; a buffer too small for
    // the request or the answer is the caller's mistake. None of them sends anything.
    if (n > MaxPayloadLength || m > MaxPayloadLength ||
        buffer.size() < std::max<std::size_t>(n, frameBytes))
        t.refused = exchange_result::BadLength;
    else
        t.request.payload = buffer.first(n);
    return t;
}

bool AnswerComplete(const AnswerShape& shape, std::span<const std::uint8_t> got) {
    const std::optional<std::size_t> start = KnownStart(shape.start, got);
    if (!start || got.size() <= *start + LengthByte)
        return false;
    const std::size_t length = got[*start + LengthByte];
    const bool plausible =
        length >= std::max(FrameOverhead, shape.checkedBytes) && *start + length <= shape.readBytes;
    return plausible && got.size() >= *start + length;
}

Answer TakeAnswer(const AnswerShape& shape, std::span<const std::uint8_t> area,
                  std::size_t received) {
    const std::size_t start = FrameStart(shape.start, area[0], area[1]);
    return {received, area.subspan(start)};
}

std::uint8_t JudgeMemoryWrite(const Answer& answer, FrameBuffer& answerCopy) {
    if (const std::optional<std::uint8_t> failed =
            TakeMemoryAnswer(answer, answerCopy, function::MemoryWrite))
        return *failed;
    const std::uint8_t status = answerCopy[PayloadStart];
    if (status == 1)
        return write_result::Ok;
    // Statuses 252..255 would wrap into 0..3 and a refusal would read as success or as
    // another failure; they saturate at 255 instead.
    if (status > 0xFF - write_result::StatusBase)
        return 0xFF;
    return static_cast<std::uint8_t>(status + write_result::StatusBase);
}

std::uint8_t JudgeMemoryRead(const Answer& answer, FrameBuffer& answerCopy,
                             std::uint8_t* destination, std::uint8_t count) {
    if (const std::optional<std::uint8_t> failed =
            TakeMemoryAnswer(answer, answerCopy, function::MemoryRead))
        return *failed;
    if (answerCopy[LengthByte] == FrameOverhead)
        return read_result::NoData;
    std::copy_n(answerCopy.begin() + PayloadStart, count, destination);
    return read_result::Ok;
}

std::uint8_t JudgeExchange(const Answer& answer, std::span<std::uint8_t> buffer, std::uint8_t m) {
    const std::size_t frameBytes = std::size_t{m} + 8;
    // The caller gets the answer area whatever arrived: it replaces the request payload.
    std::copy_n(answer.frame.begin(), frameBytes, buffer.begin());
    const std::size_t answerLength = buffer[LengthByte];
    if (answerLength == 0 || answerLength > frameBytes)
        return exchange_result::BadLength;
    if (answer.received < FrameOverhead)
        return exchange_result::TooShort;
    return AnswerIntact(buffer.first(frameBytes)) ? exchange_result::Ok
                                                  : exchange_result::BadChecksum;
}

}  // namespace orvane::link
