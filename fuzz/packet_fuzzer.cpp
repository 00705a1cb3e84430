// Reads arbitrary bytes as the measurement table's data packet. A packet is either rejected
// with PacketError or read; what was read writes a packet that reads back to the same
// packet, so a saved file reopens unchanged.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "data/packet_reader.h"
#include "data/packet_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    std::optional<zelvaro::VersionedRows> rows;
    try {
        rows = zelvaro::readPacket(bytes);
    } catch (const zelvaro::PacketError&) {
        return 0;
    }
    if (!rows) return 0;
    const QByteArray written = zelvaro::writePacket(*rows);
    const std::optional<zelvaro::VersionedRows> reread = zelvaro::readPacket(written);
    if (!reread || zelvaro::writePacket(*reread) != written) __builtin_trap();
    return 0;
}
