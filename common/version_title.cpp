#include "common/version_title.h"

std::string composeVersionTitle(const char* name, const char* version) {
    std::string title;
    if (name != nullptr) {
        title = name;
        title += "  ";
    }
    if (version != nullptr) title += version;
    if (title.size() > kVersionTitleMax) title.resize(kVersionTitleMax);
    return title;
}
