// Which help page explains what the user is doing. Every command sets HelpContextId to a topic
// number; context help, F1 and the dialogs' Help buttons turn that number into a page of the help
// folder, or hand it as it is to the context-number help system.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The two help files the program names, and the window types of the page-based help system:
// topics opened from a command or dialog use "wind", the Help menu's own topics "basewind".
inline constexpr std::string_view kHtmlHelpFile = "tvhelp.chm";
inline constexpr std::string_view kWinHelpFile = "tvwhlp.hlp";
inline constexpr std::string_view kTopicWindow = "wind";
inline constexpr std::string_view kMenuTopicWindow = "basewind";

// Pages the Help menu and the fall-back rely on.
inline constexpr std::string_view kContentsPage = "content.htm";
inline constexpr std::string_view kIntroPage = "intro.htm";

// Topic numbers used by the Help menu.
inline constexpr int32_t kExamplesContext = 100;
inline constexpr int32_t kHowToContext = 103;
inline constexpr int32_t kQuickStartContext = 107;
inline constexpr int32_t kHintsContext = 110;
inline constexpr int32_t kFileContext = 200;
inline constexpr int32_t kIntroContext = 400;
inline constexpr int32_t kContentsContext = 500;

struct HelpTopic {
    int32_t context;
    std::string_view page;
};

// Every topic number with its page, one entry per number.
std::span<const HelpTopic> HelpTopics();

// The page of a topic number; a number without a page of its own shows the introduction.
std::string_view HelpPageForContext(int32_t context);

// The topic address of the page-based help: "tvhelp.chm::/<page>><window>".
std::string HtmlHelpTopic(std::string_view page, std::string_view window);
