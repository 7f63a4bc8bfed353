#include "platform/file_dialog.h"

#include <cctype>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <string>
#include <utility>

#include "platform/modal_run.h"
#include "platform/test_script.h"
#include "platform/win_types.h"

TOpenSaveDialog::TData::TData(uint32_t flags, const char* filter, const char* customFilter,
                              const char* initialDir, const char* defExt, int maxPath, int filterIndex)
    : Flags(flags), Filter(filter ? filter : ""), CustomFilter(customFilter ? customFilter : ""),
      FilterIndex(filterIndex), InitialDir(initialDir ? initialDir : ""), DefExt(defExt ? defExt : ""),
      MaxPath(maxPath) {}

namespace pl {

std::vector<std::pair<std::string, std::string>> ParseFileFilter(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        const size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty()) break;
        std::string patterns = parts[i + 1];
        if (patterns.empty()) {
            // "Allfiles(*.*)||" names its patterns only in the description: take them from there
            // rather than offer a filter that matches nothing.
            const size_t open = parts[i].rfind('(');
            const size_t close = parts[i].rfind(')');
            patterns = open != std::string::npos && close != std::string::npos && close > open + 1
                           ? parts[i].substr(open + 1, close - open - 1)
                           : "*";
        }
        pairs.emplace_back(parts[i], patterns);
    }
    return pairs;
}

std::string QtNameFilter(const std::pair<std::string, std::string>& pair) {
    std::string patterns;
    for (char c : pair.second) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ';') {
            patterns += ' ';
        } else if (std::isalpha(u)) {
            patterns += '[';
            patterns += static_cast<char>(std::tolower(u));
            patterns += static_cast<char>(std::toupper(u));
            patterns += ']';
        } else {
            patterns += c;
        }
    }
    return pair.first + " (" + patterns + ")";
}

bool FileMatchesPatterns(const std::string& fileName, const std::string& patterns) {
    const QString name = QString::fromLatin1(fileName.c_str());
    for (const QString& pattern : QString::fromLatin1(patterns.c_str()).split(';', Qt::SkipEmptyParts)) {
        const QRegularExpression expression(
            QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
            QRegularExpression::CaseInsensitiveOption);
        if (expression.match(name).hasMatch()) return true;
    }
    return false;
}

std::string WithDefaultExtension(const std::string& typed, const std::string& extension) {
    const QFileInfo file(QString::fromLatin1(typed.c_str()));
    if (extension.empty() || file.isDir() || file.fileName().contains('.')) return typed;
    return typed + "." + extension;
}

std::string ResolveTypedFile(const std::string& typed, const std::string& extension) {
    const QString whole = QString::fromLatin1(typed.c_str()).trimmed();
    const QFileInfo info(whole);
    QString name = info.fileName().trimmed();
    const QString suffix = QString::fromLatin1(("." + extension).c_str());
    // A dialog that added the extension to a name typed with a blank after it leaves "name .DB0".
    if (!extension.empty() && name.endsWith(suffix, Qt::CaseInsensitive))
        name = name.left(name.size() - suffix.size()).trimmed() + name.right(suffix.size());
    else if (!extension.empty() && !name.isEmpty() && !name.contains('.'))
        name += suffix;
    const QDir folder = info.dir();
    if (name.isEmpty() || !folder.exists()) return typed;
    if (QFileInfo(folder.filePath(name)).isFile()) return folder.filePath(name).toLatin1().toStdString();
    const QStringList files = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& file : files)
        if (file.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(file).toLatin1().toStdString();
    return typed;
}

} // namespace pl

