#pragma once
// Reads a DIALOG resource of a module as it was compiled: the dialog's style, size, caption and
// font, and each control's style, place, identifier, class and text.
#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    int id = 0;               // a template's -1 reads as 0xFFFF
    std::string windowClass;  // "Button", "Edit", "Static", "ListBox", ... or the class name
    std::string text;
};

struct DialogTemplateInfo {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::string caption;
    int pointSize = 0;
    std::string font;
    std::vector<TemplateItem> items;
};

// False when the module has no such dialog or it is not a plain DIALOG template.
bool readDialogTemplate(HINSTANCE module, int templateId, DialogTemplateInfo& info);

}  // namespace wintest
