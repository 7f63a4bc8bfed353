#include "dialogs/help_context.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<HelpTopic, 31> kTopics{{
    {500, "content.htm"},  {400, "intro.htm"},    {100, "examples.htm"}, {101, "example1.htm"},
    {102, "example2.htm"}, {111, "example3.htm"}, {103, "howto.htm"},    {105, "function.htm"},
    {107, "qstart.htm"},   {108, "screen.htm"},   {109, "dlg.htm"},      {110, "hint.htm"},
    {200, "file.htm"},     {210, "view.htm"},     {220, "zoom.htm"},     {230, "edit.htm"},
    {240, "tools.htm"},    {241, "tools2.htm"},   {242, "tools3.htm"},   {251, "extwall.htm"},
    {252, "base.htm"},     {253, "intwall.htm"},  {260, "droom.htm"},    {270, "froom.htm"},
    {280, "other.htm"},    {290, "windoor.htm"},  {310, "custom.htm"},   {330, "library.htm"},
    {350, "icon.htm"},     {360, "print.htm"},    {380, "glossary.htm"},
}};

} // namespace

std::span<const HelpTopic> HelpTopics() {
    return kTopics;
}

std::string_view HelpPageForContext(int32_t context) {
    const auto found = std::find_if(kTopics.begin(), kTopics.end(),
                                    [context](const HelpTopic& t) { return t.context == context; });
    return found != kTopics.end() ? found->page : kIntroPage;
}

std::string HtmlHelpTopic(std::string_view page, std::string_view window) {
    std::string topic(kHtmlHelpFile);
    topic += "::/";
    topic += page;
    topic += '>';
    topic += window;
    return topic;
}
