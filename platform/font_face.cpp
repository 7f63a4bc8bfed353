#include "platform/font_face.h"

#include <QFile>
#include <QFontDatabase>

#include "platform/module_path.h"

namespace {

constexpr const char* kFontFile = "DejaVuSans.ttf";
constexpr const char* kSystemCopy = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

} // namespace

QString ShippedFontFamily() {
    static const QString family = [] {
        QString path = QString::fromStdString(pl::ModuleDirectory()) + kFontFile;
        if (!QFile::exists(path)) path = kSystemCopy;
        QFontDatabase::addApplicationFont(path);
        return QStringLiteral("DejaVu Sans");
    }();
    return family;
}
