#include "app/xlsx_library.h"

#include <dlfcn.h>
#include <type_traits>

namespace answers {

std::optional<XlsxLibrary> openXlsxLibrary(const char* file, std::string& why)
{
    void* handle = ::dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        why = ::dlerror();
        return std::nullopt;
    }
    XlsxLibrary library;
    std::string missing;
    const auto find = [&](auto& function, const char* name) {
        using Function = std::remove_reference_t<decltype(function)>;
        function = reinterpret_cast<Function>(::dlsym(handle, name));
        if (!function && missing.empty())
            missing = name;
    };
#define TRELLAN_XLSX_FIND(name) find(library.name, #name);
    TRELLAN_XLSX_FUNCTIONS(TRELLAN_XLSX_FIND)
#undef TRELLAN_XLSX_FIND
    if (!missing.empty()) {
        why = std::string(file) + ": undefined symbol: " + missing;
        ::dlclose(handle);
        return std::nullopt;
    }
    return library;
}

const XlsxLibrary* xlsxLibrary(std::string& why)
{
    struct Opened {
        std::string why;
        std::optional<XlsxLibrary> library;
    };
    static const Opened opened = [] {
        Opened o;
        o.library = openXlsxLibrary(TRELLAN_XLSXWRITER_FILE, o.why);
        return o;
    }();
    why = opened.why;
    return opened.library ? &*opened.library : nullptr;
}

} // namespace answers
