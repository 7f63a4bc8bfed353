// The turned glyphs of the fonts in use.
#include "platform/glyphs/turned_glyph_fonts.h"

#include <algorithm>
#include <mutex>
#include <QCoreApplication>
#include <vector>

#include "platform/glyphs/turned_glyph_cache.h"
#include "platform/glyphs/turned_glyphs.h"

namespace {

// Fonts whose level glyphs are kept, and the bytes those may take: the few sizes of a drawing at
// the few scales it is seen at.
constexpr size_t kMostFonts = 64;
constexpr size_t kMostLevelBytes = size_t{8} << 20;

} // namespace

std::shared_ptr<TurnedGlyphs> TurnedGlyphFonts::Of(const QFont& font) {
    thread_local std::vector<std::shared_ptr<TurnedGlyphs>> fonts;
    // Fonts must not outlive the application's font database, so the main thread's go with it,
    // and the glyphs turned from them with them.
    static std::once_flag registered;
    std::call_once(registered, [] {
        qAddPostRoutine([] {
            fonts.clear();
            TurnedGlyphCache::OfThread().Clear();
        });
    });
    const QString key = font.key();
    auto known =
        std::find_if(fonts.begin(), fonts.end(), [&](const auto& f) { return f->font_.key() == key; });
    if (known != fonts.end()) {
        std::rotate(fonts.begin(), known, known + 1);
        return fonts.front();
    }
    fonts.insert(fonts.begin(), std::make_shared<TurnedGlyphs>(font));
    size_t bytes = 0;
    for (const auto& kept : fonts)
        bytes += kept->levelBytes_;
    while (fonts.size() > 1 && (fonts.size() > kMostFonts || bytes > kMostLevelBytes)) {
        bytes -= fonts.back()->levelBytes_;
        TurnedGlyphCache::OfThread().ForgetFont(fonts.back()->number_);
        fonts.pop_back();
    }
    return fonts.front();
}
