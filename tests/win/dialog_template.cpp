#include "tests/win/dialog_template.h"

#include <cstring>

namespace wintest {

namespace {

// Walks the WORD-aligned fields of a template.
class Reader {
public:
    Reader(const BYTE* data, size_t size) : data_(data), size_(size) {}
    bool ok() const { return ok_; }
    WORD word() {
        WORD w = 0;
        take(&w, sizeof w);
        return w;
    }
    DWORD dword() {
        DWORD d = 0;
        take(&d, sizeof d);
        return d;
    }
    short signedWord() { return static_cast<short>(word()); }
    // A text in UTF-16 (ASCII in our templates), or an ordinal after 0xFFFF.
    std::string textOrOrdinal(int& ordinal) {
        ordinal = -1;
        WORD first = word();
        if (first == 0xFFFF) {
            ordinal = word();
            return {};
        }
        std::string text;
        for (WORD c = first; ok_ && c != 0; c = word()) text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        return text;
    }
    std::string text() {
        int ordinal;
        return textOrOrdinal(ordinal);
    }
    void alignToDword() { offset_ = (offset_ + 3) & ~static_cast<size_t>(3); }
    void skip(size_t n) { offset_ += n; }

private:
    void take(void* out, size_t n) {
        if (offset_ + n > size_) {
            ok_ = false;
            return;
        }
        std::memcpy(out, data_ + offset_, n);
        offset_ += n;
    }
    const BYTE* data_;
    size_t size_;
    size_t offset_ = 0;
    bool ok_ = true;
};

std::string predefinedClass(int ordinal) {
    switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: {
        std::string name(1, '#');
        name += std::to_string(ordinal);
        return name;
    }
    }
}

}  // namespace

bool readDialogTemplate(HINSTANCE module, int templateId, DialogTemplateInfo& info) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (found == nullptr) return false;
    HGLOBAL loaded = LoadResource(module, found);
    const auto* data = static_cast<const BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (data == nullptr) return false;
    Reader in(data, SizeofResource(module, found));

    info = DialogTemplateInfo{};
    info.style = in.dword();
    if (HIWORD(info.style) == 0xFFFF) return false;  // DIALOGEX
    info.exStyle = in.dword();
    const int count = in.word();
    info.x = in.signedWord();
    info.y = in.signedWord();
    info.width = in.signedWord();
    info.height = in.signedWord();
    in.text();  // menu
    in.text();  // class
    info.caption = in.text();
    if (info.style & DS_SETFONT) {
        info.pointSize = in.word();
        info.font = in.text();
    }
    for (int i = 0; i < count && in.ok(); ++i) {
        in.alignToDword();
        TemplateItem item;
        item.style = in.dword();
        item.exStyle = in.dword();
        item.x = in.signedWord();
        item.y = in.signedWord();
        item.width = in.signedWord();
        item.height = in.signedWord();
        item.id = in.word();
        int ordinal;
        std::string name = in.textOrOrdinal(ordinal);
        item.windowClass = ordinal >= 0 ? predefinedClass(ordinal) : name;
        item.text = in.text();
        in.skip(in.word());  // creation data
        info.items.push_back(item);
    }
    return in.ok();
}

}  // namespace wintest
