#include "platform/input_dialog.h"

#include <algorithm>
#include <cstring>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/cursor.h"
#include "platform/modal_run.h"
#include "platform/test_script.h"
#include "platform/win_types.h"

namespace {

// The buffer's text up to its terminator, never past its size.
std::string InitialText(const char* buffer, int size) {
    if (!buffer || size <= 0) return {};
    const void* end = std::memchr(buffer, '\0', static_cast<size_t>(size));
    const size_t length =
        end ? static_cast<size_t>(static_cast<const char*>(end) - buffer) : static_cast<size_t>(size - 1);
    return std::string(buffer, length);
}

} // namespace

TInputDialog::TInputDialog(QWidget* parent, const char* title, const char* prompt, char* buffer,
                           int bufferSize)
    : QDialog(parent), buffer_(buffer), size_(bufferSize) {
    setWindowTitle(QString::fromLatin1(title ? title : ""));
    if (!parent) setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel(QString::fromLatin1(prompt ? prompt : ""), this);
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setObjectName("prompt");
    edit_ = new QLineEdit(this);
    edit_->setObjectName("edit");
    edit_->setMaxLength(std::max(bufferSize - 1, 0));
    edit_->setText(QString::fromLatin1(InitialText(buffer, bufferSize).c_str()));
    edit_->selectAll();
    prompt_->setBuddy(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QString::number(IDOK));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QString::number(IDCANCEL));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(prompt_);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    edit_->setFocus();
}

void TInputDialog::Store(const QString& text) {
    if (!buffer_ || size_ <= 0) return;
    const std::string bytes = text.toLatin1().toStdString();
    const size_t count = std::min(bytes.size(), static_cast<size_t>(size_ - 1));
    std::memcpy(buffer_, bytes.data(), count);
    buffer_[count] = '\0';
}

int TInputDialog::Execute() {
    // A modal dialog takes the mouse: a capture held by a window it disables is cancelled first, or
    // its buttons could not be clicked.
    ReleaseCapture();
    const std::string initial = edit_->text().toLatin1().toStdString();
    int result = IDCANCEL;
    std::string answer = "cancel";
    if (pl::script::Enabled()) {
        using namespace pl::script;
        auto scripted = Take(AnswerKind::Input, Quote(windowTitle().toLatin1().toStdString()) + " " +
                                                    Quote(prompt_->text().toLatin1().toStdString()));
        if (scripted && scripted->Button != IDCANCEL) {
            // Typed into the edit as it opens, its offer selected, so the length limit applies as for
            // a user.
            edit_->insert(QString::fromLatin1(scripted->Text.c_str()));
            result = IDOK;
        }
    } else {
        result = pl::RunModal(*this) == QDialog::Accepted ? IDOK : IDCANCEL;
    }
    if (result == IDOK) {
        Store(edit_->text());
        answer = pl::script::Quote(edit_->text().toLatin1().toStdString());
    }
    pl::TestLog("InputDialog title=" + pl::script::Quote(windowTitle().toLatin1().toStdString()) +
                " prompt=" + pl::script::Quote(prompt_->text().toLatin1().toStdString()) +
                " initial=" + pl::script::Quote(initial) + " answer=" + answer);
    return result;
}
