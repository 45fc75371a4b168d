// Arbitrary bytes as an INI file: parsing and reading never fail, an untouched document gives
// back every byte, and a written key is read back from the saved image.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "storage/ini_document.h"

using orvane::storage::IniDocument;
using orvane::storage::ParseIniInteger;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument ini = IniDocument::Parse(bytes);
    if (ini.bytes() != bytes) __builtin_trap();

    ini.readInteger("GENERALE", "COM_232", 0);
    ini.readInteger("RETE", "IND_0", 192);
    ini.readText("STRINGHE", "NETBIOS", "Orvane000");
    ini.readText("PORTE", "COM1");
    ParseIniInteger(bytes);

    // The input doubles as a value and as a section name.
    ini.writeInteger("RETE", "IND_0", 300);
    ini.writeText("STRINGHE", "NETBIOS", bytes.substr(0, 64));
    ini.writeInteger(bytes.substr(0, 8), "K", -7);
    const std::string saved = ini.bytes();
    const IniDocument again = IniDocument::Parse(saved);
    if (again.bytes() != saved) __builtin_trap();
    if (again.readInteger("RETE", "IND_0", -1) != 300) __builtin_trap();
    return 0;
}
