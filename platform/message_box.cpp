#include "platform/message_box.h"

#include <cstdio>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <string>

#include "platform/cursor.h"
#include "platform/modal_run.h"
#include "platform/test_script.h"
#include "platform/win_types.h"

namespace {

std::string TypeText(uint32_t type) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(type));
    return text;
}

void LogBox(const char* text, const std::string& caption, uint32_t type, int answer) {
    pl::TestLog("MessageBox caption=" + pl::script::Quote(caption) +
                " text=" + pl::script::Quote(text ? text : "") + " type=" + TypeText(type) +
                " answer=" + std::to_string(answer));
}

int Scripted(const char* text, const std::string& caption, uint32_t type) {
    using namespace pl::script;
    pl::CountScriptedBox();
    const uint32_t buttons = type & 0xF;
    int answer = IDCANCEL;
    if (buttons == MB_OK) {
        // Only one answer is possible: an explicitly queued IDOK is taken, none is needed.
        const Answer* next = Peek();
        if (next && next->Kind == AnswerKind::MessageBox && next->Button == IDOK)
            Take(AnswerKind::MessageBox, "");
        answer = IDOK;
    } else if (auto scripted = Take(AnswerKind::MessageBox, Quote(caption) + " " + Quote(text ? text : ""))) {
        answer = scripted->Button;
        const bool offered =
            (buttons == MB_OKCANCEL && (answer == IDOK || answer == IDCANCEL)) ||
            (buttons == MB_YESNO && (answer == IDYES || answer == IDNO)) ||
            (buttons == MB_YESNOCANCEL && (answer == IDYES || answer == IDNO || answer == IDCANCEL));
        if (!offered) {
            RecordError("message box " + Quote(caption) + " offers no button " + std::to_string(answer));
            answer = buttons == MB_YESNO ? IDNO : IDCANCEL;
        }
    } else {
        answer = buttons == MB_YESNO ? IDNO : IDCANCEL;
    }
    LogBox(text, caption, type, answer);
    return answer;
}

QMessageBox::Icon IconOf(uint32_t type) {
    switch (type & 0xF0) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// A question with Yes and No but no Cancel has no way out but its buttons: Escape and the close
// box do nothing, so a stray key can never pick an answer the user did not choose.
class OnlyButtonsAnswer : public QObject {
public:
    explicit OnlyButtonsAnswer(QMessageBox& box) : box_(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        if (event->type() == QEvent::Close && !box_.clickedButton()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMessageBox& box_;
};

} // namespace

int MessageBox(QWidget* owner, const char* text, const char* caption, uint32_t type) {
    const std::string title =
        caption ? std::string(caption) : QCoreApplication::applicationName().toLatin1().toStdString();
    if (pl::script::Enabled()) return Scripted(text, title, type);

    QMessageBox box(IconOf(type), QString::fromLatin1(title.c_str()), QString::fromLatin1(text ? text : ""),
                    QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    if (!owner) box.setWindowModality(Qt::ApplicationModal);
    struct Choice {
        QMessageBox::StandardButton button;
        int id;
    };
    std::vector<Choice> choices;
    switch (type & 0xF) {
    case MB_OKCANCEL:
        choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_YESNO:
        choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        break;
    case MB_YESNOCANCEL:
        choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    default:
        choices = {{QMessageBox::Ok, IDOK}};
        break;
    }
    for (const Choice& choice : choices)
        box.addButton(choice.button);
    const size_t defaultIndex = (type & MB_DEFBUTTON2) && choices.size() > 1 ? 1 : 0;
    box.setDefaultButton(choices[defaultIndex].button);
    // Escape and the close box: Cancel where there is one, OK on a box with OK alone, nothing on Yes/No.
    OnlyButtonsAnswer onlyButtons(box);
    if ((type & 0xF) == MB_YESNO) {
        box.installEventFilter(&onlyButtons);
    } else {
        box.setEscapeButton(box.button(choices.back().button));
    }
    // A message box takes the mouse: a capture held by a window it disables is cancelled first, or
    // its buttons could not be clicked.
    ReleaseCapture();
    pl::RunModal(box);
    int answer = choices.back().id;
    for (const Choice& choice : choices)
        if (box.clickedButton() == box.button(choice.button)) answer = choice.id;
    LogBox(text, title, type, answer);
    return answer;
}
