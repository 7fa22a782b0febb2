#include "db/FbClient.h"

#include <array>

namespace pelora::db::fb {

Firebird::IMaster* master() {
    static Firebird::IMaster* const m = Firebird::fb_get_master_interface();
    return m;
}

Firebird::IUtil* util() {
    static Firebird::IUtil* const u = master()->getUtilInterface();
    return u;
}

Firebird::IProvider* provider() {
    static Firebird::IProvider* const p = master()->getDispatcher();
    return p;
}

DbError toDbError(const Firebird::FbException& e) {
    Firebird::IStatus* status = e.getStatus();
    std::vector<long> codes;
    // The error vector: pairs of (argument kind, value), ended by isc_arg_end.
    const intptr_t* v = status->getErrors();
    while (v && *v != isc_arg_end) {
        if (v[0] == isc_arg_gds)
            codes.push_back(static_cast<long>(v[1]));
        v += v[0] == isc_arg_cstring ? 3 : 2; // a counted string carries its length too
    }
    std::array<char, 2048> text{};
    util()->formatStatus(text.data(), static_cast<unsigned>(text.size()), status);
    return DbError(std::move(codes), QString::fromUtf8(text.data()).trimmed());
}

} // namespace pelora::db::fb
