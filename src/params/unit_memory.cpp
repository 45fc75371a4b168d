#include "params/unit_memory.h"

#include <array>
#include <memory>

namespace orvane::params {

namespace {

struct Read {
    Block block;
    unsigned pauseAfterMs;  // lets the unit finish its EEPROM access before the next request
};

constexpr std::array<Read, BlockCount> Reads{{
    {Block::Config, 200},
    {Block::FreeParam, 200},
    {Block::Network, 150},
    {Block::GridService, 150},
    {Block::NetbiosName, 100},
    {Block::Identity, 100},
}};

}  // namespace

bool ReadBlocks(link::DeviceLink& link, link::Delay& delay, ParameterSet& into,
                const BlockSelection& blocks) {
    for (const Read& r : Reads) {
        if (!blocks[static_cast<std::size_t>(r.block)])
            continue;
        const BlockLayout& layout = LayoutOf(r.block);
        // MemoryRead copies into the block only when the whole answer is good.
        const std::uint8_t result = link.MemoryRead(into.bytes(r.block).data(), layout.address,
                                                    layout.size, link::UnitAddress);
        delay.waitMs(r.pauseAfterMs);
        if (result != link::read_result::Ok)
            return false;
    }
    return true;
}

namespace {

struct ReadRun {
    link::DeviceLink& link;
    ParameterSet& into;
    BlockSelection blocks;
    ReadSteps steps;
    std::function<void(ReadEnd)> done;
    std::size_t next = 0;
    int made = 0;
    int total = 0;
};

void ReadNext(const std::shared_ptr<ReadRun>& run) {
    while (run->next < Reads.size() &&
           !run->blocks[static_cast<std::size_t>(Reads[run->next].block)])
        ++run->next;
    if (run->next == Reads.size()) {
        run->done(ReadEnd::AllRead);
        return;
    }
    if (run->steps.cancellable && run->steps.progress.cancelRequested()) {
        run->done(ReadEnd::Cancelled);
        return;
    }
    const Read r = Reads[run->next++];
    ++run->made;
    run->steps.progress.show(
        StepText(run->steps.language, run->steps.stepRow, run->made, run->total), run->made - 1,
        run->total);
    const BlockLayout& layout = LayoutOf(r.block);
    run->link.BeginMemoryRead(run->into.bytes(r.block).data(), layout.address, layout.size,
                              link::UnitAddress,
                              [run, pause = r.pauseAfterMs](std::uint8_t result) {
                                  run->link.BeginPause(pause, [run, result](std::uint8_t) {
                                      if (result != link::read_result::Ok)
                                          run->done(ReadEnd::Failed);
                                      else
                                          ReadNext(run);
                                  });
                              });
}

}  // namespace

void BeginReadBlocks(link::DeviceLink& link, ParameterSet& into, const BlockSelection& blocks,
                     const ReadSteps& steps, std::function<void(ReadEnd)> done) {
    auto run = std::make_shared<ReadRun>(ReadRun{link, into, blocks, steps, std::move(done)});
    for (const Read& r : Reads)
        run->total += blocks[static_cast<std::size_t>(r.block)] ? 1 : 0;
    ReadNext(run);
}

std::string StepText(const catalogue::Language& language, int stepRow, int done, int total) {
    return std::string(language.text(stepRow)) + " " + std::to_string(done) + " " +
           std::string(language.text(catalogue::row::BlockOf)) + " " + std::to_string(total);
}

}  // namespace orvane::params
