#include "view/version_title.h"

namespace {

template <typename Char>
std::basic_string<Char> compose(const Char* name, const Char* version) {
    std::basic_string<Char> title;
    if (name != nullptr) {
        title = name;
        title += Char(' ');
        title += Char(' ');
    }
    if (version != nullptr) title += version;
    if (title.size() > kVersionTitleMax) title.resize(kVersionTitleMax);
    return title;
}

}  // namespace

std::string composeVersionTitle(const char* name, const char* version) {
    return compose(name, version);
}

std::wstring composeVersionTitle(const wchar_t* name, const wchar_t* version) {
    std::wstring title = compose(name, version);
    // A high surrogate left last by the cut would show as a broken character.
    if (sizeof(wchar_t) == 2 && title.size() == kVersionTitleMax && title.back() >= 0xD800 &&
        title.back() <= 0xDBFF) {
        title.pop_back();
    }
    return title;
}
