#include "platform/resources.h"

namespace pl {

namespace {

struct Registry {
    std::map<int32_t, TMenuTable> menus;
    std::map<int32_t, QImage> bitmaps;
    std::map<int32_t, QImage> icons;
    std::map<int32_t, std::string> strings;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

void RegisterMenu(int32_t id, TMenuTable menu) {
    TheRegistry().menus[id] = std::move(menu);
}

const TMenuTable& LoadMenu(int32_t id) {
    static const TMenuTable empty;
    auto it = TheRegistry().menus.find(id);
    return it == TheRegistry().menus.end() ? empty : it->second;
}

void RegisterBitmap(int32_t id, QImage image) {
    TheRegistry().bitmaps[id] = std::move(image);
}

QImage LoadBitmap(int32_t id) {
    auto it = TheRegistry().bitmaps.find(id);
    return it == TheRegistry().bitmaps.end() ? QImage() : it->second;
}

void RegisterIcon(int32_t id, QImage image) {
    TheRegistry().icons[id] = std::move(image);
}

QImage LoadIcon(int32_t id) {
    auto it = TheRegistry().icons.find(id);
    return it == TheRegistry().icons.end() ? QImage() : it->second;
}

void RegisterString(int32_t id, std::string text) {
    TheRegistry().strings[id] = std::move(text);
}

void RegisterStrings(const std::map<int32_t, std::string>& table) {
    for (const auto& [id, text] : table)
        TheRegistry().strings[id] = text;
}

std::string LoadString(int32_t id) {
    auto it = TheRegistry().strings.find(id);
    return it == TheRegistry().strings.end() ? std::string() : it->second;
}

std::string CommandHint(int32_t id) {
    std::string text = LoadString(id);
    return text.substr(0, text.find('\n'));
}

std::string CommandTip(int32_t id) {
    std::string text = LoadString(id);
    size_t lf = text.find('\n');
    return lf == std::string::npos ? std::string() : text.substr(lf + 1);
}

} // namespace pl