namespace {

// The widget dialog, which takes a typed name in any letter case and with blanks round it as the
// file its folder lists.
class TypedNameDialog : public QFileDialog {
public:
    TypedNameDialog(QWidget* parent, const QString& caption, const QString& folder, std::string extension)
        : QFileDialog(parent, caption, folder), extension_(std::move(extension)) {}
    void accept() override {
        const QStringList typed = selectedFiles();
        if (fileMode() == QFileDialog::ExistingFile && typed.size() == 1 && !QFileInfo(typed[0]).isFile()) {
            const std::string found = pl::ResolveTypedFile(typed[0].toLatin1().toStdString(), extension_);
            if (QFileInfo(QString::fromLatin1(found.c_str())).isFile()) {
                // The dialog leaves the name edit as typed while it has the focus.
                if (QWidget* typing = focusWidget()) typing->clearFocus();
                selectFile(QString::fromLatin1(found.c_str()));
            }
        }
        QFileDialog::accept();
    }

private:
    std::string extension_;
};

} // namespace

TFileOpenDialog::TFileOpenDialog(QWidget* parent, TOpenSaveDialog::TData& data, const char* title)
    : parent_(parent), data_(data), title_(title ? title : "Open") {}

int TFileOpenDialog::Execute() {
    data_.Error = 0;
    const auto filters = pl::ParseFileFilter(data_.Filter);
    std::string chosen;
    int result = IDCANCEL;
    if (pl::script::Enabled()) {
        using namespace pl::script;
        if (auto answer = Take(AnswerKind::File, Quote(title_) + " " + Quote(data_.Filter));
            answer && answer->Button != IDCANCEL) {
            std::string typed = pl::WithDefaultExtension(answer->Text, data_.DefExt);
            if (data_.Flags & OFN_FILEMUSTEXIST) {
                const std::string found = pl::ResolveTypedFile(answer->Text, data_.DefExt);
                if (QFileInfo(QString::fromLatin1(found.c_str())).isFile()) typed = found;
            }
            const QFileInfo file(QString::fromLatin1(typed.c_str()));
            // The dialog would not have let a person pick a file that is not there.
            if ((data_.Flags & OFN_FILEMUSTEXIST) && !file.isFile()) {
                RecordError("file dialog: " + Quote(typed) + " does not exist");
            } else if ((data_.Flags & OFN_PATHMUSTEXIST) && !file.absoluteDir().exists()) {
                RecordError("file dialog: the folder of " + Quote(answer->Text) + " does not exist");
            } else {
                chosen = typed;
                result = IDOK;
            }
        }
    } else {
        TypedNameDialog dialog(parent_, QString::fromLatin1(title_.c_str()),
                               QString::fromLatin1(data_.InitialDir.c_str()), data_.DefExt);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // The patterns are widened to match any case; the user sees the filter's own description.
        dialog.setOption(QFileDialog::HideNameFilterDetails, true);
        dialog.setFileMode((data_.Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                             : QFileDialog::AnyFile);
        QStringList nameFilters;
        for (const auto& pair : filters)
            nameFilters << QString::fromLatin1(pl::QtNameFilter(pair).c_str());
        if (!nameFilters.isEmpty()) {
            dialog.setNameFilters(nameFilters);
            const int index = data_.FilterIndex > 0 ? data_.FilterIndex - 1 : 0;
            if (index < nameFilters.size()) dialog.selectNameFilter(nameFilters[index]);
        }
        // A name typed without an extension is taken with the default one, as in the scripted answer.
        if (!data_.DefExt.empty()) dialog.setDefaultSuffix(QString::fromLatin1(data_.DefExt.c_str()));
        if (data_.Flags & OFN_HIDEREADONLY) dialog.setOption(QFileDialog::ReadOnly, false);
        if (pl::RunModal(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            chosen = dialog.selectedFiles().first().toLatin1().toStdString();
            result = IDOK;
        }
    }
    if (result == IDOK) data_.FileName = chosen;
    pl::TestLog("FileOpen title=" + pl::script::Quote(title_) + " filter=" + pl::script::Quote(data_.Filter) +
                " dir=" + pl::script::Quote(data_.InitialDir) +
                " answer=" + (result == IDOK ? pl::script::Quote(chosen) : std::string("cancel")));
    return result;
}
