// Lays a dialog's controls out from its template: a vertical form, group boxes holding the controls
// that follow them, rows for controls marked SameRow, and the push buttons in a row at the bottom.
#include <map>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/dialog.h"

namespace pl {
namespace {

std::map<int32_t, QPixmap>& Icons() {
    static std::map<int32_t, QPixmap> icons;
    return icons;
}

} // namespace

void RegisterDialogIcon(int32_t iconId, const QPixmap& picture) {
    Icons()[iconId] = picture;
}

// The text a static shows for a template text: "&&" is one '&', a lone '&' marks a mnemonic and is
// not shown.
QString StaticDisplayText(const std::string& text) {
    QString shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += QChar(static_cast<unsigned char>(text[i]));
    }
    return shown;
}

} // namespace pl

void TDialog::Build(const pl::DialogTemplate& dialogTemplate) {
    using pl::ControlKind;
    setWindowTitle(QString::fromLatin1(dialogTemplate.Caption.c_str()));
    if (!dialogTemplate.CloseBox) setWindowFlag(Qt::WindowCloseButtonHint, false);

    auto* main = new QVBoxLayout(this);
    QVBoxLayout* container = main;
    QHBoxLayout* row = nullptr;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QButtonGroup* radioGroup = nullptr;
    ControlKind previous = ControlKind::GroupEnd;
    QWidget* parentOfControls = this;

    for (const pl::ControlTemplate& control : dialogTemplate.Controls) {
        const QString text = QString::fromLatin1(control.Text.c_str());
        QWidget* widget = nullptr;
        switch (control.Kind) {
        case ControlKind::GroupBox: {
            // A group box title reads "&&" as one '&' itself, as buttons do.
            auto* box = new QGroupBox(text, this);
            main->addWidget(box);
            container = new QVBoxLayout(box);
            parentOfControls = box;
            row = nullptr;
            radioGroup = nullptr;
            widget = box;
            break;
        }
        case ControlKind::GroupEnd:
            container = main;
            parentOfControls = this;
            row = nullptr;
            radioGroup = nullptr;
            previous = ControlKind::GroupEnd;
            continue;
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(false);
            if (control.Id == IDOK) button->setDefault(true);
            const int32_t id = control.Id;
            connect(button, &QPushButton::clicked, this, [this, id]() { Dispatch(id); });
            buttons->addWidget(button);
            widget = button;
            break;
        }
        case ControlKind::Static: {
            auto* label = new QLabel(pl::StaticDisplayText(control.Text), parentOfControls);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(text, parentOfControls);
            if (control.Limit > 0) edit->setMaxLength(control.Limit - 1);
            widget = edit;
            break;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(text, parentOfControls);
            radio->setAutoExclusive(false);
            if (!radioGroup || control.GroupStart || previous != ControlKind::RadioButton) {
                radioGroup = new QButtonGroup(this);
                radioGroup->setExclusive(true);
            }
            radioGroup->addButton(radio);
            radioGroups_[control.Id] = radioGroup;
            widget = radio;
            break;
        }
        case ControlKind::CheckBox:
            widget = new QCheckBox(text, parentOfControls);
            break;
        case ControlKind::ListBox: {
            auto* list = new QListWidget(parentOfControls);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setProperty("sorted", control.Sorted);
            const int32_t id = control.Id;
            connect(list, &QListWidget::itemSelectionChanged, this, [this, id]() { EvSelChange(id); });
            widget = list;
            break;
        }
        case ControlKind::EtchedLine: {
            auto* line = new QFrame(parentOfControls);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            widget = line;
            break;
        }
        case ControlKind::Icon: {
            auto* icon = new QLabel(parentOfControls);
            auto found = pl::Icons().find(control.IconId);
            if (found != pl::Icons().end()) icon->setPixmap(found->second);
            widget = icon;
            break;
        }
        }
        widget->setObjectName(QString::number(control.Id));
        controls_.emplace_back(control.Id, widget);
        if (control.Kind != ControlKind::GroupBox && control.Kind != ControlKind::PushButton) {
            if (!control.SameRow || !row) {
                row = new QHBoxLayout;
                container->addLayout(row);
            }
            row->addWidget(widget);
        }
        // Labels, separators and pictures between radio buttons leave their group open, as the
        // group flag does: only a group start, a group box or another control ends it.
        const bool passive = control.Kind == ControlKind::PushButton || control.Kind == ControlKind::Static ||
                             control.Kind == ControlKind::EtchedLine || control.Kind == ControlKind::Icon;
        if (!passive) previous = control.Kind;
    }
    main->addStretch(1);
    main->addLayout(buttons);
}
