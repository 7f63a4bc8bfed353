#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <QRegularExpression>
#include <QString>
#include <QTextDocument>
#include <set>
#include <sstream>
#include <string>

#include "dialogs/help_context.h"

namespace {

const std::filesystem::path kHelpDir = std::filesystem::path(TREVALYN_DATA_DIR) / "help";

std::string ReadPage(const std::string& page) {
    std::ifstream in(kHelpDir / page, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> ShippedPages() {
    std::set<std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(kHelpDir))
        if (entry.path().extension() == ".htm") pages.insert(entry.path().filename().string());
    return pages;
}

struct ContextCase {
    int32_t context;
    const char* page;
};

void PrintTo(const ContextCase& c, std::ostream* out) {
    *out << c.context << " -> " << c.page;
}

class HelpPageForContextTest : public ::testing::TestWithParam<ContextCase> {};

TEST_P(HelpPageForContextTest, ChoosesThePageOfTheTopic) {
    EXPECT_EQ(HelpPageForContext(GetParam().context), GetParam().page);
}

INSTANTIATE_TEST_SUITE_P(KnownAndUnknownTopics, HelpPageForContextTest,
                         ::testing::Values(ContextCase{253, "intwall.htm"}, ContextCase{500, "content.htm"},
                                           ContextCase{400, "intro.htm"}, ContextCase{111, "example3.htm"},
                                           ContextCase{210, "view.htm"}, ContextCase{350, "icon.htm"},
                                           ContextCase{380, "glossary.htm"},
                                           // Numbers without a page of their own fall back to the
                                           // introduction.
                                           ContextCase{999, "intro.htm"}, ContextCase{10400, "intro.htm"},
                                           ContextCase{0, "intro.htm"}, ContextCase{-1, "intro.htm"}),
                         [](const ::testing::TestParamInfo<ContextCase>& info) {
                             const int32_t context = info.param.context;
                             return context < 0 ? "Minus" + std::to_string(-context)
                                                : std::to_string(context);
                         });

TEST(HelpTopics, EachNumberHasOnePageAndEachPageOneNumber) {
    std::set<int32_t> numbers;
    std::set<std::string_view> pages;
    for (const HelpTopic& topic : HelpTopics()) {
        EXPECT_TRUE(numbers.insert(topic.context).second) << topic.context;
        EXPECT_TRUE(pages.insert(topic.page).second) << topic.page;
    }
    EXPECT_EQ(numbers.size(), 31u);
}

TEST(HtmlHelpTopic, NamesTheFilePageAndWindow) {
    EXPECT_EQ(HtmlHelpTopic(HelpPageForContext(253), kTopicWindow), "tvhelp.chm::/intwall.htm>wind");
    EXPECT_EQ(HtmlHelpTopic(HelpPageForContext(999), kTopicWindow), "tvhelp.chm::/intro.htm>wind");
    EXPECT_EQ(HtmlHelpTopic("qstart.htm", kMenuTopicWindow), "tvhelp.chm::/qstart.htm>basewind");
}

TEST(HelpPages, EveryMappedPageIsShippedAndNothingElse) {
    std::set<std::string> mapped;
    for (const HelpTopic& topic : HelpTopics())
        mapped.insert(std::string(topic.page));
    EXPECT_EQ(ShippedPages(), mapped);
}

// The help window is a plain text browser: pages must stand alone and carry a title.
TEST(HelpPages, RenderAsPlainSelfContainedHtml) {
    for (const std::string& page : ShippedPages()) {
        SCOPED_TRACE(page);
        const std::string html = ReadPage(page);
        ASSERT_FALSE(html.empty());
        const QString lower = QString::fromStdString(html).toLower();
        EXPECT_FALSE(lower.contains("<script"));
        EXPECT_FALSE(lower.contains("src="));
        EXPECT_FALSE(lower.contains("http:") || lower.contains("https:"));
        QTextDocument document;
        document.setHtml(QString::fromStdString(html));
        EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty());
        EXPECT_FALSE(document.toPlainText().trimmed().isEmpty());
    }
}

TEST(HelpPages, EveryLinkLeadsToAShippedPageAndAnchor) {
    const std::set<std::string> pages = ShippedPages();
    const QRegularExpression link(R"re(href="([^"]*)")re");
    for (const std::string& page : pages) {
        const QString html = QString::fromStdString(ReadPage(page));
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QString target = match.next().captured(1);
            SCOPED_TRACE(page + " -> " + target.toStdString());
            const qsizetype hash = target.indexOf('#');
            const std::string file = (hash < 0 ? target : target.left(hash)).toStdString();
            const std::string anchor = hash < 0 ? std::string() : target.mid(hash + 1).toStdString();
            const std::string linked = file.empty() ? page : file;
            ASSERT_TRUE(pages.count(linked)) << "no such page";
            if (!anchor.empty()) {
                const std::string target_html = ReadPage(linked);
                EXPECT_NE(target_html.find("name=\"" + anchor + "\""), std::string::npos) << "no such anchor";
            }
        }
    }
}

// Context help and the contents page are reached from every page.
TEST(HelpPages, ContentsLinksEveryPage) {
    const std::string contents = ReadPage(std::string(kContentsPage));
    for (const std::string& page : ShippedPages()) {
        if (page == kContentsPage) continue;
        EXPECT_NE(contents.find("href=\"" + page + "\""), std::string::npos) << page;
        EXPECT_NE(ReadPage(page).find("href=\"content.htm\""), std::string::npos) << page;
    }
}

} // namespace
