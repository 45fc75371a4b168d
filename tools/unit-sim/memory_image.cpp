#include "unit-sim/memory_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "unit-sim/bytes.h"

namespace orvane::unitsim {

namespace {

// A unit as it leaves the installer: static address on the house LAN, a 200 Ah OPzV gel
// pack on ten panels, grid services on. Reserved bytes and unnamed flag bits carry values
// of their own, as a real unit's do, so a configurator that loses them is caught.
void FillFactoryImage(std::span<std::uint8_t, MemorySize> m) {
    std::fill(m.begin(), m.end(), 0xFF);  // erased EEPROM outside the blocks

    auto network = m.subspan(block::Network.address, block::Network.size);
    const std::uint8_t addresses[20] = {192, 168, 1,   50,  255, 255, 255, 0,   192, 168,
                                        1,   1,   192, 168, 1,   1,   192, 168, 1,   20};
    std::copy(std::begin(addresses), std::end(addresses), network.begin());
    network[20] = 0x01 | 0x10;  // static address, remote server; bit 4 unnamed
    network[21] = 0x5A;         // reserved

    auto config = m.subspan(block::Config.address, block::Config.size);
    PutU16(config, field::CapacityAh, 200);
    config[field::PanelCount] = 10;
    config[field::BatteryType] = 3;  // tubular gel OPzV
    config[field::MaxSupplyCurrentA] = 25;
    config[field::ConfigFlags] = 0x40;  // no C/10 limit; bit 6 unnamed
    config[field::InverterType] = 1;
    config[7] = 0x3C;  // reserved
    PutU16(config, field::MaxMpptPowerW, 4500);
    config[10] = 0x12;  // reserved
    config[11] = 0x34;

    auto free = m.subspan(block::FreeParams.address, block::FreeParams.size);
    const std::uint16_t freeValues[22] = {
        570,   // end-of-charge voltage, V*10
        440,   // deep discharge while supplying
        450,   // discharge limitation
        550,   // maintenance
        40,    // absorbable capacity %
        80,    // charge current divider *10 (C/8)
        40,    // full charge after C*40 (summer)
        25,    // ... (winter)
        700,   // end-of-charge current divider (summer)
        450,   // ... (winter)
        580,   // equalization voltage
        240,   // constant-voltage minutes, normal charge (summer)
        180,   // ... (winter)
        420,   // constant-voltage minutes, full charge (summer)
        360,   // ... (winter)
        60,    // equalization minutes (summer)
        90,    // ... (winter)
        920,   // charge efficiency per mille
        960,   // discharge efficiency per mille
        460,   // standby deep discharge, V*10
        2500,  // battery life, cycles
        480,   // battery block temperature, degC*10
    };
    for (std::size_t i = 0; i < 22; ++i)
        PutU16(free, 2 * i, freeValues[i]);
    for (std::size_t i = 44; i < 64; ++i)
        free[i] = static_cast<std::uint8_t>(0x10 + i);  // reserved

    auto grid = m.subspan(block::GridServices.address, block::GridServices.size);
    grid[field::GridFlags] = grid_flag::ServicesEnabled | grid_flag::OvervoltageLimit |
                             grid_flag::OverFreqLimit | 0x20;  // bit 5 unnamed
    grid[1] = 0x81;                                            // reserved
    PutU16(grid, field::OverFreqStart, 502);
    PutU16(grid, field::OverFreqMax, 515);
    PutU16(grid, field::UnderFreqStart, 498);
    PutU16(grid, field::UnderFreqMin, 492);
    PutU16(grid, field::InsertionDelayMs, 150);
    PutU16(grid, field::OvervoltageStart, 1100);
    grid[14] = 0xC3;  // reserved
    grid[15] = 0x5A;

    auto name = m.subspan(block::NetbiosName.address, block::NetbiosName.size);
    std::fill(name.begin(), name.end(), 0);
    const char text[] = "ORVANE-1042";
    std::copy(text, text + std::strlen(text), name.begin());

    auto identity = m.subspan(block::Identity.address, block::Identity.size);
    PutU32(identity, field::UnitId, 1042);
    const std::uint8_t reserved[8] = {0x24, 0x03, 0x15, 0x00, 0x07, 0x01, 0xEE, 0x5A};
    std::copy(std::begin(reserved), std::end(reserved), identity.begin() + 4);
}

std::string ErrnoText(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

MemoryImage::MemoryImage() {
    FillFactoryImage(bytes_);
}

bool MemoryImage::read(std::size_t address, std::size_t count, std::span<std::uint8_t> out) const {
    if (address > MemorySize || count > MemorySize - address || out.size() < count)
        return false;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(address), count, out.begin());
    return true;
}

bool MemoryImage::write(std::size_t address, std::span<const std::uint8_t> data) {
    if (address > MemorySize || data.size() > MemorySize - address)
        return false;
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(address));
    return true;
}

LoadOutcome LoadImage(const std::string& path, MemoryImage& image, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return LoadOutcome::Missing;
        error = ErrnoText("cannot open", path);
        return LoadOutcome::Failed;
    }
    std::array<std::uint8_t, MemorySize + 1> buffer{};
    std::size_t got = 0;
    while (got < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = ErrnoText("cannot read", path);
            ::close(fd);
            return LoadOutcome::Failed;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got != MemorySize) {
        error = path + " is not a memory image: " + std::to_string(MemorySize) +
                " bytes expected, " + (got > MemorySize ? "more" : std::to_string(got)) + " found";
        return LoadOutcome::Failed;
    }
    image.write(0, std::span(buffer.data(), MemorySize));
    return LoadOutcome::Loaded;
}

bool SaveImageAtomically(const std::string& path, const MemoryImage& image, std::string& error) {
    const std::string temp = path + ".tmp." + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = ErrnoText("cannot create", temp);
        return false;
    }
    auto bytes = image.bytes();
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    // No fsync: the commit is answered once the file is replaced, and on a busy PC a flush
    // to the disk takes longer than the configurator waits for that answer, so the simulated
    // unit would miss answers a real one gives. The rename still leaves the old image or the
    // new one, never a torn file, however the simulator ends.
    if (::close(fd) != 0)
        ok = false;
    if (!ok) {
        error = ErrnoText("cannot write", temp);
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        error = ErrnoText("cannot replace", path);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace orvane::unitsim
