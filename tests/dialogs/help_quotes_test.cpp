// The help pages set in italics only what the program itself shows: dialog titles and labels, guide
// texts, messages and their captions. Each must be quoted exactly as the program has it, so a reader
// can find on the screen what the page names.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QString>
#include <QTextDocumentFragment>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QString Collapsed(const QString& text) {
    return text.simplified();
}

// Every string literal of the program's sources, adjacent literals joined as the compiler joins them,
// one per line; a template's "&&" is the "&" the user sees.
QString ProgramTexts() {
    static const QRegularExpression literals(R"re("((?:[^"\\\n]|\\.)*)"(?:\s*"((?:[^"\\\n]|\\.)*)")*)re");
    static const QRegularExpression literal(R"re("((?:[^"\\\n]|\\.)*)")re");
    QString texts;
    for (const char* folder : {"app", "dialogs", "document", "editing", "platform", "render", "resources",
                               "rooms", "shell", "tools", "walls"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(TREVALYN_SOURCE_DIR) / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h") continue;
            const QString source = QString::fromLatin1(ReadFile(entry.path()));
            for (auto run = literals.globalMatch(source); run.hasNext();) {
                QString joined;
                for (auto part = literal.globalMatch(run.next().captured(0)); part.hasNext();)
                    joined += part.next().captured(1);
                joined.replace("\\\"", "\"").replace("\\n", " ").replace("\\\\", "\\").replace("&&", "&");
                texts += Collapsed(joined) + '\n';
            }
        }
    }
    return texts;
}

struct Quote {
    std::string page;
    QString text;
};

std::vector<Quote> QuotedTexts() {
    static const QRegularExpression italic("<i>(.*?)</i>", QRegularExpression::DotMatchesEverythingOption);
    std::vector<Quote> quotes;
    for (const auto& entry : fs::directory_iterator(fs::path(TREVALYN_DATA_DIR) / "help")) {
        if (entry.path().extension() != ".htm") continue;
        const QString html = QString::fromLatin1(ReadFile(entry.path()));
        for (auto match = italic.globalMatch(html); match.hasNext();) {
            const QString text = QTextDocumentFragment::fromHtml(match.next().captured(1)).toPlainText();
            quotes.push_back({entry.path().filename().string(), Collapsed(text)});
        }
    }
    return quotes;
}

TEST(HelpQuotes, EveryQuotedTextIsOneTheProgramShows) {
    const QString program = ProgramTexts();
    const std::vector<Quote> quotes = QuotedTexts();
    ASSERT_GT(quotes.size(), 50u);
    bool quotesAGuide = false;
    for (const Quote& quote : quotes) {
        quotesAGuide = quotesAGuide || quote.text.startsWith("GUIDE");
        EXPECT_TRUE(program.contains(quote.text)) << quote.page << ": \"" << quote.text.toStdString() << "\"";
    }
    EXPECT_TRUE(quotesAGuide);
}

} // namespace
