#include "section_kinds.h"

namespace {

bool starts_with(const std::string &name, const char *prefix) {
    return name.rfind(prefix, 0) == 0;
}

// "name" itself or "name$group" / "name.suffix" (grouped or split sections).
bool is_family(const std::string &name, const std::string &base) {
    return name == base || starts_with(name, (base + "$").c_str()) ||
           starts_with(name, (base + ".").c_str());
}

} // namespace

SectionKind section_kind(const CoffSection &s) {
    const std::string &n = s.name;
    if (is_family(n, ".ctors") || is_family(n, ".dtors") || starts_with(n, ".CRT$") ||
        is_family(n, ".init_array") || is_family(n, ".fini_array"))
        return SectionKind::static_constructors;
    if (starts_with(n, ".tls"))
        return SectionKind::thread_local_data;
    if (n == ".rdata$zzz" || n == ".drectve" || n == ".comment" || starts_with(n, ".debug") ||
        is_family(n, ".eh_frame") || s.characteristics & (SCN_LNK_INFO | SCN_LNK_REMOVE))
        return SectionKind::skipped;
    if (is_family(n, ".text"))
        return SectionKind::code;
    if (starts_with(n, ".data") || starts_with(n, ".rdata") || starts_with(n, ".bss"))
        return SectionKind::data;
    return s.size == 0 ? SectionKind::skipped : SectionKind::unknown;
}
