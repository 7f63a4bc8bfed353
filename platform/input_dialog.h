// The one-line input dialog: a prompt and an edit holding the buffer's text, selected, with OK and
// Cancel. OK copies at most size - 1 characters and a terminator into the buffer; Cancel leaves it.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

class TInputDialog : public QDialog {
public:
    // parent may be null (application-modal, centred). The buffer's initial text is read up to its
    // terminator or size - 1 characters, whichever comes first.
    TInputDialog(QWidget* parent, const char* title, const char* prompt, char* buffer, int bufferSize);

    // IDOK or IDCANCEL.
    int Execute();

    const char* GetBuffer() const { return buffer_; }
    int GetBufferSize() const { return size_; }
    QLineEdit* Edit() const { return edit_; }

private:
    void Store(const QString& text);

    char* buffer_;
    int size_;
    QLabel* prompt_;
    QLineEdit* edit_;
};
