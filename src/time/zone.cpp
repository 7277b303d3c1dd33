// Zone names: the perfect hash over the generated table, the UTC aliases,
// and a zone's table name.
#include "time/zone.h"

#include <bit>
#include <cstring>

#include "time/text_util.h"
#include "time/zone_table.h"

namespace qt {
namespace {

// The hash the generator used to lay out kSlots (tools/gen_zone_table.py,
// name_hash): FNV-1a over little-endian 8-byte words, the last one
// zero-padded, then a finaliser so that every byte reaches the low bits.
uint64_t name_hash(std::string_view text) {
    static_assert(std::endian::native == std::endian::little);
    uint64_t h = 0xCBF29CE484222325ULL ^ text.size();
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        h = (h ^ word) * 0x100000001B3ULL;
    }
    if (i < text.size()) {
        uint64_t word = 0;
        for (size_t j = 0; i + j < text.size(); ++j)
            word |= uint64_t{static_cast<unsigned char>(text[i + j])} << (8 * j);
        h = (h ^ word) * 0x100000001B3ULL;
    }
    h = (h ^ (h >> 33)) * 0xFF51AFD7ED558CCDULL;
    h = (h ^ (h >> 33)) * 0xC4CEB9FE1A85EC53ULL;
    return h ^ (h >> 33);
}

uint64_t mix(uint64_t h, uint64_t displacement) {
    uint64_t x = h ^ (displacement * 0x9E3779B97F4A7C15ULL);
    x = (x ^ (x >> 33)) * 0xFF51AFD7ED558CCDULL;
    return x ^ (x >> 33);
}

int find_table_name(std::string_view name) {
    const uint64_t h = name_hash(name);
    const uint64_t d = zone_table::kDisplacements[h % QT_HASH_BUCKETS];
    const int index = zone_table::kSlots[mix(h, d) % QT_HASH_SLOTS];
    if (index < 0 || zone_table::kNameLengths[index] != name.size()) return -1;
    return std::memcmp(zone_table::kNames[index], name.data(), name.size()) == 0 ? index : -1;
}

bool names_utc(std::string_view t) {
    if (t.empty()) return true;
    if (t.size() == 1) return t[0] == 'z' || t[0] == 'Z';
    return t.size() == 3 && (t[0] | 0x20) == 'u' && (t[1] | 0x20) == 't' && (t[2] | 0x20) == 'c';
}

}  // namespace

ZoneId utc_zone() { return QT_ZONE_UTC; }

std::string_view zone_name(ZoneId zone) {
    return {zone_table::kNames[zone], zone_table::kNameLengths[zone]};
}

std::string_view iana_version() { return zone_table::kIanaVersion; }

Result<ZoneId> lookup_zone(std::string_view text) {
    const std::string_view trimmed = trim_unicode_space(text);
    if (names_utc(trimmed)) return utc_zone();
    const int index = find_table_name(trimmed);
    if (index < 0) return fail(TimeError::invalid_timezone(text));
    return static_cast<ZoneId>(index);
}

}  // namespace qt
