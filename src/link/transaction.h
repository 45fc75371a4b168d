// The three transactions as data and pure functions: how each lays out its request, what it
// expects of the answer and how it judges what came back. The blocking routines and the
// event-driven ones both run on these, so they send the same frames and give the same result
// codes. Thread: any (no state).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "link/exchange_observer.h"
#include "link/frame.h"

namespace orvane::link {

// Result codes of MemoryWrite.
namespace write_result {
inline constexpr std::uint8_t Ok = 0;
inline constexpr std::uint8_t NoAnswer = 1;
inline constexpr std::uint8_t BadChecksum = 2;
inline constexpr std::uint8_t WrongFunction = 3;
inline constexpr std::uint8_t StatusBase = 4;  // + the unit's status byte
}  // namespace write_result

// Result codes of MemoryRead.
namespace read_result {
inline constexpr std::uint8_t Ok = 0;
inline constexpr std::uint8_t NoAnswer = 1;
inline constexpr std::uint8_t BadChecksum = 2;
inline constexpr std::uint8_t WrongFunction = 3;
inline constexpr std::uint8_t NoData = 4;
}  // namespace read_result

// Result codes of Exchange.
namespace exchange_result {
inline constexpr std::uint8_t Ok = 0;
inline constexpr std::uint8_t BadChecksum = 1;
inline constexpr std::uint8_t TooShort = 2;
inline constexpr std::uint8_t BadLength = 3;  // also: nothing received
}  // namespace exchange_result

// How a routine's result code reads on the bus, for an exchange that went out (a request a
// routine refuses before sending is no exchange and is never classified). A refusal in the
// unit's own answer (a write status, a read without data) is a delivered answer.
constexpr ExchangeOutcome MemoryWriteOutcome(std::uint8_t result) {
    switch (result) {
        case write_result::NoAnswer:
            return ExchangeOutcome::NoAnswer;
        case write_result::BadChecksum:
            return ExchangeOutcome::BadFrame;
        case write_result::WrongFunction:
            return ExchangeOutcome::WrongAnswer;
        default:  // written, or the unit's status
            return ExchangeOutcome::Answered;
    }
}
constexpr ExchangeOutcome MemoryReadOutcome(std::uint8_t result) {
    // The memory routines share their first three codes; NoData here
    // is the unit's answer without data.
    return MemoryWriteOutcome(result);
}
// `received`: the bytes the read took in; `sameFunction`: the answer frame carries the
// request's function code. Exchange itself does not compare it, but an intact answer to
// another request is no answer to this one.
constexpr ExchangeOutcome ExchangeOutcomeOf(std::uint8_t result, std::size_t received,
                                            bool sameFunction) {
    switch (result) {
        case exchange_result::Ok:
            return sameFunction ? ExchangeOutcome::Answered : ExchangeOutcome::WrongAnswer;
        case exchange_result::TooShort:
            return ExchangeOutcome::WrongAnswer;
        case exchange_result::BadLength:
            // A cleared receive area reads as a length byte of 0.
            return received == 0 ? ExchangeOutcome::NoAnswer : ExchangeOutcome::BadFrame;
        default:
            return ExchangeOutcome::BadFrame;
    }
}

inline constexpr std::uint8_t MaxMemoryWriteBytes = 64;
inline constexpr unsigned AnswerTurnaroundMs = 3;

enum class Routine { MemoryWrite, MemoryRead, Exchange };

// A request as one routine lays it out.
struct Request {
    std::uint8_t unitAddress;
    std::uint8_t masterAddress;
    std::uint8_t functionCode;
    std::span<const std::uint8_t> payload;
    std::uint8_t addressLow;
    std::uint8_t addressHigh;
};

// What one routine expects of its answer: the bytes it reads, how it finds the frame start,
// how many frame bytes its checks look at (the read may end once they are in), and whether
// the unit gets the turnaround before the read.
struct AnswerShape {
    std::size_t readBytes;
    StartRule start;
    std::size_t checkedBytes;
    bool turnaround;
};

// One transaction ready to go, or the code it is refused with before anything is sent.
struct Transaction {
    Routine routine;
    Request request;
    AnswerShape shape;
    std::optional<std::uint8_t> refused;
};

// `data` must stay valid as long as the transaction (it is the request payload).
Transaction MemoryWriteTransaction(const std::uint8_t* data, std::uint16_t address,
                                   std::uint8_t count, std::uint8_t unitAddress);
// `request` is the one-byte payload (the count); it must outlive the transaction.
Transaction MemoryReadTransaction(std::span<const std::uint8_t, 1> request, std::uint16_t address,
                                  std::uint8_t unitAddress);
Transaction ExchangeTransaction(std::uint8_t unitAddress, std::uint8_t masterAddress,
                                std::uint8_t functionCode, std::span<const std::uint8_t> buffer,
                                std::uint8_t n, std::uint8_t addressLow, std::uint8_t addressHigh,
                                std::uint8_t m);

// What came back: the count received and the receive area from the frame start on.
struct Answer {
    std::size_t received;
    std::span<const std::uint8_t> frame;
};

// True once the bytes received hold the whole frame (by its own length byte) and it covers
// every byte the routine looks at; an implausible length leaves the time-outs in charge.
bool AnswerComplete(const AnswerShape& shape, std::span<const std::uint8_t> received);

// The answer in the receive area (`area` holds `received` bytes, the rest zero).
Answer TakeAnswer(const AnswerShape& shape, std::span<const std::uint8_t> area,
                  std::size_t received);

// The routines' judgements. The memory routines copy the frame into `answerCopy` (240 bytes
// from the frame start) and check it there; MemoryRead copies `count` data bytes to
// `destination` on success only. Exchange copies m + 8 bytes from the frame start into
// `buffer` whatever arrived.
std::uint8_t JudgeMemoryWrite(const Answer& answer, FrameBuffer& answerCopy);
std::uint8_t JudgeMemoryRead(const Answer& answer, FrameBuffer& answerCopy,
                             std::uint8_t* destination, std::uint8_t count);
std::uint8_t JudgeExchange(const Answer& answer, std::span<std::uint8_t> buffer, std::uint8_t m);

}  // namespace orvane::link
